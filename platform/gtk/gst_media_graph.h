#pragma once

#include <gst/gst.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>

#include "platform/gtk/video_frames.h"
#include "platform/media_graph.h"
#include "platform/window.h"

namespace platform::gtk {

// The media graph on GStreamer: a playbin whose pictures come through an appsink
// (VideoFrames) and are drawn by this object on the user-interface thread into
// the video window, whose sound goes to the system's output (or a silent sink
// that keeps time), and whose bus is watched on the default main context.
//
// Stop is a pause that reports itself as stopped: the position and the picture
// stay. Seeks and rate changes wait until the pipeline has settled (prerolled,
// no state change or seek under way); until then the position reads as the one
// asked for.
class GstMediaGraph final : public MediaGraph {
 public:
  GstMediaGraph();
  ~GstMediaGraph() override;
  GstMediaGraph(const GstMediaGraph&) = delete;
  GstMediaGraph& operator=(const GstMediaGraph&) = delete;

  // How long RenderFile waits for the first picture at most.
  static constexpr int kRenderTimeoutMs = 5000;

  bool RenderFile(const std::string& path) override;
  void Run() override;
  void Pause() override;
  void Stop() override;
  double CurrentPosition() override;
  double StopTime() override;
  void SetCurrentPosition(double seconds) override;
  void SetRate(double rate) override;
  void SetVolume(long hundredthsOfDecibel) override;
  void SetNotifyWindow(Window* window, MessageId message) override;
  bool GetEvent(long& code) override;
  bool NativeVideoSize(Size& size) override;
  void SetVideoWindow(Window* window) override;
  void SetVideoPosition(Rect source, Rect destination) override;
  void RepaintVideo() override;
  std::vector<std::uint8_t> CurrentImage() override;

 private:
  enum class Reported { Stopped, Paused, Running };

  static gboolean OnBusMessage(GstBus* bus, GstMessage* message, gpointer self);
  void HandleMessage(GstMessage* message);
  bool WaitForPreroll(int timeoutMs);
  void Unload();
  void SetState(GstState state);
  bool Settled() const;
  void ApplyPending();
  std::optional<double> QueryPosition() const;
  void OnEndOfStream();

  // From now on pictures are shown; the newest one at once.
  void ShowPictures();
  // Takes the newest picture from the streaming side; true when it is new.
  bool TakeLatestPicture();
  void OnPicture();
  void DrawPicture();

  GstElement* playbin_ = nullptr;
  std::unique_ptr<VideoFrames> frames_;
  bool busWatched_ = false;

  bool rendered_ = false;
  bool prerolled_ = false;
  bool failed_ = false;
  Reported state_ = Reported::Stopped;
  double stopTime_ = 0.0;
  double rate_ = 1.0;
  bool rateChanged_ = false;
  std::optional<double> pendingSeek_;  // asked for, not yet sent
  std::optional<double> seekInFlight_;  // sent, the pipeline not yet settled
  double lastPosition_ = 0.0;

  WindowHandle notifyWindow_ = 0;
  MessageId notifyMessage_ = 0;
  std::deque<long> events_;
  bool endReported_ = false;

  WindowHandle videoWindow_ = 0;
  Rect source_{};
  Rect destination_{};
  // Like a stopped renderer, a graph just rendered shows nothing until it runs,
  // pauses or seeks.
  bool showing_ = false;
  VideoFrames::Picture shown_;
};

}  // namespace platform::gtk

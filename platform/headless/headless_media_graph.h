#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/media_graph.h"
#include "platform/raster/bitmap.h"
#include "platform/window.h"

namespace platform::headless {

class HeadlessBackend;

// The picture a simulated clip shows at a time: the test decides (by default a
// plain frame whose shade follows the second).
using PictureSource = std::function<Bitmap(const std::string& path, double seconds, Size size)>;

// A media graph on virtual time. It reads a clip's length and picture size from
// its AVI header; the position advances with time times the rate while it runs,
// the end of the stream comes at the stop time, and the picture of the current
// second is drawn into the video window whenever it changes.
class HeadlessMediaGraph : public MediaGraph {
 public:
  HeadlessMediaGraph(std::weak_ptr<HeadlessBackend> backend, PictureSource pictures);
  ~HeadlessMediaGraph() override;

  bool RenderFile(const std::string& path) override;
  void Run() override;
  void Pause() override;
  void Stop() override;
  double CurrentPosition() override;
  double StopTime() override { return stopTime_; }
  void SetCurrentPosition(double seconds) override;
  void SetRate(double rate) override;
  void SetVolume(long hundredthsOfDecibel) override { volume_ = hundredthsOfDecibel; }
  void SetNotifyWindow(Window* window, MessageId message) override;
  bool GetEvent(long& code) override;
  bool NativeVideoSize(Size& size) override;
  void SetVideoWindow(Window* window) override;
  void SetVideoPosition(Rect source, Rect destination) override;
  void RepaintVideo() override;
  std::vector<std::uint8_t> CurrentImage() override;

  // For tests.
  enum class State { Stopped, Paused, Running };
  State CurrentState() const { return state_; }
  double Rate() const { return rate_; }
  long Volume() const { return volume_; }
  const std::string& Path() const { return path_; }
  // The second whose picture is on screen, if any.
  std::optional<int> ShownSecond() const { return shownSecond_; }

 private:
  double PositionAt(std::int64_t now) const;
  void Rebase();
  void Schedule();
  void CancelAlarms();
  void OnEndOfStream();
  void ShowPicture();

  std::int64_t Now() const;

  std::weak_ptr<HeadlessBackend> backend_;
  PictureSource pictures_;
  std::string path_;
  bool rendered_ = false;
  double stopTime_ = 0.0;
  Size size_{};
  State state_ = State::Stopped;
  double basePosition_ = 0.0;
  std::int64_t baseTime_ = 0;
  double rate_ = 1.0;
  long volume_ = 0;
  WindowHandle notifyWindow_ = 0;
  MessageId notifyMessage_ = 0;
  std::vector<long> events_;
  bool endReported_ = false;
  WindowHandle videoWindow_ = 0;
  Rect source_{};
  Rect destination_{};
  std::optional<int> shownSecond_;
  Bitmap picture_;
  std::vector<std::uint64_t> alarms_;
};

}  // namespace platform::headless

#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/media_graph.h"

class CZelvikPlayerDlg;

// The playback engine: decodes a clip in a media graph and shows its pictures
// over the main window's video host. The same window class also serves as a
// plain drawing panel of the main window (graph, speed, compass), which never
// opens a clip.
class CScreenDlg : public platform::Dialog {
 public:
  enum State : std::int32_t { Stopped = 0, Paused = 1, Playing = 2, Closed = 3 };

  explicit CScreenDlg(CZelvikPlayerDlg& mainWindow);
  ~CScreenDlg() override;

  void OpenClipAndPreview(const std::string& path);
  void OpenClip(const std::string& path);
  void Play();
  void Pause();
  void StopAndRewind();
  void Close();
  void StartFirstFramePreview(int delayMs);
  void SetVolume(int level);
  void SetPlaybackRate(double rate);
  void SeekToSecond(int second);
  double CurrentPosition();
  void SetPosition(double seconds);
  std::vector<std::uint8_t> CaptureCurrentFrame();
  void UpdateVideoPosition();
  // Releases the graph's roles, each in turn.
  void Teardown();

  // The volume level 0 to 100 as hundredths of a decibel, -10000 to 0.
  static long VolumeToHundredthsOfDecibel(int level);

  // A clip is loaded while the engine holds its media control.
  bool HasMediaControl() const { return mediaControl != nullptr; }

  CZelvikPlayerDlg& mainWindow;
  platform::Window* videoHost = nullptr;
  State state = Stopped;
  double duration = 0.0;
  std::int32_t seekSecond = 0;
  std::int32_t volume = 0;
  double rate = 0.0;
  std::int32_t stopPending = 0;
  platform::Window* clipWindow = nullptr;

  // The graph and its roles, each a counted reference to the graph (as separate
  // interfaces of one graph would be): released one by one, the last release
  // frees it.
  std::shared_ptr<platform::MediaGraph> graph;
  std::shared_ptr<platform::MediaGraph> mediaControl;
  std::shared_ptr<platform::MediaGraph> mediaPosition;
  std::shared_ptr<platform::MediaGraph> mediaEvent;
  std::shared_ptr<platform::MediaGraph> basicAudio;
  std::shared_ptr<platform::MediaGraph> mediaSeeking;
  std::shared_ptr<platform::MediaGraph> windowlessControl;

 protected:
  bool OnInitDialog() override;
  bool OnEraseBackground(platform::DrawContext& dc) override;
  bool PreTranslateKey(platform::Key key) override;
  void OnTimer(int id) override;
  platform::LParam OnMessage(platform::MessageId id, platform::WParam w, platform::LParam l) override;

 private:
  void OpenVideo(const std::string& path, bool preview);
  void BuildGraph();
  void LoadClipData(const std::string& path);
  // The window the pictures go to: the engine's own window lies over the video
  // host, so pictures meant for the host are drawn into it.
  platform::Window* VideoTarget();
};

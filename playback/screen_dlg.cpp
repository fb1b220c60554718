#include "playback/screen_dlg.h"

#include <cmath>

#include "app/app_messages.h"
#include "app/playback_clock.h"
#include "app/zelvik_player_dlg.h"
#include "map/map_follower.h"
#include "recordings/recording_data.h"

namespace {
constexpr platform::Size kTemplateSize{601, 350};
constexpr int kOpenRefreshDelayMs = 500;
}  // namespace

CScreenDlg::CScreenDlg(CZelvikPlayerDlg& owner) : Dialog(kTemplateSize), mainWindow(owner) {}

CScreenDlg::~CScreenDlg() {
  Close();
  Destroy();
}

bool CScreenDlg::OnInitDialog() {
  videoHost = &mainWindow.videoHostFrame;
  clipWindow = videoHost;
  return true;
}

// A panel's pictures are drawn by the main window and stay; the engine's window
// shows the latest picture again.
bool CScreenDlg::OnEraseBackground(platform::DrawContext& dc) {
  if (!windowlessControl) return true;
  dc.FillRect(ClientRect(), platform::Rgb(0, 0, 0));
  windowlessControl->RepaintVideo();
  return true;
}

bool CScreenDlg::PreTranslateKey(platform::Key key) {
  return key == platform::Key::Enter || key == platform::Key::Escape;
}

platform::Window* CScreenDlg::VideoTarget() { return clipWindow == videoHost ? this : clipWindow; }

void CScreenDlg::LoadClipData(const std::string& path) {
  if (state != Closed) Close();
  LoadRecordingData(DataFilePathFor(path));
  duration = 0.0;
  PlaybackClock.Rewind();
  state = Stopped;
}

void CScreenDlg::OpenClipAndPreview(const std::string& path) {
  LoadClipData(path);
  if (mainWindow.mapFollower != nullptr) mainWindow.mapFollower->PrepareMapsForClip();
  OpenVideo(path, true);
}

void CScreenDlg::OpenClip(const std::string& path) {
  LoadClipData(path);
  mainWindow.RedrawWholeGraph();
  OpenVideo(path, false);
  if (mainWindow.mapFollower != nullptr) mainWindow.mapFollower->PrepareMapsForClip();
}

void CScreenDlg::OpenVideo(const std::string& path, bool preview) {
  Invalidate(true);
  mediaControl.reset();
  mediaSeeking.reset();
  mediaPosition.reset();
  mediaEvent.reset();
  basicAudio.reset();
  graph.reset();
  PlaybackClock.tickSinceOpen = 0;
  BuildGraph();
  if (!graph) return;  // nothing to render with: no clip is loaded
  UpdateVideoPosition();
  graph->RenderFile(path);  // a file that cannot be rendered leaves a graph that shows nothing
  mediaControl = graph;
  mediaSeeking = graph;
  mediaPosition = graph;
  mediaEvent = graph;
  basicAudio = graph;
  mediaEvent->SetNotifyWindow(this, WM_GRAPH_NOTIFY);
  if (preview) Play();
  PlaybackClock.positionMs = 0;
  if (preview) StartFirstFramePreview(50);
}

void CScreenDlg::BuildGraph() {
  graph = platform::CreateMediaGraph();
  if (!graph) return;
  windowlessControl = graph;
  windowlessControl->SetVideoWindow(VideoTarget());
  if (mainWindow.mapFollower != nullptr) mainWindow.mapFollower->ShowMapsForNewClip();
}

void CScreenDlg::UpdateVideoPosition() {
  if (!windowlessControl) return;
  platform::Size native;
  if (!windowlessControl->NativeVideoSize(native)) return;
  platform::Window* target = VideoTarget();
  platform::Size client = target->ClientSize();
  windowlessControl->SetVideoPosition({0, 0, native.width, native.height}, {0, 0, client.width, client.height});
}

void CScreenDlg::Play() {
  if (!mediaControl || (state != Stopped && state != Paused)) return;
  mediaControl->Run();
  if (state == Stopped) {
    duration = mediaPosition ? mediaPosition->StopTime() : 0.0;
    mainWindow.seekSlider.SetRange(0, static_cast<int>(duration));
    volume = mainWindow.volumeSlider.GetPos();
    SetVolume(volume);
    seekSecond = 0;
  }
  if (rate != 0.0 && mediaSeeking) mediaSeeking->SetRate(rate);
  state = Playing;
}

void CScreenDlg::Pause() {
  if (!mediaControl || state != Playing) return;
  mediaControl->Pause();
  state = Paused;
}

void CScreenDlg::StopAndRewind() {
  if (!mediaControl || !mediaSeeking) return;
  if (stopPending) {
    mediaControl->Stop();
    stopPending = 0;
    return;
  }
  if (state != Paused && state != Playing) return;
  mediaControl->Stop();
  PlaybackClock.Rewind();
  mainWindow.seekSlider.SetPos(0);
  duration = 0.0;
  state = Stopped;
  mediaSeeking->SetCurrentPosition(0.0);
}

void CScreenDlg::Close() {
  if (mediaControl) mediaControl->Stop();
  state = Stopped;
  Teardown();
  state = Closed;
}

void CScreenDlg::Teardown() {
  mediaEvent.reset();
  mediaSeeking.reset();
  mediaControl.reset();
  mediaPosition.reset();
  basicAudio.reset();
  graph.reset();
  windowlessControl.reset();
}

void CScreenDlg::StartFirstFramePreview(int delayMs) { SetTimer(TIMER_PREVIEW, delayMs); }

void CScreenDlg::OnTimer(int id) {
  if (id != TIMER_PREVIEW) return;
  KillTimer(TIMER_PREVIEW);
  Show(true);
  StopAndRewind();
  if (!PlaybackClock.tickSinceOpen) {
    PlaybackClock.tickSinceOpen = 1;
    mainWindow.SetTimer(TIMER_OPEN_REFRESH, kOpenRefreshDelayMs);
  }
}

long CScreenDlg::VolumeToHundredthsOfDecibel(int level) {
  float f = static_cast<float>(level) / 100.0f;
  double v = 1000.0 * std::log10(1e-10 + (1.0 - 1e-10) * static_cast<double>(f));
  return static_cast<long>(v);
}

void CScreenDlg::SetVolume(int level) {
  if (!graph || !basicAudio) return;
  basicAudio->SetVolume(VolumeToHundredthsOfDecibel(level));
}

void CScreenDlg::SetPlaybackRate(double newRate) {
  rate = newRate;
  if (mediaSeeking) mediaSeeking->SetRate(newRate);
}

void CScreenDlg::SeekToSecond(int second) {
  seekSecond = second;
  if (mediaPosition) mediaPosition->SetCurrentPosition(static_cast<double>(second));
}

double CScreenDlg::CurrentPosition() { return mediaPosition ? mediaPosition->CurrentPosition() : 0.0; }

void CScreenDlg::SetPosition(double seconds) {
  if (mediaPosition) mediaPosition->SetCurrentPosition(seconds);
}

std::vector<std::uint8_t> CScreenDlg::CaptureCurrentFrame() {
  if (!windowlessControl) return {};
  return windowlessControl->CurrentImage();
}

platform::LParam CScreenDlg::OnMessage(platform::MessageId id, platform::WParam, platform::LParam) {
  if (id != WM_GRAPH_NOTIFY) return 0;
  long code = 0;
  while (mediaEvent && mediaEvent->GetEvent(code)) {
    if (code != platform::MediaGraph::kEventComplete) continue;
    StopAndRewind();
    mainWindow.KillTimer(TIMER_TICK);
    state = Stopped;
    PlaybackClock.Rewind();
    if (Window* parent = Parent()) parent->PostMessage(WM_CLIP_ENDED, 0, 0);
  }
  return 0;
}

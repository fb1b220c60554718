#include "platform/headless/headless_media_graph.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/headless/avi_header.h"
#include "platform/headless/headless_backend.h"

namespace platform::headless {

HeadlessMediaGraph::HeadlessMediaGraph(std::weak_ptr<HeadlessBackend> backend, PictureSource pictures)
    : backend_(std::move(backend)), pictures_(std::move(pictures)) {}

HeadlessMediaGraph::~HeadlessMediaGraph() {
  CancelAlarms();
  if (auto backend = backend_.lock()) backend->Forget(this);
}

std::int64_t HeadlessMediaGraph::Now() const {
  auto backend = backend_.lock();
  return backend ? backend->Now() : baseTime_;
}

bool HeadlessMediaGraph::RenderFile(const std::string& path) {
  path_ = path;
  std::optional<AviFacts> facts = ReadAviFacts(path);
  rendered_ = facts.has_value();
  stopTime_ = rendered_ ? facts->seconds : 0.0;
  size_ = rendered_ ? Size{facts->width, facts->height} : Size{};
  return rendered_;
}

double HeadlessMediaGraph::PositionAt(std::int64_t now) const {
  double position = basePosition_;
  if (state_ == State::Running) position += static_cast<double>(now - baseTime_) / 1000.0 * rate_;
  return std::min(position, stopTime_);
}

double HeadlessMediaGraph::CurrentPosition() { return rendered_ ? PositionAt(Now()) : 0.0; }

void HeadlessMediaGraph::Rebase() {
  basePosition_ = PositionAt(Now());
  baseTime_ = Now();
}

void HeadlessMediaGraph::CancelAlarms() {
  if (auto backend = backend_.lock())
    for (std::uint64_t alarm : alarms_) backend->Loop().CancelAlarm(alarm);
  alarms_.clear();
}

// While running: the next second's picture, and the end of the stream.
void HeadlessMediaGraph::Schedule() {
  CancelAlarms();
  auto backend = backend_.lock();
  if (!backend || state_ != State::Running || !rendered_ || rate_ <= 0.0) return;
  EventLoop& loop = backend->Loop();
  auto timeOf = [this](double position) {
    return baseTime_ + static_cast<std::int64_t>(std::ceil((position - basePosition_) / rate_ * 1000.0));
  };
  double nextSecond = std::floor(basePosition_) + 1.0;
  if (nextSecond < stopTime_)
    alarms_.push_back(loop.AddAlarm(timeOf(nextSecond), [this] {
      Rebase();  // the next alarm counts from the second just reached
      ShowPicture();
      Schedule();
    }));
  if (!endReported_)
    alarms_.push_back(loop.AddAlarm(timeOf(stopTime_), [this] { OnEndOfStream(); }));
}

void HeadlessMediaGraph::Run() {
  if (!rendered_) return;
  Rebase();
  state_ = State::Running;
  ShowPicture();
  Schedule();
}

void HeadlessMediaGraph::Pause() {
  if (!rendered_) return;
  Rebase();
  state_ = State::Paused;
  CancelAlarms();
  ShowPicture();
}

void HeadlessMediaGraph::Stop() {
  if (!rendered_) return;
  Rebase();
  state_ = State::Stopped;
  CancelAlarms();
}

void HeadlessMediaGraph::SetCurrentPosition(double seconds) {
  if (!rendered_) return;
  basePosition_ = std::clamp(seconds, 0.0, stopTime_);
  baseTime_ = Now();
  endReported_ = false;
  ShowPicture();
  Schedule();
}

void HeadlessMediaGraph::SetRate(double rate) {
  if (rate <= 0.0) return;
  Rebase();
  rate_ = rate;
  Schedule();
}

void HeadlessMediaGraph::SetNotifyWindow(Window* window, MessageId message) {
  notifyWindow_ = window != nullptr ? window->Handle() : 0;
  notifyMessage_ = message;
}

void HeadlessMediaGraph::OnEndOfStream() {
  Rebase();
  if (endReported_) return;
  endReported_ = true;
  events_.push_back(kEventComplete);
  if (Window* window = Window::FromHandle(notifyWindow_)) window->PostMessage(notifyMessage_, 0, 0);
}

bool HeadlessMediaGraph::GetEvent(long& code) {
  if (events_.empty()) return false;
  code = events_.front();
  events_.erase(events_.begin());
  return true;
}

bool HeadlessMediaGraph::NativeVideoSize(Size& size) {
  if (!rendered_) return false;
  size = size_;
  return true;
}

void HeadlessMediaGraph::SetVideoWindow(Window* window) { videoWindow_ = window != nullptr ? window->Handle() : 0; }

void HeadlessMediaGraph::SetVideoPosition(Rect source, Rect destination) {
  source_ = source;
  destination_ = destination;
  RepaintVideo();
}

// The picture of the current second, kept, and drawn into the video window.
void HeadlessMediaGraph::ShowPicture() {
  if (!rendered_) return;
  double position = PositionAt(Now());
  int second = static_cast<int>(std::floor(position));
  if (second >= stopTime_ && second > 0) second = static_cast<int>(std::ceil(stopTime_)) - 1;
  if (shownSecond_ == second && !picture_.Empty()) {
    RepaintVideo();
    return;
  }
  shownSecond_ = second;
  int shade = 40 + (second * 13) % 200;
  picture_ = pictures_ ? pictures_(path_, position, size_) : Bitmap(size_.width, size_.height, Rgb(shade, shade, shade));
  RepaintVideo();
}

void HeadlessMediaGraph::RepaintVideo() {
  Window* window = Window::FromHandle(videoWindow_);
  if (window == nullptr || picture_.Empty()) return;
  Rect from = source_.Empty() ? Rect{0, 0, picture_.Width(), picture_.Height()} : source_;
  Rect to = destination_.Empty() ? window->ClientRect() : destination_;
  window->GetDC().StretchCopy(to, picture_, from);
}

std::vector<std::uint8_t> HeadlessMediaGraph::CurrentImage() {
  if (picture_.Empty()) return {};
  int w = picture_.Width(), h = picture_.Height();
  std::vector<std::uint8_t> dib(40 + static_cast<std::size_t>(w) * h * 4, 0);
  auto put32 = [&dib](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) dib[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  put32(0, 40);
  put32(4, static_cast<std::uint32_t>(w));
  put32(8, static_cast<std::uint32_t>(h));
  dib[12] = 1;   // planes
  dib[14] = 32;  // bits per pixel
  put32(20, static_cast<std::uint32_t>(w * h * 4));
  for (int y = 0; y < h; ++y)  // bottom row first
    std::memcpy(&dib[40 + static_cast<std::size_t>(h - 1 - y) * w * 4], picture_.Row(y), static_cast<std::size_t>(w) * 4);
  return dib;
}

}  // namespace platform::headless

#include "tools/bench/playback_probe.h"

#include <glib.h>
#include <sys/resource.h>

#include <chrono>

#include "tools/card/frame_signature.h"

namespace bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr platform::MessageId kGraphNotify = 0x040D;
constexpr double kWaitMs = 5000;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double CpuMs() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto ms = [](const timeval& t) { return static_cast<double>(t.tv_sec) * 1000.0 + t.tv_usec / 1000.0; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

gboolean SetFlag(gpointer flag) {
  *static_cast<bool*>(flag) = true;
  return G_SOURCE_REMOVE;
}

}  // namespace

PlaybackProbe::PlaybackProbe() {
  window_.CreateTopLevel(nullptr, {40, 40, 601, 350}, true);
  PumpFor(300);  // mapped and drawn once
}

PlaybackProbe::~PlaybackProbe() {
  graph_.reset();
  window_.Destroy();
}

std::optional<int> PlaybackProbe::SecondShown() const {
  const platform::Bitmap& surface = window_.Surface();
  return card::ReadFrameSignature(surface.Bytes(), surface.Width(), surface.Height(), surface.Stride());
}

// Runs the main loop, asleep while it has nothing to do (so that the CPU time
// measured is the player's, not the waiting's).
bool PlaybackProbe::PumpUntil(const std::function<bool()>& done, double timeoutMs) {
  bool expired = false;
  GSource* deadline = g_timeout_source_new(static_cast<guint>(timeoutMs));
  g_source_set_callback(deadline, SetFlag, &expired, nullptr);
  g_source_attach(deadline, nullptr);
  bool result = done();
  while (!result && !expired) {
    g_main_context_iteration(nullptr, TRUE);
    result = done();
  }
  g_source_destroy(deadline);
  g_source_unref(deadline);
  return result;
}

void PlaybackProbe::PumpFor(double ms) {
  PumpUntil([] { return false; }, ms);
}

std::optional<double> PlaybackProbe::OpenToFirstPicture(const std::string& path) {
  graph_.reset();
  window_.GetDC().FillRect(window_.ClientRect(), platform::Rgb(0, 0, 0));
  PumpFor(50);
  const Clock::time_point start = Clock::now();
  graph_ = platform::CreateMediaGraph();
  graph_->SetVideoWindow(&window_);
  platform::Size size;
  graph_->NativeVideoSize(size);  // as the engine asks before rendering (no picture yet)
  if (!graph_->RenderFile(path)) return std::nullopt;
  graph_->SetNotifyWindow(&window_, kGraphNotify);
  graph_->Run();
  if (!PumpUntil([&] { return SecondShown().has_value(); }, kWaitMs)) return std::nullopt;
  return MsSince(start);
}

std::optional<double> PlaybackProbe::PausedSeek(int second) {
  if (!graph_) return std::nullopt;
  graph_->Pause();
  PumpFor(150);  // settled, as after a user's pause
  const Clock::time_point start = Clock::now();
  graph_->SetCurrentPosition(second);
  if (!PumpUntil([&] { return SecondShown() == second; }, kWaitMs)) return std::nullopt;
  return MsSince(start);
}

std::optional<double> PlaybackProbe::CpuMsPerSecond(const std::string& path, double seconds) {
  if (!OpenToFirstPicture(path)) return std::nullopt;
  PumpFor(500);  // past the start-up
  const double cpuBefore = CpuMs();
  const Clock::time_point start = Clock::now();
  PumpFor(seconds * 1000.0);
  const double wallSeconds = MsSince(start) / 1000.0;
  const double cpu = CpuMs() - cpuBefore;
  graph_.reset();
  return cpu / wallSeconds;
}

}  // namespace bench

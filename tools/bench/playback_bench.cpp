// zelvik-bench-playback: how fast the player's media graph shows a clip on the
// real desktop, side by side with a bare playbin preroll of the same clip.
//
//   zelvik-bench-playback [CARD_DIR] [--rounds N] [--cpu-seconds S]
//
// Without CARD_DIR it makes a small demo card for the run. Runs under a display
// (scripts/with-display). Reports medians and worst cases in milliseconds.

#include <gst/gst.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/backend.h"
#include "tools/bench/bare_preroll.h"
#include "tools/bench/bench_clips.h"
#include "tools/bench/playback_probe.h"

namespace {

constexpr const char* kUsage = "usage: zelvik-bench-playback [CARD_DIR] [--rounds N] [--cpu-seconds S]\n";
constexpr double kFirstPictureGoalMs = 100.0;
constexpr double kPrerollRatioGoal = 1.5;

struct Samples {
  std::vector<double> ms;
  int failures = 0;

  void Add(std::optional<double> value) {
    if (value) ms.push_back(*value);
    else ++failures;
  }
  double Median() const {
    if (ms.empty()) return 0.0;
    std::vector<double> sorted = ms;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t n = sorted.size();
    return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2.0;
  }
  double Worst() const { return ms.empty() ? 0.0 : *std::max_element(ms.begin(), ms.end()); }
  std::string Text() const {
    char text[64];
    if (ms.empty()) return "failed";
    std::snprintf(text, sizeof text, "%6.1f (%6.1f)%s", Median(), Worst(), failures ? " !" : "");
    return text;
  }
};

struct ClipResult {
  std::string name;
  Samples bare, open, seek;
};

int Usage() {
  std::fputs(kUsage, stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string cardDir;
  int rounds = 9;
  double cpuSeconds = 4.0;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if ((arg == "--rounds" || arg == "--cpu-seconds") && i + 1 < argc) {
      const double value = std::atof(argv[++i]);
      if (value <= 0) return Usage();
      if (arg == "--rounds") rounds = static_cast<int>(value);
      else cpuSeconds = value;
    } else if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    } else if (arg.starts_with("-") || !cardDir.empty()) {
      return Usage();
    } else {
      cardDir = arg;
    }
  }

  try {
    platform::InstallBackend(platform::CreateDesktopBackend(argc, argv));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zelvik-bench-playback: %s\n", e.what());
    return 1;
  }
  std::string error;
  bench::BenchClips clips(cardDir, error);
  if (!error.empty()) {
    std::fprintf(stderr, "zelvik-bench-playback: %s\n", error.c_str());
    return 1;
  }

  std::vector<ClipResult> results;
  std::optional<double> coldOpen;
  {
    bench::PlaybackProbe probe;
    for (const std::string& path : clips.Paths()) {
      ClipResult result{std::filesystem::path(path).filename().string(), {}, {}, {}};
      const bool firstClip = results.empty() && !coldOpen;
      // The first open of a run also loads the decoders: reported on its own.
      if (firstClip) coldOpen = probe.OpenToFirstPicture(path);
      for (int round = 0; round < rounds; ++round) {
        result.bare.Add(bench::BarePrerollMs(path));
        result.open.Add(probe.OpenToFirstPicture(path));
        const int seconds = static_cast<int>(probe.StopTime());
        if (seconds > 1) result.seek.Add(probe.PausedSeek(1 + (round * 7) % (seconds - 1)));
        probe.Close();
      }
      if (result.open.ms.empty()) {
        std::printf("%-32s  cannot be rendered: skipped\n", result.name.c_str());
        continue;
      }
      results.push_back(std::move(result));
    }
    if (results.empty()) {
      std::fprintf(stderr, "zelvik-bench-playback: no clip could be played\n");
      return 1;
    }

    std::printf("\nPlayback on the desktop backend: %zu clips, %d rounds each; median (worst) in ms\n",
                results.size(), rounds);
    std::printf("%-32s  %-16s  %-16s  %-6s  %-16s\n", "clip", "bare preroll", "open->picture", "ratio",
                "paused seek->pic");
    double worstOpen = 0.0, worstRatio = 0.0;
    for (const ClipResult& r : results) {
      const double ratio = r.bare.Median() > 0 ? r.open.Median() / r.bare.Median() : 0.0;
      worstOpen = std::max(worstOpen, r.open.Median());
      worstRatio = std::max(worstRatio, ratio);
      std::printf("%-32s  %-16s  %-16s  %6.2f  %-16s\n", r.name.c_str(), r.bare.Text().c_str(),
                  r.open.Text().c_str(), ratio, r.seek.Text().c_str());
    }
    if (coldOpen) std::printf("first open of the run: %.1f ms\n", *coldOpen);

    const std::optional<double> cpu = probe.CpuMsPerSecond(clips.Paths().front(), cpuSeconds);
    if (cpu)
      std::printf("CPU per second of 1x playback (%s, %.0f s): %.1f ms/s (%.1f %% of one core)\n",
                  results.front().name.c_str(), cpuSeconds, *cpu, *cpu / 10.0);
    else
      std::printf("CPU per second of 1x playback: failed\n");

    std::printf("goal: first picture within %.0f ms: %s (worst median %.1f ms)\n", kFirstPictureGoalMs,
                worstOpen <= kFirstPictureGoalMs ? "met" : "NOT met", worstOpen);
    std::printf("goal: within %.1f x the bare preroll: %s (worst ratio %.2f)\n", kPrerollRatioGoal,
                worstRatio <= kPrerollRatioGoal ? "met" : "NOT met", worstRatio);
  }
  platform::InstallBackend(nullptr);
  return 0;
}

// zelvik-make-card: lays out a dash camera's SD card with demo clips, so the
// player has something real to play on any machine.

#include <gst/gst.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <thread>

#include "tools/card/card_writer.h"

namespace {

constexpr const char* kUsage =
    "usage: zelvik-make-card OUT_DIR [--clips N] [--fps F] [--seconds S] [--jobs J] [--replace]\n"
    "  --clips N    clips on the card (default 8, at most 120)\n"
    "  --fps F      frames a second (default 15)\n"
    "  --seconds S  length of a clip; the parking clip lasts 2 x S (default 60, at most 60)\n"
    "  --jobs J     clips encoded at once (default: the number of processors)\n"
    "  --replace    remove OUT_DIR/DCIM first if it exists\n";

bool ParseCount(std::string_view text, int& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

int Fail(const std::string& message) {
  std::cerr << "zelvik-make-card: " << message << "\n";
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  card::CardOptions options;
  int jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  bool replace = false;
  std::string outDir;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    int* target = arg == "--clips" ? &options.clips
                  : arg == "--fps" ? &options.fps
                  : arg == "--seconds" ? &options.seconds
                  : arg == "--jobs" ? &jobs
                                    : nullptr;
    if (target) {
      if (i + 1 >= argc || !ParseCount(argv[i + 1], *target)) {
        std::cerr << "zelvik-make-card: " << arg << " needs a whole number\n" << kUsage;
        return 2;
      }
      ++i;
    } else if (arg == "--replace") {
      replace = true;
    } else if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    } else if (arg.starts_with("-") || !outDir.empty()) {
      std::cerr << "zelvik-make-card: unexpected argument " << arg << "\n" << kUsage;
      return 2;
    } else {
      outDir = arg;
    }
  }
  if (outDir.empty()) {
    std::cerr << kUsage;
    return 2;
  }
  if (const std::string problem = card::CheckOptions(options); !problem.empty()) {
    std::cerr << "zelvik-make-card: " << problem << "\n";
    return 2;
  }
  if (jobs < 1) {
    std::cerr << "zelvik-make-card: --jobs must be at least 1\n";
    return 2;
  }

  // Never mix a new card with the clips of an old one.
  const std::filesystem::path dcim = std::filesystem::path(outDir) / "DCIM";
  std::error_code error;
  if (std::filesystem::exists(dcim, error)) {
    if (!replace) return Fail(dcim.string() + " already exists; remove it or pass --replace");
    std::filesystem::remove_all(dcim, error);
    if (error) return Fail("cannot remove " + dcim.string() + ": " + error.message());
  }

  gst_init(&argc, &argv);
  const auto start = std::chrono::steady_clock::now();
  const std::string problem = card::MakeCard(outDir, options, jobs, std::cout);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  gst_deinit();
  if (!problem.empty()) return Fail(problem);
  std::printf("Made in %.1f s.\n", seconds);
  return 0;
}

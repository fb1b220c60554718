// Lists a folder of 3,000 clips in the clip list of the real main window:
// scan, sort by path, fill the list view. On the desktop backend (the default;
// needs a display) or, with --headless, on the simulated desktop.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/config_path.h"
#include "app/zelvik_player_dlg.h"
#include "platform/backend.h"
#include "platform/headless/headless_backend.h"
#include "recordings/clip_list_dlg.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  bool headless = argc > 1 && std::strcmp(argv[1], "--headless") == 0;
  constexpr int kClips = 3000;
  constexpr int kRounds = 7;
  fs::path card = fs::temp_directory_path() / ("zelvik-bench-list-" + std::to_string(::getpid()));
  fs::path folder = card / "DCIM" / "00000";
  fs::create_directories(folder);
  // Names created in shuffled order, so the directory does not hand them over sorted.
  std::vector<int> order(kClips);
  for (int i = 0; i < kClips; ++i) order[i] = i;
  std::shuffle(order.begin(), order.end(), std::mt19937(7));
  for (int i : order) {
    char name[64];
    std::snprintf(name, sizeof name, "NOR_%04d_20261210_%06d.avi", i + 1, 80000 + i);
    std::ofstream(folder / name) << "x";
  }

  if (headless) {
    platform::InstallBackend(std::make_unique<platform::headless::HeadlessBackend>());
  } else {
    platform::InstallBackend(platform::CreateDesktopBackend(argc, argv));
  }
  configPath = (card / "config.sys").string();
  std::vector<double> times;
  {
    CZelvikPlayerDlg player;
    player.CreateModeless(nullptr);
    for (int round = 0; round < kRounds; ++round) {
      player.clipList->ClearList();
      auto start = std::chrono::steady_clock::now();
      player.clipList->ListFolder(folder.string());
      auto end = std::chrono::steady_clock::now();
      times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
      if (player.clipList->itemCount != kClips) {
        std::fprintf(stderr, "listed %d clips, not %d\n", player.clipList->itemCount, kClips);
        return 1;
      }
    }
  }
  platform::InstallBackend(nullptr);
  fs::remove_all(card);
  std::sort(times.begin(), times.end());
  std::printf("listing %d clips on the %s backend (scan, sort, fill), %d rounds: median %.1f ms, min %.1f ms, max %.1f ms\n",
              kClips, headless ? "headless" : "desktop", kRounds, times[kRounds / 2], times.front(), times.back());
  return 0;
}

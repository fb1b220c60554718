// One ordinary tick of the playback clock (graph step, compass, speed, seek
// bar, elapsed time) of the real main window on the simulated desktop.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "app/config_path.h"
#include "app/playback_clock.h"
#include "app/zelvik_player_dlg.h"
#include "platform/headless/avi_header.h"
#include "platform/headless/headless_backend.h"
#include "playback/screen_dlg.h"
#include "recordings/recording_data.h"

namespace fs = std::filesystem;

static void BM_OrdinaryTick(benchmark::State& state) {
  fs::path card = fs::temp_directory_path() / ("zelvik-bench-tick-" + std::to_string(::getpid()));
  fs::create_directories(card);
  auto owned = std::make_unique<platform::headless::HeadlessBackend>();
  platform::headless::HeadlessBackend& backend = *owned;
  platform::InstallBackend(std::move(owned));
  backend.SetProgramPath((card / "zelvik-player").string());
  configPath = DeriveConfigPath(backend.ProgramPath());

  std::string clip = (card / "NOR_0001_20261210_083000.avi").string();
  platform::headless::WriteAviHeaderFile(clip, {60.3, 800, 480});
  {
    std::ofstream data(DataFilePathFor(clip));
    for (int s = 0; s < 61; ++s) data << "GPS,0,0,A,37.39,N,126.95,E," << s << ',' << (s * 6) % 360 << "\n";
    for (int h = 0; h < 121; ++h) data << "GsensorData,0,0,0.1,-0.2," << (h % 7) * 0.1 << "\n";
  }
  {
    CZelvikPlayerDlg player;
    player.CreateModeless(nullptr);
    player.videoScreen->OpenClipAndPreview(clip);
    backend.Advance(1000);
    player.videoScreen->Play();
    backend.Advance(30250);  // ticks up to 30 s; the clock stands still from here
    player.KillTimer(1);
    PlaybackClock.graphNeedsRedraw = 0;
    for (auto _ : state) {
      PlaybackClock.graphHalfSecond = 60;
      player.RunTick();
    }
  }
  platform::InstallBackend(nullptr);
  fs::remove_all(card);
}
BENCHMARK(BM_OrdinaryTick)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();

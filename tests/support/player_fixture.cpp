#include "tests/support/player_fixture.h"

#include <unistd.h>

#include <cstring>
#include <fstream>

#include "app/config_path.h"
#include "app/playback_clock.h"
#include "device/device_config.h"
#include "platform/headless/avi_header.h"
#include "playback/screen_dlg.h"
#include "recordings/clip_list_dlg.h"
#include "recordings/recording_data.h"
#include "tests/support/panel_reading.h"

namespace fs = std::filesystem;

void PlayerTest::SetUp() {
  HeadlessTest::SetUp();
  card = fs::temp_directory_path() /
         ("zelvik-player-" + std::to_string(::getpid()) + "-" +
          ::testing::UnitTest::GetInstance()->current_test_info()->name());
  fs::remove_all(card);
  fs::create_directories(card);
  Backend().SetProgramPath((card / "zelvik-player").string());
  std::memset(&RecordingTrack, 0, sizeof RecordingTrack);
  std::memset(&deviceConfig, 0, sizeof deviceConfig);
  PlaybackClock = PlaybackClockState{};
  configPath = (card / "config.sys").string();
  currentFolder.clear();
}

void PlayerTest::TearDown() {
  player.reset();
  HeadlessTest::TearDown();
  std::error_code ec;
  fs::remove_all(card, ec);
}

CZelvikPlayerDlg& PlayerTest::StartPlayer() {
  configPath = DeriveConfigPath(Backend().ProgramPath());
  player = std::make_unique<CZelvikPlayerDlg>();
  player->CreateModeless(nullptr);
  RunPending();
  return *player;
}

int PlayerTest::RunProgram(std::function<void(CZelvikPlayerDlg&)> whileRunning) {
  return RunProgramWith("", std::move(whileRunning));
}

int PlayerTest::RunProgramWith(const std::string& argument, std::function<void(CZelvikPlayerDlg&)> whileRunning) {
  configPath = DeriveConfigPath(Backend().ProgramPath());
  CZelvikPlayerDlg dialog;
  dialog.startArgument = argument;
  bool acted = false;
  WhenModalIdle(
      [&] {
        if (acted) return false;
        acted = true;
        whileRunning(dialog);
        return true;
      },
      0);
  return dialog.DoModal(nullptr);
}

std::string PlayerTest::MakeClip(const std::string& relativePath, double seconds, int width, int height) {
  fs::path path = card / relativePath;
  fs::create_directories(path.parent_path());
  platform::headless::WriteAviHeaderFile(path.string(), {seconds, width, height});
  return path.string();
}

std::string PlayerTest::MakeBrokenClip(const std::string& relativePath) {
  fs::path path = card / relativePath;
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << "this is not a clip";
  return path.string();
}

void PlayerTest::WriteDataFile(const std::string& clipPath, const std::vector<GpsLine>& gps,
                               const std::vector<GLine>& gsensor) {
  std::ofstream out(DataFilePathFor(clipPath));
  for (const GpsLine& g : gps)
    out << "GPS,083000,101226," << g.status << ',' << g.latitude << ",N," << g.longitude << ",E," << g.speed << ','
        << g.course << "\r\n";
  for (const GLine& g : gsensor) out << "GsensorData,1,2," << g.x << ',' << g.y << ',' << g.z << "\r\n";
}

CScreenDlg& PlayerTest::Engine() { return *player->videoScreen; }

CListDlg& PlayerTest::List() { return *player->clipList; }

platform::headless::HeadlessMediaGraph& PlayerTest::Graph() {
  auto graphs = Backend().MediaGraphs();
  EXPECT_FALSE(graphs.empty()) << "no clip was opened";
  return *graphs.back();
}

void PlayerTest::OpenByClick(const std::string& clipPath, int kind) {
  player->clipLengthCode = kind;
  Engine().Show(true);
  Engine().OpenClipAndPreview(clipPath);
  Advance(1000);
}

std::string PlayerTest::ElapsedTimeOnScreen() { return panel_reading::ElapsedTimeText(Screenshot(*player)); }

std::string PlayerTest::SpeedOnScreen() { return panel_reading::SpeedText(Screenshot(*player)); }

bool PlayerTest::CompassShows(int sector) {
  const std::vector<int> compass = {187, 171, 194, 190, 189, 191, 192, 193};
  return panel_reading::MatchImage(Screenshot(*player), 756, 601, 233, 161, compass) == sector;
}

platform::Colour PlayerTest::GraphPixel(int x, int y) { return Screenshot(*player).Pixel(398 + x, 588 + y); }

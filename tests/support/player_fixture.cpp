#include "tests/support/player_fixture.h"

#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <fstream>

#include "app/config_path.h"
#include "app/playback_clock.h"
#include "device/device_config.h"
#include "platform/headless/avi_header.h"
#include "platform/resources.h"
#include "playback/screen_dlg.h"
#include "recordings/clip_list_dlg.h"
#include "recordings/recording_data.h"

namespace fs = std::filesystem;

namespace {

// Which of `ids` the w x h block at (x, y) of the shot shows, or -1.
int Match(const platform::Bitmap& shot, int x, int y, int w, int h, const std::vector<int>& ids) {
  for (std::size_t i = 0; i < ids.size(); ++i) {
    const platform::Bitmap& image = platform::LoadBitmapResource(ids[i]);
    bool same = true;
    for (int dy = 0; dy < h && same; ++dy)
      for (int dx = 0; dx < w && same; ++dx) same = shot.Pixel(x + dx, y + dy) == image.Pixel(dx, dy);
    if (same) return static_cast<int>(i);
  }
  return -1;
}

char Digit(int index) { return index < 0 ? '?' : static_cast<char>('0' + index); }

}  // namespace

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

std::string PlayerTest::ElapsedTimeOnScreen() {
  platform::Bitmap shot = Screenshot(*player);
  std::vector<int> digits;
  for (int id = 299; id <= 308; ++id) digits.push_back(id);
  std::string text;
  text += Digit(Match(shot, 431, 528, 7, 12, digits));
  text += Digit(Match(shot, 438, 528, 7, 12, digits));
  text += Match(shot, 445, 528, 11, 12, {310}) == 0 ? ':' : '?';
  text += Digit(Match(shot, 457, 528, 7, 12, digits));
  text += Digit(Match(shot, 464, 528, 7, 12, digits));
  return text;
}

std::string PlayerTest::SpeedOnScreen() {
  platform::Bitmap shot = Screenshot(*player);
  const std::vector<int> digits = {179, 177, 178, 180, 181, 182, 183, 184, 185, 186};
  std::string text;
  for (int x : {814, 854, 894}) text += Digit(Match(shot, x, 513, 40, 54, digits));
  return text;
}

bool PlayerTest::CompassShows(int sector) {
  const std::vector<int> compass = {187, 171, 194, 190, 189, 191, 192, 193};
  return Match(Screenshot(*player), 756, 601, 233, 161, compass) == sector;
}

platform::Colour PlayerTest::GraphPixel(int x, int y) { return Screenshot(*player).Pixel(398 + x, 588 + y); }

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/app_messages.h"
#include "app/main_window_layout.h"
#include "app/zelvik_player_app.h"
#include "device/device_config.h"
#include "platform/resources.h"
#include "playback/screen_dlg.h"
#include "recordings/clip_list_dlg.h"
#include "tests/support/player_fixture.h"

namespace fs = std::filesystem;

namespace {

const char kConfigMessage[] = "CONFIGURATION FILE DOES NOT EXIST. PLEAE INSET SD CARD TO DEVICE TO RECOGNIZE.";
const char kNetworkMessage[] = "Check NETWORK OR INTERNET";

class StartUpTest : public PlayerTest {
 protected:
  // Whether the screen shows this image at this place of the main window,
  // magenta pixels aside (the skin shows through them) and pixels that a button
  // placed later covers (stop and rew share a column).
  bool ShowsImage(platform::Rect place, int id, std::size_t tableIndex) {
    const platform::Bitmap& image = platform::LoadBitmapResource(id);
    platform::Bitmap shot = Screenshot(*player);
    auto coveredLater = [&](platform::Point p) {
      for (std::size_t i = tableIndex + 1; i < kMainWindowButtons.size(); ++i)
        if (kMainWindowButtons[i].shown && kMainWindowButtons[i].rect.Contains(p)) return true;
      return false;
    };
    for (int y = 0; y < place.height && y < image.Height(); ++y)
      for (int x = 0; x < place.width && x < image.Width(); ++x) {
        platform::Colour c = image.Pixel(x, y);
        platform::Point at{place.x + x, place.y + y};
        if (c != platform::Rgb(255, 0, 255) && !coveredLater(at) && shot.Pixel(at.x, at.y) != c) return false;
      }
    return true;
  }
  // Makes the program's folder refuse new files (root writes anywhere, so root uses /proc).
  void ProgramInReadOnlyFolder() {
    if (::geteuid() == 0) {
      Backend().SetProgramPath("/proc/zelvik-player");
    } else {
      fs::permissions(card, fs::perms::owner_read | fs::perms::owner_exec);
    }
  }
  void TearDown() override {
    fs::permissions(card, fs::perms::owner_all, fs::perm_options::add);
    PlayerTest::TearDown();
  }
};

TEST_F(StartUpTest, TheSkinnedWindowStandsWithEveryButtonInItsPlace) {
  CZelvikPlayerDlg& window = StartPlayer();
  EXPECT_EQ(window.Title(), "Zelvik Player");
  EXPECT_EQ(window.Bounds(), (platform::Rect{0, 0, 999, 780}));
  EXPECT_TRUE(window.IsShowing());
  EXPECT_EQ(Backend().Native(window)->Icon(), platform::LoadBitmapResource(128));
  for (std::size_t i = 0; i < kMainWindowButtons.size(); ++i) {
    const ButtonPlace& place = kMainWindowButtons[i];
    SCOPED_TRACE(place.text);
    CMyBitmapButton* button = window.ButtonById(place.id);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Bounds(), place.rect);
    EXPECT_EQ(button->Title(), place.text);
    EXPECT_EQ(button->IsVisible(), place.shown);
    if (place.shown) {
      EXPECT_TRUE(ShowsImage(place.rect, place.normal, i));
    }
  }
  EXPECT_EQ(window.videoHostFrame.Bounds(), (platform::Rect{19, 68, 601, 350}));
  EXPECT_EQ(window.videoHostFrame.ControlId(), 1051);
  // The skin is on the screen where no control covers it.
  EXPECT_EQ(Screenshot(window).Pixel(5, 400), platform::LoadBitmapResource(131).Pixel(5, 400));
}

TEST_F(StartUpTest, SlidersAndPanelsTakeTheirPlaces) {
  CZelvikPlayerDlg& window = StartPlayer();
  EXPECT_EQ(window.volumeSlider.Bounds(), (platform::Rect{66, 504, 108, 14}));
  EXPECT_EQ(window.volumeSlider.GetPos(), 50);
  EXPECT_EQ(window.volumeSlider.GetRangeMax(), 100);
  EXPECT_EQ(window.volumeSlider.PageSize(), 10);
  EXPECT_EQ(window.speedSlider.Bounds(), (platform::Rect{240, 504, 108, 14}));
  EXPECT_EQ(window.speedSlider.GetPos(), 1);
  EXPECT_EQ(window.speedSlider.GetRangeMax(), 2);
  EXPECT_EQ(window.seekSlider.Bounds(), (platform::Rect{422, 504, 296, 14}));
  EXPECT_EQ(window.seekSlider.GetRangeMax(), 100);
  EXPECT_EQ(window.videoScreen->Bounds(), (platform::Rect{19, 68, 601, 350}));
  EXPECT_FALSE(window.videoScreen->IsVisible());
  EXPECT_EQ(window.graphPanel->Bounds(), (platform::Rect{398, 588, 340, 166}));
  EXPECT_EQ(window.speedPanel->Bounds(), (platform::Rect{814, 513, 120, 54}));
  EXPECT_EQ(window.headingPanel->Bounds(), (platform::Rect{756, 601, 233, 161}));
  EXPECT_EQ(window.clipList->Bounds(), (platform::Rect{28, 610, 338, 142}));
  EXPECT_TRUE(window.clipList->IsVisible());
}

TEST_F(StartUpTest, AMissingConfigurationIsCreatedAndNoTimerRuns) {
  CZelvikPlayerDlg& window = StartPlayer();
  std::ifstream in(card / "config.sys", std::ios::binary);
  std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
  ASSERT_EQ(bytes.size(), 80u);
  EXPECT_EQ(bytes[0], 1);
  EXPECT_EQ(bytes[18], 0x1C);
  EXPECT_TRUE(MessageBoxTexts().empty());
  Advance(100);  // the one tick that follows the first paint
  EXPECT_TRUE(Backend().TimerIds(window).empty());
}

TEST_F(StartUpTest, WithoutAConfigurationOnlyItsMessageShowsAndTheWindowCloses) {
  ProgramInReadOnlyFolder();
  Backend().SetOnline(false);
  bool everShown = false;
  Backend().SetMessageBoxHook([&](const auto&) {
    for (platform::Window* top : Backend().TopLevels()) everShown = everShown || top->IsVisible();
  });
  theApp.InitInstance();
  EXPECT_EQ(Backend().ApplicationName(), "ZelvikPlayer");
  EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{kConfigMessage});
  EXPECT_FALSE(everShown);
  EXPECT_TRUE(Backend().TopLevels().empty());
}

TEST_F(StartUpTest, OfflineIsReportedAfterTheConfigurationWasRead) {
  Backend().SetOnline(false);
  bool configExistedAtMessage = false;
  Backend().SetMessageBoxHook([&](const auto&) { configExistedAtMessage = fs::exists(card / "config.sys"); });
  CZelvikPlayerDlg& window = StartPlayer();
  EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{kNetworkMessage});
  EXPECT_TRUE(configExistedAtMessage);
  EXPECT_FALSE(window.networkAvailable);
  EXPECT_TRUE(window.IsShowing());
}

TEST_F(StartUpTest, EnterAndEscapeCloseNothing) {
  bool stillRunning = false;
  int result = RunProgram([&](CZelvikPlayerDlg& window) {
    PressKey(platform::Key::Enter);
    PressKey(platform::Key::Escape);
    window.stopButton.SetFocus();
    PressKey(platform::Key::Escape);
    PressKey(platform::Key::Enter);
    stillRunning = window.IsShowing() && !window.ModalEndPending();
    Click(window.closeButton);
  });
  EXPECT_TRUE(stillRunning);
  EXPECT_EQ(result, platform::kIdCancel);
}

TEST_F(StartUpTest, TheCloseButtonEndsTheProgram) {
  int result = RunProgram([&](CZelvikPlayerDlg& window) { Click(window.closeButton); });
  EXPECT_EQ(result, platform::kIdCancel);
  EXPECT_TRUE(Backend().TopLevels().empty());
}

TEST_F(StartUpTest, DraggingTheSkinMovesTheWindowButNotFromAButton) {
  CZelvikPlayerDlg& window = StartPlayer();
  Drag(window, {950, 470}, {1010, 510});
  EXPECT_EQ(window.Bounds().TopLeft(), (platform::Point{60, 40}));
  Drag(window.playButton, {10, 10}, {90, 90});
  EXPECT_EQ(window.Bounds().TopLeft(), (platform::Point{60, 40}));
}

TEST_F(StartUpTest, MinimisedTheWindowShowsItsIconInTheMiddle) {
  CZelvikPlayerDlg& window = StartPlayer();
  Click(window.miniButton);
  EXPECT_TRUE(window.IsMinimized());
  const platform::Bitmap& icon = platform::LoadBitmapResource(128);
  platform::Bitmap surface = window.Surface();
  int x = (999 - icon.Width() + 1) / 2, y = (780 - icon.Height() + 1) / 2;
  for (int dy = 0; dy < icon.Height(); ++dy)
    for (int dx = 0; dx < icon.Width(); ++dx) ASSERT_EQ(surface.Pixel(x + dx, y + dy), icon.Pixel(dx, dy));
}

}  // namespace

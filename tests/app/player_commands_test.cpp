#include <gtest/gtest.h>

#include <filesystem>

#include "app/app_messages.h"
#include "app/playback_clock.h"
#include "app/zelvik_player_app.h"
#include "playback/screen_dlg.h"
#include "recordings/clip_list_dlg.h"
#include "tests/support/player_fixture.h"

namespace {

using GraphState = platform::headless::HeadlessMediaGraph::State;

class CommandsTest : public PlayerTest {
 protected:
  void SetUp() override {
    PlayerTest::SetUp();
    StartPlayer();
    clip = MakeClip("DCIM/00000/NOR_0001_20261210_083000.avi", 60.3);
    std::vector<GpsLine> gps(61);
    for (int s = 0; s < 61; ++s) gps[s].speed = 57;
    WriteDataFile(clip, gps, {});
  }
  void OpenClip() { OpenByClick(clip); }
  // Which face set the transport shows: "playing", "paused" or "backward".
  std::string Faces() {
    bool backPlay = player->backPlayButton.IsVisible(), backPause = player->backPauseButton.IsVisible();
    bool play = player->playButton.IsVisible(), pause = player->pauseButton.IsVisible();
    if (backPlay && !backPause && !play && pause) return "playing";
    if (backPlay && !backPause && play && !pause) return "paused";
    if (!backPlay && backPause && play && !pause) return "backward";
    return "mixed";
  }
  std::string clip;
};

TEST_F(CommandsTest, WithoutAClipTheTransportDoesNothing) {
  for (CMyBitmapButton* button : {&player->playButton, &player->stopButton, &player->backPlayButton})
    Click(*button);
  player->ShowTransportFaces(CZelvikPlayerDlg::Faces::Playing);
  Click(player->pauseButton);
  EXPECT_FALSE(Backend().TimerRuns(*player, TIMER_TICK));
  EXPECT_EQ(player->reverseStep, 0);
  EXPECT_EQ(Faces(), "playing");
}

TEST_F(CommandsTest, PlayPauseAndStopMoveTheClipAndTheFaces) {
  OpenClip();
  Click(player->playButton);
  EXPECT_EQ(Faces(), "playing");
  EXPECT_EQ(*Backend().TimerPeriod(*player, TIMER_TICK), 250);
  Advance(3000);
  Click(player->pauseButton);
  EXPECT_EQ(Faces(), "paused");
  EXPECT_EQ(Engine().state, CScreenDlg::Paused);
  EXPECT_FALSE(Backend().TimerRuns(*player, TIMER_TICK));
  Click(player->stopButton);
  EXPECT_EQ(Faces(), "paused");
  Advance(200);  // the stop shows the first picture again, then rests at the start
  EXPECT_EQ(Engine().state, CScreenDlg::Stopped);
  EXPECT_DOUBLE_EQ(Graph().CurrentPosition(), 0.0);
  EXPECT_EQ(Graph().CurrentState(), GraphState::Stopped);
  EXPECT_EQ(Graph().ShownSecond(), 0);
  EXPECT_EQ(player->seekSlider.GetPos(), 0);
}

TEST_F(CommandsTest, PlayDuringBackwardPlayPlaysForwardFromThere) {
  OpenClip();
  Click(player->playButton);
  Advance(5000);
  Click(player->backPlayButton);
  EXPECT_EQ(Faces(), "backward");
  Advance(1000);
  double there = Graph().CurrentPosition();
  EXPECT_LT(there, 4.5);
  Click(player->playButton);
  EXPECT_EQ(player->reverseStep, 0);
  EXPECT_EQ(Faces(), "playing");
  Advance(1000);
  EXPECT_NEAR(Graph().CurrentPosition(), there + 1.0, 1e-6);
}

TEST_F(CommandsTest, StopDuringBackwardPlayStopsTheTicksWithoutRewinding) {
  OpenClip();
  Click(player->playButton);
  Advance(5000);
  Click(player->backPlayButton);
  Advance(500);
  double there = Graph().CurrentPosition();
  Click(player->stopButton);
  Advance(1000);
  EXPECT_FALSE(Backend().TimerRuns(*player, TIMER_TICK));
  EXPECT_EQ(player->reverseStep, 0);
  EXPECT_DOUBLE_EQ(Graph().CurrentPosition(), there);
  EXPECT_EQ(Faces(), "paused");
}

TEST_F(CommandsTest, BackwardPauseLeavesBackwardPlay) {
  OpenClip();
  Click(player->playButton);
  Advance(3000);
  Click(player->backPlayButton);
  Click(player->backPauseButton);
  EXPECT_EQ(player->reverseStep, 0);
  EXPECT_FALSE(Backend().TimerRuns(*player, TIMER_TICK));
  EXPECT_EQ(Faces(), "paused");
}

TEST_F(CommandsTest, SwitchingToMilesChangesTheDigitsAtTheNextTick) {
  OpenClip();
  Click(player->playButton);
  Advance(1000);
  Click(player->pauseButton);
  EXPECT_EQ(SpeedOnScreen(), "057");
  Click(player->kmButton);
  EXPECT_FALSE(player->kmButton.IsVisible());
  EXPECT_TRUE(player->mileButton.IsVisible());
  EXPECT_EQ(SpeedOnScreen(), "057");
  player->Invalidate(true);  // a paint brings one tick
  Advance(20);
  EXPECT_EQ(SpeedOnScreen(), "035");
  Click(player->mileButton);
  EXPECT_TRUE(player->kmButton.IsVisible());
  EXPECT_EQ(player->mileMode, 0);
}

TEST_F(CommandsTest, TheCloseButtonStopsTheClipAndEndsTheRun) {
  OpenClip();
  Click(player->playButton);
  Click(player->closeButton);
  EXPECT_FALSE(player->IsVisible());
  EXPECT_EQ(player->videoScreen, nullptr);
  EXPECT_EQ(player->clipList, nullptr);
  EXPECT_FALSE(Backend().TimerRuns(*player, TIMER_TICK));
}

class StartArgumentTest : public PlayerTest {};

TEST_F(StartArgumentTest, AFolderIsListedAndAClipIsPlayed) {
  std::string clip = MakeClip("DCIM/00000/NOR_0001_20261210_083000.avi", 60.3);
  MakeClip("DCIM/00000/NOR_0002_20261210_083100.avi", 60.3);
  for (const std::string& argument : {(card / "DCIM" / "00000").string(), clip}) {
    SCOPED_TRACE(argument);
    int rows = -1;
    CScreenDlg::State state = CScreenDlg::Closed;
    RunProgramWith(argument, [&](CZelvikPlayerDlg& window) {
      rows = window.clipList->itemCount;
      state = window.videoScreen->state;
      Click(window.closeButton);
    });
    EXPECT_EQ(rows, argument == clip ? 1 : 2);
    EXPECT_EQ(state, argument == clip ? CScreenDlg::Playing : CScreenDlg::Stopped);
  }
}

TEST_F(StartArgumentTest, SomethingThatIsNeitherIsReported) {
  RunProgramWith((card / "missing").string(), [&](CZelvikPlayerDlg& window) { Click(window.closeButton); });
  ASSERT_EQ(MessageBoxTexts().size(), 1u);
  EXPECT_NE(MessageBoxTexts()[0].find("missing"), std::string::npos);
}

}  // namespace

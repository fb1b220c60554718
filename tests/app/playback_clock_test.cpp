#include <gtest/gtest.h>

#include "app/app_messages.h"
#include "app/playback_clock.h"
#include "playback/screen_dlg.h"
#include "recordings/recording_data.h"
#include "tests/support/player_fixture.h"

namespace {

class ClockTest : public PlayerTest {
 protected:
  void SetUp() override {
    PlayerTest::SetUp();
    StartPlayer();
    clip = MakeClip("DCIM/00000/NOR_0001_20261210_083000.avi", 60.3);
    std::vector<GpsLine> gps(61);
    for (int s = 0; s < 61; ++s) gps[s].speed = s;
    WriteDataFile(clip, gps, std::vector<GLine>(121, GLine{0.5, -0.5, 1.0}));
    OpenByClick(clip);
  }
  // Plays from the start and stops the ticks, so the test runs them itself.
  void PlayWithoutTicks() {
    Click(player->playButton);
    player->KillTimer(TIMER_TICK);
  }
  // Moves virtual time on to `ms` after the start of playback, without ticks.
  void PlayUntil(std::int64_t ms) {
    Advance(ms - static_cast<std::int64_t>(Graph().CurrentPosition() * 1000.0 + 0.5));
  }
  bool Pending(platform::MessageId id) {
    for (const platform::Message& m : Backend().PendingMessages(*player))
      if (m.id == id) return true;
    return false;
  }
  std::string clip;
};

TEST_F(ClockTest, TheShownSecondIsTheRoundedPosition) {
  PlayWithoutTicks();
  PlayUntil(12490);
  player->RunTick();
  EXPECT_EQ(player->seekSlider.GetPos(), 12);
  EXPECT_EQ(ElapsedTimeOnScreen(), "00:12");
  EXPECT_EQ(PlaybackClock.currentSecond, 12);
  EXPECT_EQ(SpeedOnScreen(), "012");
  PlayUntil(12500);
  player->RunTick();
  EXPECT_EQ(player->seekSlider.GetPos(), 13);
  EXPECT_EQ(ElapsedTimeOnScreen(), "00:13");
  EXPECT_EQ(PlaybackClock.currentSecond, 12) << "the data still follows the truncated second";
}

TEST_F(ClockTest, ElapsedTimeReadsMinutesAndSeconds) {
  const std::pair<int, const char*> table[] = {{67, "01:07"}, {5, "00:05"}, {0, "00:00"}, {120, "02:00"}};
  for (auto [seconds, text] : table) {
    player->DrawElapsedTime(seconds);
    RunPending();
    EXPECT_EQ(ElapsedTimeOnScreen(), text);
  }
}

TEST_F(ClockTest, AClipIsDeclaredEndedOnceTheRoundedSecondReachesItsLength) {
  PlayWithoutTicks();
  PlayUntil(59490);
  player->RunTick();
  EXPECT_EQ(Engine().state, CScreenDlg::Playing);
  EXPECT_FALSE(Pending(WM_CLIP_ENDED));
  PlayUntil(59500);
  player->SetTimer(TIMER_TICK, 250);
  player->RunTick();
  EXPECT_EQ(player->seekSlider.GetPos(), 60);
  EXPECT_EQ(Engine().state, CScreenDlg::Stopped);
  EXPECT_FALSE(Backend().TimerRuns(*player, TIMER_TICK));
  EXPECT_EQ(PlaybackClock.positionMs, 0);
  EXPECT_TRUE(Pending(WM_CLIP_ENDED));
}

TEST_F(ClockTest, BackwardPlayStepsATenthPerTickAndStopsBelowHalfASecond) {
  PlayWithoutTicks();
  PlayUntil(1200);
  Click(player->backPlayButton);
  EXPECT_EQ(*Backend().TimerPeriod(*player, TIMER_TICK), 100);
  EXPECT_EQ(Graph().CurrentState(), platform::headless::HeadlessMediaGraph::State::Paused);
  std::vector<int> positions;
  while (Backend().TimerRuns(*player, TIMER_TICK) && positions.size() < 50) {
    Advance(100);
    positions.push_back(PlaybackClock.positionMs);
  }
  // Positions are truncated to milliseconds, so a step may land one below.
  const std::vector<int> expected = {1100, 1000, 900, 800, 700, 600, 500, 400};
  ASSERT_EQ(positions.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(positions[i], expected[i], 1) << i;
  EXPECT_EQ(player->reverseStep, 0);
  EXPECT_TRUE(player->backPauseButton.IsVisible()) << "the faces stay as they were";
  EXPECT_EQ(player->seekSlider.GetPos(), 0);
}

TEST_F(ClockTest, TheSpeedSliderSetsTheRateAndTheTickPeriod) {
  Click(player->playButton);
  const struct {
    int position;
    int period;
    double rate;
  } table[] = {{0, 500, 0.5}, {2, 100, 2.0}, {1, 250, 1.0}};
  for (auto row : table) {
    player->speedSlider.SetPos(row.position);
    player->PostMessage(WM_SLIDER_DRAGGING, 1019, row.position);
    RunPending();
    EXPECT_EQ(PlaybackClock.tickPeriodMs, row.period);
    EXPECT_EQ(Engine().rate, row.rate);
    EXPECT_EQ(Graph().Rate(), row.rate);
    // While playing, the next tick takes the new period.
    Advance(600);
    EXPECT_EQ(*Backend().TimerPeriod(*player, TIMER_TICK), row.period);
  }
}

TEST_F(ClockTest, SeekingWhileStoppedShowsThatSecondWithoutStartingTheTicks) {
  player->seekSlider.SetRange(0, 60);
  player->seekSlider.SetPos(30);
  player->PostMessage(WM_SLIDER_DRAGGING, 1020, 30);
  Advance(1000);
  EXPECT_FALSE(Backend().TimerRuns(*player, TIMER_TICK));
  EXPECT_EQ(Engine().state, CScreenDlg::Stopped);
  EXPECT_EQ(Graph().CurrentState(), platform::headless::HeadlessMediaGraph::State::Stopped);
  EXPECT_EQ(Graph().ShownSecond(), 30);
  EXPECT_EQ(Engine().seekSecond, 30);
  EXPECT_EQ(PlaybackClock.graphHalfSecond, 60);
  // The curve (Z at 1.0 g, row 69) reaches the 30-second mark and no further.
  EXPECT_EQ(GraphPixel(171, 69), platform::Rgb(51, 255, 0));
  EXPECT_NE(GraphPixel(174, 69), platform::Rgb(51, 255, 0));
}

TEST_F(ClockTest, SeekingWhilePlayingRunsOneTickAtOnce) {
  Click(player->playButton);
  Advance(1000);
  player->seekSlider.SetPos(40);
  player->PostMessage(WM_SLIDER_DRAGGING, 1020, 40);
  RunPending();
  EXPECT_EQ(PlaybackClock.currentSecond, 40);
  EXPECT_EQ(ElapsedTimeOnScreen(), "00:40");
  EXPECT_EQ(SpeedOnScreen(), "040");
}

TEST_F(ClockTest, WithoutAClipTheSeekBarSnapsBackAndTicksDoNothing) {
  Engine().Close();
  player->seekSlider.SetPos(12);
  player->PostMessage(WM_SLIDER_DRAGGING, 1020, 12);
  RunPending();
  EXPECT_EQ(player->seekSlider.GetPos(), 0);
  player->RunTick();
  EXPECT_EQ(PlaybackClock.currentSecond, 0);
}

TEST_F(ClockTest, PositionsBeyondTheTablesStayInsideThem) {
  // A clip longer than the tables: its ticks must not read or draw past them.
  std::string longClip = MakeClip("DCIM/00000/PRK_0002_20261210_090000.avi", 200.0);
  OpenByClick(longClip, 3);
  PlayWithoutTicks();
  for (std::int64_t ms : {119000, 125000, 190000}) {
    PlayUntil(ms);
    player->RunTick();
  }
  PlaybackClock.graphHalfSecond = 380;
  player->RedrawWholeGraph();
  player->seekSlider.SetPos(190);
  player->PostMessage(WM_SLIDER_DRAGGING, 1020, 190);
  RunPending();
  SUCCEED();
}

TEST_F(ClockTest, ThePaintOfTheWindowBringsOneTickThatRedrawsTheWholeGraph) {
  Click(player->playButton);
  Advance(3000);
  Click(player->pauseButton);
  player->Invalidate(true);
  RunPending();
  EXPECT_TRUE(Backend().TimerRuns(*player, TIMER_REPAINT_TICK));
  EXPECT_EQ(PlaybackClock.graphNeedsRedraw, 1);
  Advance(10);
  EXPECT_FALSE(Backend().TimerRuns(*player, TIMER_REPAINT_TICK));
  EXPECT_EQ(PlaybackClock.graphNeedsRedraw, 0);
  EXPECT_EQ(GraphPixel(52 + 2 * 5, 69), platform::Rgb(51, 255, 0));
}

}  // namespace

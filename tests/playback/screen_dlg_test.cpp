#include "playback/screen_dlg.h"

#include <gtest/gtest.h>

#include "app/app_messages.h"
#include "app/playback_clock.h"
#include "recordings/recording_data.h"
#include "tests/support/player_fixture.h"

namespace {

using State = platform::headless::HeadlessMediaGraph::State;

class EngineTest : public PlayerTest {
 protected:
  void SetUp() override {
    PlayerTest::SetUp();
    StartPlayer();
    clip = MakeClip("DCIM/00000/NOR_0001_20261210_083000.avi", 60.3);
  }
  std::string clip;
};

TEST_F(EngineTest, ASingleClickOpenEndsStoppedAtTheStartWithTheFirstPicture) {
  WriteDataFile(clip, {{'A', "37.1", "127.2", 45, 90}}, {{0.5, 0.25, 1.0}});
  OpenByClick(clip);
  CScreenDlg& engine = Engine();
  EXPECT_EQ(engine.state, CScreenDlg::Stopped);
  EXPECT_EQ(engine.duration, 0.0);
  EXPECT_EQ(Graph().CurrentState(), State::Stopped);
  EXPECT_DOUBLE_EQ(Graph().CurrentPosition(), 0.0);
  EXPECT_EQ(Graph().ShownSecond(), 0);
  EXPECT_EQ(PlaybackClock.positionMs, 0);
  EXPECT_EQ(RecordingTrack.loaded, 1);
  EXPECT_EQ(RecordingTrack.gps[0].speedKmh, 45);
  EXPECT_TRUE(engine.IsShowing());
  // The picture fills the video screen (the simulated clip shows one shade per second).
  EXPECT_NE(Screenshot(*player).Pixel(19 + 300, 68 + 175), platform::Rgb(0, 0, 0));

  engine.Play();
  EXPECT_EQ(engine.state, CScreenDlg::Playing);
  EXPECT_DOUBLE_EQ(engine.duration, 60.3);
  EXPECT_EQ(player->seekSlider.GetRangeMin(), 0);
  EXPECT_EQ(player->seekSlider.GetRangeMax(), 60);
  EXPECT_EQ(Graph().CurrentState(), State::Running);
}

TEST_F(EngineTest, PlayWhilePlayingAndPauseWhileStoppedChangeNothing) {
  OpenByClick(clip);
  CScreenDlg& engine = Engine();
  engine.Pause();
  EXPECT_EQ(engine.state, CScreenDlg::Stopped);
  EXPECT_EQ(Graph().CurrentState(), State::Stopped);
  engine.Play();
  Advance(2000);
  engine.duration = 7.0;  // a play that read the stop time again would overwrite this
  engine.Play();
  EXPECT_EQ(engine.duration, 7.0);
  EXPECT_EQ(engine.state, CScreenDlg::Playing);
}

TEST_F(EngineTest, PlayFromPausedReadsNoStopTimeAndLeavesSeekBarAndVolume) {
  OpenByClick(clip);
  CScreenDlg& engine = Engine();
  engine.Play();
  Advance(1000);
  engine.Pause();
  EXPECT_EQ(engine.state, CScreenDlg::Paused);
  engine.duration = 7.0;
  player->seekSlider.SetRange(0, 9);
  player->volumeSlider.SetPos(10);
  long volumeBefore = Graph().Volume();
  engine.Play();
  EXPECT_EQ(engine.duration, 7.0);
  EXPECT_EQ(player->seekSlider.GetRangeMax(), 9);
  EXPECT_EQ(Graph().Volume(), volumeBefore);
  EXPECT_EQ(Graph().CurrentState(), State::Running);
}

TEST_F(EngineTest, StopAndRewindWithAStopPendingOnlyStops) {
  OpenByClick(clip);
  CScreenDlg& engine = Engine();
  engine.Play();
  Advance(5000);
  engine.Pause();
  PlaybackClock.positionMs = 5000;
  PlaybackClock.currentSecond = 5;
  engine.stopPending = 1;
  Graph().Run();
  engine.StopAndRewind();
  EXPECT_EQ(engine.stopPending, 0);
  EXPECT_EQ(engine.state, CScreenDlg::Paused);
  EXPECT_EQ(Graph().CurrentState(), State::Stopped);
  EXPECT_NEAR(Graph().CurrentPosition(), 5.0, 1e-9);
  EXPECT_EQ(PlaybackClock.currentSecond, 5);
}

TEST_F(EngineTest, StopAndRewindGoesBackToTheStart) {
  OpenByClick(clip);
  CScreenDlg& engine = Engine();
  engine.Play();
  Advance(5000);
  player->seekSlider.SetPos(5);
  engine.StopAndRewind();
  EXPECT_EQ(engine.state, CScreenDlg::Stopped);
  EXPECT_EQ(engine.duration, 0.0);
  EXPECT_DOUBLE_EQ(Graph().CurrentPosition(), 0.0);
  EXPECT_EQ(player->seekSlider.GetPos(), 0);
  EXPECT_EQ(Graph().ShownSecond(), 0);
}

TEST_F(EngineTest, VolumeLevelsBecomeHundredthsOfADecibel) {
  OpenByClick(clip);
  const std::pair<int, long> table[] = {{100, 0},    {75, -124},  {50, -301},   {25, -602},
                                        {10, -999}, {1, -2000}, {0, -10000}};
  for (auto [level, expected] : table) {
    EXPECT_EQ(CScreenDlg::VolumeToHundredthsOfDecibel(level), expected) << level;
    Engine().SetVolume(level);
    EXPECT_EQ(Graph().Volume(), expected) << level;
  }
}

TEST_F(EngineTest, TheChosenRateIsReappliedOnEveryPlay) {
  OpenByClick(clip);
  CScreenDlg& engine = Engine();
  Graph().SetRate(1.5);  // until a rate is chosen, play leaves the graph's own
  engine.Play();
  EXPECT_EQ(Graph().Rate(), 1.5);
  engine.SetPlaybackRate(0.5);
  EXPECT_EQ(Graph().Rate(), 0.5);
  engine.Pause();
  Graph().SetRate(1.0);
  engine.Play();
  EXPECT_EQ(Graph().Rate(), 0.5);
}

TEST_F(EngineTest, AnUndecodableClipShowsNoPictureAndIsSkippedAtTheFirstTick) {
  std::string broken = MakeBrokenClip("DCIM/00000/NOR_0002_20261210_083100.avi");
  OpenByClick(broken);
  CScreenDlg& engine = Engine();
  EXPECT_TRUE(engine.HasMediaControl());
  EXPECT_FALSE(Graph().ShownSecond().has_value());
  EXPECT_TRUE(engine.CaptureCurrentFrame().empty());
  engine.Play();
  EXPECT_EQ(engine.duration, 0.0);
  EXPECT_EQ(player->seekSlider.GetRangeMax(), 0);
  player->SetTimer(TIMER_TICK, 250);
  // Only the first tick, not what it posts.
  ASSERT_TRUE(Backend().Loop().FireNext(Now() + 250));
  EXPECT_EQ(engine.state, CScreenDlg::Stopped);
  EXPECT_FALSE(Backend().TimerRuns(*player, TIMER_TICK));
  auto pending = Backend().PendingMessages(*player);
  ASSERT_EQ(pending.size(), 1u);
  EXPECT_EQ(pending[0].id, WM_CLIP_ENDED);
}

TEST_F(EngineTest, TheEndOfTheStreamStopsRewindsAndAnnouncesTheEnd) {
  std::string shortClip = MakeClip("DCIM/00000/NOR_0003_20261210_083200.avi", 3.0);
  OpenByClick(shortClip);
  CScreenDlg& engine = Engine();
  engine.Play();
  player->SetTimer(TIMER_TICK, 100000);  // out of the way: the stream's end comes first
  Advance(2900);
  EXPECT_EQ(engine.state, CScreenDlg::Playing);
  // The end of the stream: the graph posts its notification, the engine handles it.
  ASSERT_TRUE(Backend().Loop().FireNext(Now() + 200));
  auto toEngine = Backend().PendingMessages(engine);
  ASSERT_EQ(toEngine.size(), 1u);
  EXPECT_EQ(toEngine[0].id, WM_GRAPH_NOTIFY);
  ASSERT_TRUE(Backend().Loop().RunOne());
  EXPECT_EQ(engine.state, CScreenDlg::Stopped);
  EXPECT_DOUBLE_EQ(Graph().CurrentPosition(), 0.0);
  EXPECT_EQ(PlaybackClock.positionMs, 0);
  EXPECT_FALSE(Backend().TimerRuns(*player, TIMER_TICK));
  auto toMain = Backend().PendingMessages(*player);
  ASSERT_EQ(toMain.size(), 1u);
  EXPECT_EQ(toMain[0].id, WM_CLIP_ENDED);
  long code = 0;
  EXPECT_FALSE(Graph().GetEvent(code)) << "the end is reported once";
}

TEST_F(EngineTest, TheCapturedFrameIsAPackedBitmapOfTheClipsSize) {
  std::string small = MakeClip("DCIM/00000/NOR_0004_20261210_083300.avi", 10.0, 320, 240);
  OpenByClick(small);
  std::vector<std::uint8_t> dib = Engine().CaptureCurrentFrame();
  ASSERT_EQ(dib.size(), 40u + 320u * 240u * 4u);
  EXPECT_EQ(dib[0], 40);
  EXPECT_EQ(dib[4] | (dib[5] << 8), 320);
  EXPECT_EQ(dib[8] | (dib[9] << 8), 240);
  EXPECT_EQ(dib[14], 32);
}

}  // namespace

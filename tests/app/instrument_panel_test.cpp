#include <gtest/gtest.h>

#include <cstring>

#include "app/app_messages.h"
#include "app/playback_clock.h"
#include "device/device_config.h"
#include "platform/raster/draw.h"
#include "platform/resources.h"
#include "playback/screen_dlg.h"
#include "recordings/recording_data.h"
#include "tests/support/player_fixture.h"

namespace {

constexpr platform::Colour kX = platform::Rgb(255, 51, 0);
constexpr platform::Colour kY = platform::Rgb(0, 204, 255);
constexpr platform::Colour kZ = platform::Rgb(51, 255, 0);

class PanelTest : public PlayerTest {
 protected:
  void Open(double seconds, int kind, const std::vector<GpsLine>& gps, const std::vector<GLine>& g) {
    if (!player) StartPlayer();
    std::string clip = MakeClip("DCIM/00000/NOR_" + std::to_string(++clips) + "_20261210_083000.avi", seconds);
    WriteDataFile(clip, gps, g);
    OpenByClick(clip, kind);
  }
  // Whether any pixel of the column, within the graph's rows, has the colour.
  bool ColumnHas(int x, platform::Colour colour) {
    platform::Bitmap shot = Screenshot(*player);
    for (int y = 30; y < 166; ++y)
      if (shot.Pixel(398 + x, 588 + y) == colour) return true;
    return false;
  }
  int clips = 0;
};

TEST_F(PanelTest, GValuesLieOnTheRowsOfTheScale) {
  Open(60.3, 0, {GpsLine{}}, std::vector<GLine>(240, GLine{1.0, -1.0, 2.0}));
  PlaybackClock.graphHalfSecond = 10;
  player->RedrawWholeGraph();
  RunPending();
  for (int x = 52; x < 72; ++x) {
    EXPECT_EQ(GraphPixel(x, 69), kX) << x;
    EXPECT_EQ(GraphPixel(x, 117), kY) << x;
    EXPECT_EQ(GraphPixel(x, 45), kZ) << x;
  }
}

TEST_F(PanelTest, TheCurveEndsAtTheHalfSecondOnTheClipsTimeScale) {
  for (int kind : {0, 3}) {
    SCOPED_TRACE(kind);
    Open(kind == 3 ? 120.0 : 60.0, kind, {GpsLine{}}, std::vector<GLine>(240, GLine{0.0, 0.5, 1.0}));
    PlaybackClock.graphHalfSecond = 60;
    player->RedrawWholeGraph();
    RunPending();
    int end = kind == 3 ? 112 : 172;
    EXPECT_TRUE(ColumnHas(end - 1, kZ));
    EXPECT_FALSE(ColumnHas(end + 1, kZ));
  }
}

TEST_F(PanelTest, TicksDrawTheCurveUpToThePreviousTickAndWrapAtTheEndOfTheScale) {
  Open(60.3, 0, {GpsLine{}}, std::vector<GLine>(240, GLine{0.0, 0.0, 1.0}));
  Click(player->playButton);
  Advance(5000);  // ticks every 250 ms
  EXPECT_TRUE(ColumnHas(52 + 2 * 8, kZ));
  EXPECT_FALSE(ColumnHas(52 + 2 * 11, kZ));
  // Past the end of the time axis the curve starts again from the left.
  PlaybackClock.graphHalfSecond = 119;
  Engine().SetPosition(60.2);
  player->RunTick();
  EXPECT_EQ(PlaybackClock.graphHalfSecond, 0);
  EXPECT_FALSE(ColumnHas(52 + 2 * 8, kZ));
}

TEST_F(PanelTest, SpeedShowsThreeDigitsInKilometresOrMiles) {
  Open(60.3, 0, {GpsLine{'A', "1", "2", 57, 0}, GpsLine{'A', "1", "2", 0, 0}, GpsLine{'A', "1", "2", 1234, 0}}, {});
  struct Case {
    int second;
    bool miles;
    const char* shown;
  };
  for (Case c : {Case{0, false, "057"}, Case{0, true, "035"}, Case{1, false, "000"}, Case{2, false, "034"}}) {
    player->mileMode = c.miles ? 1 : 0;
    PlaybackClock.currentSecond = c.second;
    player->DrawSpeed();
    RunPending();
    EXPECT_EQ(SpeedOnScreen(), c.shown) << c.second << (c.miles ? " mph" : " km/h");
  }
}

TEST_F(PanelTest, TheCompassShowsTheHeadingAndKeepsItForASectorOutOfRange) {
  // Course 100 is east (sector 2); a negative course gives a sector beyond 7.
  Open(60.3, 0, {GpsLine{'A', "1", "2", 10, 100}, GpsLine{'A', "1", "2", 10, -100}}, {});
  PlaybackClock.currentSecond = 0;
  player->DrawCompass();
  RunPending();
  EXPECT_TRUE(CompassShows(2));
  ASSERT_GT(RecordingTrack.gps[1].headingSector, 7);
  PlaybackClock.currentSecond = 1;
  player->DrawCompass();
  RunPending();
  EXPECT_TRUE(CompassShows(2));
}

TEST_F(PanelTest, TheCaptionNamesTheDriverAndTheVehicle) {
  auto setText = [](std::uint8_t (&field)[30], const char* text) {
    std::memset(field, 0, sizeof field);
    for (int i = 0; text[i] != 0 && i < 15; ++i) field[2 * i] = static_cast<std::uint8_t>(text[i]);
  };
  StartPlayer();
  const struct {
    const char* driver;
    const char* vehicle;
    const char* caption;
  } table[] = {{"KIM", "12A3456", "KIM [ 12A3456 ]"}, {"", "12A3456", "[ 12A3456 ]"}, {"KIM", "", "KIM"}, {"", "", ""}};
  for (auto row : table) {
    SCOPED_TRACE(row.caption);
    setText(deviceConfig.driverName, row.driver);
    setText(deviceConfig.vehicleNumber, row.vehicle);
    player->Invalidate(true);
    RunPending();
    // What the caption should look like: the skin with the text drawn on it.
    platform::Bitmap expected = platform::LoadBitmapResource(131);
    platform::raster::Text(expected, 30, 435, row.caption, {"Times New Roman", 20}, platform::Rgb(255, 255, 255));
    platform::Bitmap shot = Screenshot(*player);
    for (int y = 430; y < 470; ++y)
      for (int x = 20; x < 380; ++x) ASSERT_EQ(shot.Pixel(x, y), expected.Pixel(x, y)) << x << "," << y;
  }
}

}  // namespace

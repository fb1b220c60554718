#include "controls/bitmap_slider.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/app_messages.h"
#include "platform/resources.h"
#include "tests/support/headless_fixture.h"

namespace {

// A parent that keeps the messages its slider posts.
class SliderHost : public platform::Window {
 public:
  struct Posted {
    platform::MessageId id;
    platform::WParam control;
    platform::LParam position;
    bool operator==(const Posted&) const = default;
  };
  std::vector<Posted> posted;

 protected:
  platform::LParam OnMessage(platform::MessageId id, platform::WParam w, platform::LParam l) override {
    posted.push_back({id, w, l});
    return 0;
  }
};

class BitmapSliderTest : public HeadlessTest {
 protected:
  // The seek bar (296 x 14) or the volume/speed slider (108 x 14) of the main window.
  void Make(bool seek, int minimum, int maximum, int position = 0) {
    host.CreateTopLevel(nullptr, {0, 0, 400, 100}, true);
    slider.CreateChild(host, {20, 30, 10, 10}, 1020, true);
    ASSERT_TRUE(seek ? slider.LoadChannelBitmaps(200, 199) : slider.LoadChannelBitmaps(198, 196));
    ASSERT_TRUE(slider.LoadThumbBitmaps());
    slider.SetRange(minimum, maximum);
    slider.SetPos(position);
    RunPending();
    host.posted.clear();
  }
  std::vector<SliderHost::Posted> Posted() {
    RunPending();
    return host.posted;
  }
  static SliderHost::Posted Dragging(int position) { return {WM_SLIDER_DRAGGING, 1020, position}; }
  static SliderHost::Posted Released(int position) { return {WM_SLIDER_RELEASED, 1020, position}; }

  SliderHost host;
  CBitmapSlider slider;
};

TEST_F(BitmapSliderTest, TakesItsSizeFromTheChannelBitmap) {
  Make(true, 0, 60);
  EXPECT_EQ(slider.Bounds(), (platform::Rect{20, 30, 296, 14}));
}

TEST_F(BitmapSliderTest, PositionsAndPixelsMapBothWays) {
  struct Case {
    bool seek;
    int maximum;
    std::vector<std::pair<int, int>> positionToPixel;
    std::vector<std::pair<int, int>> pixelToPosition;
  };
  const Case cases[] = {
      {true, 60, {{0, 13}, {1, 17}, {2, 22}, {30, 148}, {59, 278}, {60, 283}},
       {{13, 0}, {17, 0}, {20, 1}, {148, 30}, {282, 59}, {283, 60}}},
      {true, 120, {{30, 80}}, {{148, 60}}},
      {false, 2, {{0, 13}, {1, 54}, {2, 95}}, {{53, 0}, {54, 1}}},
  };
  for (const Case& c : cases) {
    Make(c.seek, 0, c.maximum);
    for (auto [position, x] : c.positionToPixel) EXPECT_EQ(slider.PositionToPixel(position), x) << position;
    for (auto [x, position] : c.pixelToPosition) EXPECT_EQ(slider.PixelToPosition(x), position) << x;
    slider.Destroy();
    host.Destroy();
  }
}

TEST_F(BitmapSliderTest, AnEmptyRangeKeepsTheThumbAtTheLeftEnd) {
  Make(true, 0, 0);
  EXPECT_EQ(slider.PositionToPixel(0), 13);
  Click(slider, Point{200, 5});  // must not divide by zero
  EXPECT_EQ(slider.GetPos(), 0);
}

TEST_F(BitmapSliderTest, PressOnTheThumbWithoutMotionPostsOnlyTheRelease) {
  Make(true, 0, 60, 30);
  Press(slider, Point{148 + 10, 5});  // on the thumb, off its centre
  Release(slider, Point{148 + 10, 5});
  EXPECT_EQ(Posted(), (std::vector{Released(30)}));
  EXPECT_EQ(slider.GetPos(), 30);
}

TEST_F(BitmapSliderTest, PressAwayFromTheThumbJumpsThereThenReleases) {
  Make(true, 0, 60, 0);
  Press(slider, Point{148, 5});
  EXPECT_TRUE(slider.IsDragging());
  EXPECT_EQ(Capture(), &slider);
  Release(slider, Point{148, 5});
  EXPECT_EQ(Posted(), (std::vector{Dragging(30), Released(30)}));
  EXPECT_FALSE(slider.IsDragging());
}

TEST_F(BitmapSliderTest, DraggingKeepsTheGripAndStopsAtTheEnds) {
  Make(true, 0, 60, 30);
  // Grip 5 pixels right of the thumb centre: the centre stays 5 pixels left of the pointer.
  Press(slider, Point{153, 5});
  MoveMouseTo(slider, Point{158, 5});
  EXPECT_EQ(slider.GetPos(), slider.PixelToPosition(153));
  MoveMouseTo(slider, Point{1000, 40});  // far right, and below: vertical motion is ignored
  EXPECT_EQ(slider.GetPos(), 60);
  MoveMouseTo(slider, Point{-500, 5});
  EXPECT_EQ(slider.GetPos(), 0);
  Release(slider, Point{-500, 5});
  auto posted = Posted();
  ASSERT_FALSE(posted.empty());
  EXPECT_EQ(posted.back(), Released(0));
  for (std::size_t i = 0; i + 1 < posted.size(); ++i) EXPECT_EQ(posted[i].id, WM_SLIDER_DRAGGING);
}

TEST_F(BitmapSliderTest, KeysStepThePositionAndAlwaysPostTheRelease) {
  Make(false, 0, 100, 50);
  slider.SetPageSize(10);
  slider.SetFocus();
  struct Case {
    platform::Key key;
    int expected;
  };
  for (Case c : {Case{platform::Key::Right, 51}, Case{platform::Key::Down, 52}, Case{platform::Key::Left, 51},
                 Case{platform::Key::Up, 50}, Case{platform::Key::PageDown, 60}, Case{platform::Key::PageUp, 50},
                 Case{platform::Key::End, 100}, Case{platform::Key::End, 100}, Case{platform::Key::Home, 0},
                 Case{platform::Key::Left, 0}}) {
    host.posted.clear();
    PressKey(c.key);
    EXPECT_EQ(slider.GetPos(), c.expected);
    EXPECT_EQ(Posted(), (std::vector{Released(c.expected)}));
  }
  host.posted.clear();
  PressKey(platform::Key::Tab);
  EXPECT_TRUE(Posted().empty());
}

TEST_F(BitmapSliderTest, SetPosClampsAndPostsNothing) {
  Make(true, 0, 60);
  slider.SetPos(75);
  EXPECT_EQ(slider.GetPos(), 60);
  slider.SetPos(-4);
  EXPECT_EQ(slider.GetPos(), 0);
  slider.SetRange(10, 5);  // minimum above maximum: the minimum wins
  slider.SetPos(7);
  EXPECT_EQ(slider.GetPos(), 10);
  EXPECT_TRUE(Posted().empty());
}

TEST_F(BitmapSliderTest, PaintsFilledChannelThumbAndChannel) {
  Make(true, 0, 60, 30);
  const platform::Bitmap& filled = platform::LoadBitmapResource(199);
  const platform::Bitmap& channel = platform::LoadBitmapResource(200);
  const platform::Bitmap& thumb = platform::LoadBitmapResource(202);
  platform::Bitmap shot = Screenshot(host);
  auto screen = [&](int x, int y) { return shot.Pixel(20 + x, 30 + y); };
  EXPECT_EQ(screen(5, 7), filled.Pixel(5, 7));
  EXPECT_EQ(screen(290, 7), channel.Pixel(290, 7));
  // Under the thumb: its own pixels, except where it is transparent, and the two rows below it.
  platform::Colour transparent = thumb.Pixel(0, 0);
  int left = 148 - 13;
  for (int y = 0; y < 14; ++y) {
    for (int x = 0; x < 26; ++x) {
      platform::Colour under = left + x < 148 ? filled.Pixel(left + x, y) : channel.Pixel(left + x, y);
      bool thumbShows = y < thumb.Height() && thumb.Pixel(x, y) != transparent;
      EXPECT_EQ(screen(left + x, y), thumbShows ? thumb.Pixel(x, y) : under) << x << "," << y;
    }
  }
}

TEST_F(BitmapSliderTest, ShowsThePressedThumbWhileDragging) {
  Make(true, 0, 60, 30);
  const platform::Bitmap& pressed = platform::LoadBitmapResource(197);
  const platform::Bitmap& normal = platform::LoadBitmapResource(202);
  // A pixel where the two thumbs differ and neither is transparent.
  int px = -1, py = -1;
  for (int y = 0; y < 12 && px < 0; ++y)
    for (int x = 0; x < 26 && px < 0; ++x)
      if (pressed.Pixel(x, y) != normal.Pixel(x, y) && pressed.Pixel(x, y) != pressed.Pixel(0, 0) &&
          normal.Pixel(x, y) != normal.Pixel(0, 0)) {
        px = x;
        py = y;
      }
  ASSERT_GE(px, 0) << "the pressed thumb looks like the normal one";
  Press(slider, Point{148, 5});
  EXPECT_EQ(Screenshot(host).Pixel(20 + 135 + px, 30 + py), pressed.Pixel(px, py));
  Release(slider, Point{148, 5});
  EXPECT_EQ(Screenshot(host).Pixel(20 + 135 + px, 30 + py), normal.Pixel(px, py));
}

}  // namespace

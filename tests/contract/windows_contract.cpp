// Windows on the screen: top-level and child windows at pixel positions, what
// the screen shows of their backing bitmaps, show and hide, move and size, and
// erase and paint on invalidation.

#include "tests/contract/contract_test.h"

namespace {

using platform::Rgb;

constexpr platform::Colour kParent = Rgb(200, 30, 30);
constexpr platform::Colour kChild = Rgb(30, 30, 200);
constexpr platform::Colour kSibling = Rgb(30, 200, 30);
constexpr platform::Colour kInk = Rgb(250, 250, 20);

class WindowsContract : public ContractTest {
 protected:
  void SetUp() override {
    ContractTest::SetUp();
    top.background = kParent;
    child.background = kChild;
    ASSERT_TRUE(top.CreateTopLevel(nullptr, {120, 90, 200, 150}));
    ASSERT_TRUE(child.CreateChild(top, {20, 30, 50, 40}, 11, true));
  }

  std::shared_ptr<EventLog> log = std::make_shared<EventLog>();
  RecordingWindow top{"top", log};
  RecordingWindow child{"child", log};
};

TEST_F(WindowsContract, ChildWindowsShowOverTheirParentAtTheirPixelPositions) {
  EXPECT_EQ(top.ScreenOrigin(), (Point{120, 90}));
  EXPECT_EQ(child.ScreenOrigin(), (Point{140, 120}));
  RecordingWindow sibling{"sibling", log};
  sibling.background = kSibling;
  ASSERT_TRUE(sibling.CreateChild(top, {60, 50, 40, 40}, 12, true));  // over the child's corner
  ShowAndWait(top);
  ASSERT_TRUE(WaitShows(child, {0, 0}, kChild));
  ASSERT_TRUE(WaitShows(sibling, {39, 39}, kSibling));
  struct Case {
    Point at;
    platform::Colour colour;
  } cases[] = {
      {{19, 30}, kParent}, {{20, 29}, kParent}, {{20, 30}, kChild},   {{59, 69}, kChild},
      {{60, 69}, kSibling}, {{69, 50}, kSibling}, {{70, 30}, kParent}, {{20, 70}, kParent},
      {{99, 89}, kSibling}, {{100, 89}, kParent},
  };
  platform::Bitmap screen = D().ScreenPixels(top);
  for (const Case& c : cases)
    EXPECT_EQ(screen.Pixel(c.at.x, c.at.y), c.colour) << "at " << c.at.x << "," << c.at.y;
}

TEST_F(WindowsContract, AHiddenChildShowsItsParentUnderneath) {
  ShowAndWait(top);
  ASSERT_TRUE(WaitShows(child, {5, 5}, kChild));
  child.Show(false);
  EXPECT_TRUE(WaitShows(top, {25, 35}, kParent));
  child.Show(true);
  EXPECT_TRUE(WaitShows(top, {25, 35}, kChild));
}

TEST_F(WindowsContract, MovingAndSizingTakeEffectOnTheScreen) {
  ShowAndWait(top);
  ASSERT_TRUE(WaitShows(child, {5, 5}, kChild));
  std::size_t before = log->size();
  child.Move({100, 10, 80, 60});
  EXPECT_EQ(child.ClientSize(), (platform::Size{80, 60}));
  EXPECT_TRUE(WaitShows(top, {179, 69}, kChild));
  EXPECT_TRUE(WaitShows(top, {25, 35}, kParent));
  // The grown window was erased and painted again.
  EXPECT_TRUE(WaitFor([&] { return IndexOf(*log, "child paint") >= 0 && child.Count("paint") >= 2; }));
  EXPECT_NE(std::find(log->begin() + static_cast<long>(before), log->end(), "child erase"), log->end());

  top.Move({300, 200, 200, 150});
  EXPECT_EQ(child.ScreenOrigin(), (Point{400, 210}));
  // The moved window takes the pointer at its new place.
  top.logMoves = false;
  D().Press(On(top, {10, 120}));
  D().Release(On(top, {10, 120}));
  EXPECT_TRUE(WaitFor([&] { return top.Count("up") == 1; }));
  EXPECT_EQ(top.Entries("down"), (std::vector<std::string>{"top down 10,120"}));
}

TEST_F(WindowsContract, InvalidatingErasesWhenAskedAndPaints) {
  ShowAndWait(top);
  ASSERT_TRUE(WaitFor([&] { return child.Count("paint") >= 1; }));
  log->clear();
  child.Invalidate(true);
  ASSERT_TRUE(WaitFor([&] { return child.Count("paint") == 1; }));
  EXPECT_EQ(child.Entries(), (std::vector<std::string>{"child erase", "child paint"}));
  log->clear();
  child.Invalidate(false);
  ASSERT_TRUE(WaitFor([&] { return child.Count("paint") == 1; }));
  EXPECT_EQ(child.Entries(), (std::vector<std::string>{"child paint"}));

  // What the paint handler draws is what the screen shows.
  child.paint = [](platform::DrawContext& dc) { dc.FillRect({10, 10, 5, 5}, kInk); };
  child.Invalidate(false);
  EXPECT_TRUE(WaitShows(child, {12, 12}, kInk));
}

TEST_F(WindowsContract, DrawingOutsideAPaintShowsAndStaysUntilRepainted) {
  ShowAndWait(top);
  ASSERT_TRUE(WaitShows(child, {5, 5}, kChild));
  {
    platform::DrawContext dc = child.GetDC();
    dc.FillRect({0, 0, 10, 10}, kInk);
  }
  EXPECT_TRUE(WaitShows(child, {5, 5}, kInk));
  EXPECT_TRUE(Shows(child, {15, 15}, kChild));
  D().RunFor(200);
  EXPECT_TRUE(Shows(child, {5, 5}, kInk));
  child.Invalidate(true);
  EXPECT_TRUE(WaitShows(child, {5, 5}, kChild));
}

}  // namespace

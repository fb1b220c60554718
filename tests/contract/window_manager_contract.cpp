// What the window manager does for an undecorated window: dragging it by the
// part of its own surface that answers the hit test as caption, and minimising.

#include "tests/contract/contract_test.h"

namespace {

class WindowManagerContract : public ContractTest {
 protected:
  void SetUp() override {
    ContractTest::SetUp();
    top.hitTest = platform::HitTest::Caption;
    top.background = platform::Rgb(60, 80, 100);
    button.background = platform::Rgb(200, 200, 200);
    ASSERT_TRUE(top.CreateTopLevel(nullptr, {200, 150, 220, 140}));
    ASSERT_TRUE(button.CreateChild(top, {20, 20, 60, 30}, 1000, true));
    ShowAndWait(top);
    ASSERT_TRUE(WaitShows(button, {1, 1}, button.background));
  }
  void DragBy(Point from, Point by) {
    D().Press(from);
    for (int step = 1; step <= 4; ++step) D().MoveMouse({from.x + by.x * step / 4, from.y + by.y * step / 4});
    D().Release({from.x + by.x, from.y + by.y});
  }

  std::shared_ptr<EventLog> log = std::make_shared<EventLog>();
  RecordingWindow top{"top", log};
  RecordingWindow button{"button", log};
};

TEST_F(WindowManagerContract, DraggingTheCaptionAreaMovesTheWindow) {
  DragBy(On(top, {150, 100}), {40, 25});
  EXPECT_TRUE(WaitFor([&] { return top.Bounds() == Rect{240, 175, 220, 140}; }))
      << "at " << top.Bounds().x << "," << top.Bounds().y;
  EXPECT_EQ(top.Count("down"), 0);
  EXPECT_EQ(button.ScreenOrigin(), (Point{260, 195}));
  // The window is where it says: the pointer finds the button at its new place.
  D().Press(On(button, {5, 5}));
  D().Release(On(button, {5, 5}));
  EXPECT_TRUE(WaitFor([&] { return button.Count("up") == 1; }));
}

TEST_F(WindowManagerContract, DraggingFromAChildButtonDoesNotMoveTheWindow) {
  button.onDown = [&](Point) { button.SetCapture(); };
  button.onUp = [&](Point) { button.ReleaseCapture(); };
  DragBy(On(button, {10, 10}), {40, 25});
  ASSERT_TRUE(WaitFor([&] { return button.Count("up") == 1; }));
  D().RunFor(200);
  EXPECT_EQ(top.Bounds(), (Rect{200, 150, 220, 140}));
  EXPECT_EQ(Only(*log, {"down", "up"}), (std::vector<std::string>{"button down 10,10", "button up 50,35"}));
}

TEST_F(WindowManagerContract, MinimisingIsReportedOnce) {
  top.Minimize();
  ASSERT_TRUE(WaitFor([&] { return top.IsMinimized(); }));
  D().RunFor(200);
  EXPECT_EQ(top.Entries("minimized"), (std::vector<std::string>{"top minimized"}));
}

}  // namespace

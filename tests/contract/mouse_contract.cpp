// The pointer: presses, releases, moves and double clicks reach the window under
// the pointer in its client coordinates; hover and leave reports; capture.

#include "tests/contract/contract_test.h"

namespace {

class MouseContract : public ContractTest {
 protected:
  void SetUp() override {
    ContractTest::SetUp();
    top.background = platform::Rgb(90, 20, 20);
    child.background = platform::Rgb(20, 20, 90);
    ASSERT_TRUE(top.CreateTopLevel(nullptr, {150, 120, 240, 160}));
    ASSERT_TRUE(child.CreateChild(top, {40, 30, 80, 60}, 21, true));
    ShowAndWait(top);
    ASSERT_TRUE(WaitShows(child, {1, 1}, child.background));
  }
  std::vector<std::string> Buttons() { return Only(*log, {"down", "up", "dblclk"}); }

  std::shared_ptr<EventLog> log = std::make_shared<EventLog>();
  RecordingWindow top{"top", log};
  RecordingWindow child{"child", log};
};

TEST_F(MouseContract, PressReleaseAndMoveReachTheWindowUnderThePointer) {
  D().MoveMouse(On(child, {10, 12}));
  EXPECT_TRUE(WaitFor([&] { return IndexOf(*log, "child move 10,12") >= 0; }));
  D().Press(On(child, {15, 20}));
  D().Release(On(child, {15, 20}));
  D().Press(On(top, {200, 100}));
  D().Release(On(top, {200, 100}));
  ASSERT_TRUE(WaitFor([&] { return top.Count("up") == 1; }));
  EXPECT_EQ(Buttons(), (std::vector<std::string>{"child down 15,20", "child up 15,20", "top down 200,100",
                                                 "top up 200,100"}));
  D().MoveMouse(On(top, {5, 150}));
  EXPECT_TRUE(WaitFor([&] { return IndexOf(*log, "top move 5,150") >= 0; }));
}

TEST_F(MouseContract, ADoubleClickArrivesAsDownUpDoubleClickUp) {
  D().DoubleClick(On(child, {30, 40}));
  ASSERT_TRUE(WaitFor([&] { return child.Count("up") == 2; }));
  EXPECT_EQ(Buttons(), (std::vector<std::string>{"child down 30,40", "child up 30,40", "child dblclk 30,40",
                                                 "child up 30,40"}));
}

TEST_F(MouseContract, HoverIsReportedOnceAndLeavingOnce) {
  child.onMove = [&](Point) { child.TrackMouseHover(100); };
  D().MoveMouse(On(child, {20, 25}));
  ASSERT_TRUE(WaitFor([&] { return child.Count("hover") == 1; }));
  EXPECT_EQ(child.Entries("hover"), (std::vector<std::string>{"child hover 20,25"}));
  D().RunFor(400);
  EXPECT_EQ(child.Count("hover"), 1);
  EXPECT_EQ(child.Count("leave"), 0);

  D().MoveMouse(On(top, {200, 20}));
  ASSERT_TRUE(WaitFor([&] { return child.Count("leave") == 1; }));
  D().MoveMouse({top.Bounds().x - 30, top.Bounds().y - 30});  // off all of the program's windows
  ASSERT_TRUE(WaitFor([&] { return top.Count("leave") >= 1; }));
  D().RunFor(300);
  EXPECT_EQ(child.Count("leave"), 1);
  EXPECT_EQ(child.Count("hover"), 1);
  EXPECT_EQ(top.Count("leave"), 1);
}

TEST_F(MouseContract, ACapturingWindowGetsThePointerWhereverItGoes) {
  child.onDown = [&](Point) { child.SetCapture(); };
  child.onUp = [&](Point) { child.ReleaseCapture(); };
  D().Press(On(child, {10, 10}));
  ASSERT_TRUE(WaitFor([&] { return child.Count("down") == 1; }));
  EXPECT_TRUE(child.HasCapture());
  D().MoveMouse(On(top, {200, 100}));
  EXPECT_TRUE(WaitFor([&] { return IndexOf(*log, "child move 160,70") >= 0; }));
  Point outside{top.Bounds().x - 50, top.Bounds().y - 20};
  D().MoveMouse(outside);
  EXPECT_TRUE(WaitFor([&] { return IndexOf(*log, "child move -90,-50") >= 0; }));
  D().Release(outside);
  ASSERT_TRUE(WaitFor([&] { return child.Count("up") == 1; }));
  EXPECT_EQ(child.Entries("up"), (std::vector<std::string>{"child up -90,-50"}));
  EXPECT_FALSE(child.HasCapture());
  EXPECT_EQ(top.Count("move"), 0);

  D().MoveMouse(On(top, {210, 110}));
  EXPECT_TRUE(WaitFor([&] { return top.Count("move") >= 1; }));
}

}  // namespace

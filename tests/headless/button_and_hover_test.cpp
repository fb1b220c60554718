// The push button's press, capture and click, and the hover and leave reports
// of the pointer.

#include <gtest/gtest.h>

#include "platform/button.h"
#include "tests/support/headless_fixture.h"
#include "tests/support/recording_window.h"

using platform::Colour;
using platform::Rgb;

namespace {

constexpr Colour kUp = Rgb(0, 120, 0);
constexpr Colour kDown = Rgb(200, 0, 0);

class FlatButton : public platform::Button {
 public:
  ~FlatButton() override { Destroy(); }

 protected:
  void DrawItem(platform::DrawContext& dc, const ItemState& state) override {
    dc.FillRect(ClientRect(), state.selected ? kDown : kUp);
  }
};

class ButtonTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    parent.logMoves = false;
    ASSERT_TRUE(parent.CreateTopLevel(nullptr, {50, 50, 300, 200}, true));
    ASSERT_TRUE(button.CreateChild(parent, {100, 80, 60, 30}, 1017, true));
    RunPending();
  }
  int Commands() { return parent.Count("command 1017"); }
  Colour Look() { return ScreenPixel(button, {30, 15}); }

  RecordingWindow parent{"parent"};
  FlatButton button;
};

TEST_F(ButtonTest, PushedWhilePressedAndOverItClickedOnlyWhenReleasedOverIt) {
  struct Case {
    const char* name;
    std::vector<Point> path;  // client points of the button the pointer moves through while held
    bool clicked;
  } cases[] = {
      {"released where pressed", {}, true},
      {"moved off and back", {{-20, 15}, {30, 15}}, true},
      {"released off it", {{30, 15}, {70, 15}}, false},
      {"released outside the window", {{400, 400}}, false},
  };
  for (const Case& c : cases) {
    int before = Commands();
    Press(button, Point{10, 10});
    EXPECT_TRUE(button.IsPushed()) << c.name;
    EXPECT_TRUE(button.HasCapture()) << c.name;
    EXPECT_TRUE(button.HasFocus()) << c.name;
    EXPECT_EQ(Look(), kDown) << c.name;
    for (Point p : c.path) {
      MoveMouseTo(button, p);
      bool over = button.ClientRect().Contains(p);
      EXPECT_EQ(button.IsPushed(), over) << c.name;
      EXPECT_EQ(Look(), over ? kDown : kUp) << c.name;
    }
    Point end = c.path.empty() ? Point{10, 10} : c.path.back();
    Release(button, end);
    EXPECT_FALSE(button.IsPushed()) << c.name;
    EXPECT_FALSE(button.HasCapture()) << c.name;
    EXPECT_EQ(Look(), kUp) << c.name;
    EXPECT_EQ(Commands() - before, c.clicked ? 1 : 0) << c.name;
    EXPECT_EQ(parent.Count("down") + parent.Count("up"), 0) << c.name << ": the parent saw the pointer";
  }
}

TEST_F(ButtonTest, DoubleClickClicksTwiceSpaceClicksAndADisabledButtonNever) {
  DoubleClick(button);
  EXPECT_EQ(Commands(), 2);
  Backend().PressKey(parent, platform::Key::Space);  // the button has the focus from the clicks
  EXPECT_EQ(Commands(), 3);
  button.Enable(false);
  Click(button);
  EXPECT_EQ(Commands(), 3);
  EXPECT_FALSE(button.IsPushed());
}

TEST_F(ButtonTest, LosingTheFocusWhilePressedLetsGo) {
  RecordingWindow other("other");
  ASSERT_TRUE(other.CreateChild(parent, {0, 0, 20, 20}, 1, true));
  Press(button);
  other.SetFocus();
  EXPECT_FALSE(button.IsPushed());
  EXPECT_FALSE(button.HasCapture());
  Release(button);
  EXPECT_EQ(Commands(), 0);
}

class HoverTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    for (RecordingWindow* w : {&top, &target}) w->logMoves = false;
    ASSERT_TRUE(top.CreateTopLevel(nullptr, {0, 0, 300, 200}, true));
    ASSERT_TRUE(target.CreateChild(top, {100, 50, 80, 40}, 1, true));
  }

  std::shared_ptr<EventLog> log = std::make_shared<EventLog>();
  RecordingWindow top{"top", log};
  RecordingWindow target{"target", log};
};

TEST_F(HoverTest, ARestingPointerIsReportedOnceAfterTheHoverTimeAndLeavingOnce) {
  // As the bitmap button does: ask on every move.
  target.onMove = [&](Point) { target.TrackMouseHover(250); };
  MoveMouseTo(target, Point{5, 6});
  Advance(200);
  MoveMouseTo(target, Point{7, 8});  // a move starts the wait again
  Advance(249);
  EXPECT_EQ(target.Count("hover"), 0);
  Advance(1);
  EXPECT_EQ(target.Entries("hover"), (std::vector<std::string>{"target hover 7,8"}));
  Advance(2000);
  EXPECT_EQ(target.Count("hover"), 1);

  MoveMouseTo(top, Point{10, 10});
  MoveMouseTo(top, Point{20, 10});
  Backend().MoveMouse({500, 500});
  Advance(1000);
  EXPECT_EQ(Only(*log, {"hover", "leave"}),
            (std::vector<std::string>{"target hover 7,8", "target leave", "top leave"}));
}

TEST_F(HoverTest, LeavingEndsTheRequestAndARequestWhileOverTheWindowWaitsFromThen) {
  bool asked = false;
  target.onMove = [&](Point) {
    if (asked) return;
    asked = true;
    target.TrackMouseHover(100);
  };
  MoveMouseTo(target);
  MoveMouseTo(top, Point{10, 10});
  MoveMouseTo(target);
  Advance(1000);
  EXPECT_EQ(target.Count("hover"), 0);

  // Asked while the pointer rests over it: no further move is needed.
  target.TrackMouseHover(100);
  Advance(100);
  EXPECT_EQ(target.Count("hover"), 1);
  EXPECT_FALSE(Backend().TimerRuns(target, std::numeric_limits<int>::min()));
}

}  // namespace

// The simulated desktop: stacking order, what lies under a point, what the
// screen shows, message boxes, minimising, and windows that outlive the backend.

#include <gtest/gtest.h>

#include "platform/message_box.h"
#include "tests/support/headless_fixture.h"
#include "tests/support/recording_window.h"

using platform::Rgb;

namespace {

class DesktopTest : public HeadlessTest {
 protected:
  std::shared_ptr<EventLog> log = std::make_shared<EventLog>();
  RecordingWindow a{"a", log};
  RecordingWindow b{"b", log};
  RecordingWindow popup{"popup", log};
};

TEST_F(DesktopTest, TheLastShownIsOnTopAndOwnedWindowsStayAboveTheirOwner) {
  ASSERT_TRUE(a.CreateTopLevel(nullptr, {0, 0, 100, 100}, true));
  ASSERT_TRUE(popup.CreateTopLevel(&a, {20, 20, 40, 40}, true));
  ASSERT_TRUE(b.CreateTopLevel(nullptr, {10, 10, 100, 100}, true));
  EXPECT_EQ(Backend().TopLevels(), (std::vector<Window*>{&a, &popup, &b}));
  EXPECT_EQ(Backend().WindowAt({30, 30}), &b);
  a.Show(true);
  EXPECT_EQ(Backend().TopLevels(), (std::vector<Window*>{&b, &a, &popup}));
  EXPECT_EQ(Backend().WindowAt({30, 30}), &popup);
  EXPECT_EQ(Backend().WindowAt({5, 5}), &a);
  EXPECT_EQ(TopWindow(), &popup);
  // Keys go to the top window.
  PressKey(platform::Key::Home);
  EXPECT_EQ(Only(*log, {" key "}), (std::vector<std::string>{"popup key Home"}));
}

TEST_F(DesktopTest, ThePointFindsTheTopmostVisibleEnabledWindow) {
  ASSERT_TRUE(a.CreateTopLevel(nullptr, {0, 0, 200, 200}, true));
  ASSERT_TRUE(b.CreateTopLevel(nullptr, {100, 0, 200, 200}, true));
  RecordingWindow panel("panel", log), inner("inner", log), hidden("hidden", log), off("off", log);
  ASSERT_TRUE(panel.CreateChild(b, {0, 0, 50, 50}, 1, true));
  ASSERT_TRUE(inner.CreateChild(panel, {40, 40, 30, 30}, 2, true));  // reaches out of the panel
  ASSERT_TRUE(hidden.CreateChild(b, {60, 0, 40, 40}, 3, false));
  ASSERT_TRUE(off.CreateChild(b, {110, 0, 40, 40}, 4, true));
  off.Enable(false);
  struct Case {
    Point screen;
    Window* expected;
  } cases[] = {
      {{50, 50}, &a},           {{105, 5}, &panel}, {{145, 45}, &inner}, {{155, 55}, &b},
      {{165, 5}, &b},           {{215, 5}, &b},     {{350, 5}, nullptr},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Backend().WindowAt(c.screen), c.expected) << c.screen.x << "," << c.screen.y;
  b.Minimize();
  RunPending();
  EXPECT_EQ(Backend().WindowAt({250, 50}), nullptr);
  EXPECT_EQ(Backend().WindowAt({105, 5}), &a);
  EXPECT_FALSE(Backend().IsOnScreen(panel));
}

TEST_F(DesktopTest, TheScreenShowsWhatWasPresentedClippedToEachParent) {
  a.background = Rgb(10, 10, 10);
  ASSERT_TRUE(a.CreateTopLevel(nullptr, {30, 40, 100, 80}, true));
  RecordingWindow panel("panel", log), inner("inner", log);
  panel.background = Rgb(0, 0, 200);
  inner.background = Rgb(0, 200, 0);
  ASSERT_TRUE(panel.CreateChild(a, {10, 10, 40, 40}, 1, true));
  ASSERT_TRUE(inner.CreateChild(panel, {30, 30, 30, 30}, 2, true));
  RunPending();
  platform::Bitmap shot = Screenshot(a);
  EXPECT_EQ(shot.Pixel(45, 45), inner.background);
  EXPECT_EQ(shot.Pixel(49, 49), inner.background);
  EXPECT_EQ(shot.Pixel(50, 50), a.background);  // the inner window's rest lies outside the panel
  EXPECT_EQ(shot.Pixel(15, 15), panel.background);
  EXPECT_EQ(ScreenPixel(panel, {5, 5}), panel.background);
  EXPECT_EQ(Backend().ScreenPixel({29, 39}), 0u);  // the desktop

  // Pixels changed behind the device context's back do not reach the screen
  // until the window is exposed again.
  {
    platform::DrawContext dc = panel.GetDC();
    dc.Target().FillRect({0, 0, 5, 5}, Rgb(255, 255, 255));
  }
  EXPECT_EQ(ScreenPixel(panel, {1, 1}), panel.background);
  panel.Show(false);
  panel.Show(true);
  EXPECT_EQ(ScreenPixel(panel, {1, 1}), Rgb(255, 255, 255));
}

TEST_F(DesktopTest, MessageBoxesAreRecordedAndTheirOwnerTakesNoInputWhileOpen) {
  ASSERT_TRUE(a.CreateTopLevel(nullptr, {0, 0, 100, 100}, true));
  ASSERT_TRUE(b.CreateChild(a, {10, 10, 20, 20}, 5, true));
  std::vector<std::string> seen;
  Backend().SetMessageBoxHook([&](const platform::headless::MessageBoxRecord& box) {
    seen.push_back(box.text);
    Click(a, Point{80, 80});
    Click(b);
  });
  platform::MessageBox(&b, "FILE ERROR");
  platform::MessageBox(nullptr, "PLEAE INSET");
  EXPECT_EQ(seen, (std::vector<std::string>{"FILE ERROR", "PLEAE INSET"}));
  ASSERT_EQ(Backend().MessageBoxes().size(), 2u);
  EXPECT_EQ(Backend().MessageBoxes()[0].owner, b.Handle());
  EXPECT_EQ(Backend().MessageBoxes()[1].owner, 0u);
  EXPECT_EQ(Backend().MessageBoxes()[0].title, "ZelvikPlayer");
  // Only the clicks made while the ownerless box was open arrived.
  EXPECT_EQ(Only(*log, {" down "}), (std::vector<std::string>{"a down 80,80", "b down 10,10"}));
}

TEST_F(DesktopTest, MinimisingIsReportedByTheLoopAndRestoringRepaints) {
  ASSERT_TRUE(a.CreateTopLevel(nullptr, {0, 0, 100, 100}, true));
  RunPending();
  log->clear();
  a.Minimize();
  EXPECT_FALSE(a.IsMinimized());  // the window manager answers later
  RunPending();
  EXPECT_TRUE(a.IsMinimized());
  EXPECT_TRUE(Backend().Native(a)->Minimized());
  Backend().Restore(a);
  EXPECT_FALSE(a.IsMinimized());
  EXPECT_EQ(*log, (std::vector<std::string>{"a minimized", "a erase", "a paint", "a restored", "a erase", "a paint"}));
}

// Windows that live in the fixture are destroyed after the backend is gone;
// their teardown still sets timers, posts and invalidates.
class OutlivingWindowsTest : public HeadlessTest {
 protected:
  RecordingWindow survivor{"survivor"};
  RecordingWindow child{"child"};
};

TEST_F(OutlivingWindowsTest, TearDownAfterTheBackendIsGoneIsHarmless) {
  ASSERT_TRUE(survivor.CreateTopLevel(nullptr, {0, 0, 50, 50}, true));
  ASSERT_TRUE(child.CreateChild(survivor, {0, 0, 10, 10}, 1, true));
  survivor.SetTimer(1, 10);
  survivor.onDestroy = [this] {
    survivor.KillTimer(1);
    survivor.SetTimer(2, 10);
    survivor.PostMessage(platform::kUserMessage);
    survivor.Invalidate();
  };
  child.SetFocus();
  child.SetCapture();
}

}  // namespace

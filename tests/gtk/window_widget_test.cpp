// The widgets that show windows: a child window is clipped to its parent however
// far it reaches out, and never makes its top-level window grow.

#include "tests/gtk/desktop_fixture.h"
#include "tests/support/recording_window.h"

namespace {

using platform::Rgb;

class WindowWidgetTest : public DesktopTest {};

TEST_F(WindowWidgetTest, ChildrenReachingOutOfTheirParentAreClippedAndTheTopLevelKeepsItsSize) {
  RecordingWindow top("top"), outward("outward"), above("above");
  top.background = Rgb(200, 30, 30);
  outward.background = Rgb(30, 30, 200);
  above.background = Rgb(30, 200, 30);
  ASSERT_TRUE(top.CreateTopLevel(nullptr, {100, 100, 120, 80}, true));
  ASSERT_TRUE(outward.CreateChild(top, {90, 50, 100, 100}, 1, true));  // past the right and bottom edges
  ASSERT_TRUE(above.CreateChild(top, {-20, -20, 40, 40}, 2, true));    // past the left and top edges
  real_display::Pump();
  real_display::WaitForFrame(top);

  platform::Bitmap screen = real_display::ReadScreen({80, 80, 240, 200});  // the top-level and 20 pixels around
  struct Case {
    platform::Point at;  // relative to the top-level's origin
    bool blue, green;
  } cases[] = {
      {{90, 50}, true, false},  {{119, 79}, true, false}, {{120, 79}, false, false}, {{119, 80}, false, false},
      {{150, 100}, false, false}, {{0, 0}, false, true},  {{19, 19}, false, true},   {{-1, 5}, false, false},
      {{5, -1}, false, false},
  };
  for (const Case& c : cases) {
    platform::Colour shown = screen.Pixel(c.at.x + 20, c.at.y + 20);
    EXPECT_EQ(shown == outward.background, c.blue) << "at " << c.at.x << "," << c.at.y;
    EXPECT_EQ(shown == above.background, c.green) << "at " << c.at.x << "," << c.at.y;
  }
  GdkWindow* window = gtk_widget_get_window(GTK_WIDGET(platform::gtk::GtkWindowOf(top)));
  EXPECT_EQ(gdk_window_get_width(window), 120);
  EXPECT_EQ(gdk_window_get_height(window), 80);
}

}  // namespace

namespace {

// Handlers close windows all the time (a dialog's OK button, Escape): the window
// and its widgets go while the toolkit is still delivering the event to them.
TEST_F(WindowWidgetTest, AWindowMayDestroyItselfInItsOwnInputHandlers) {
  for (bool byKey : {false, true}) {
    SCOPED_TRACE(byKey ? "by a key" : "by a click");
    RecordingWindow top("top"), child("child");
    ASSERT_TRUE(top.CreateTopLevel(nullptr, {100, 100, 120, 80}, true));
    ASSERT_TRUE(child.CreateChild(top, {10, 10, 40, 30}, 1, true));
    real_display::WaitForFrame(top);
    child.onDown = [&](platform::Point) { top.Destroy(); };
    top.onKey = [&](platform::Key) { top.Destroy(); };
    if (byKey) {
      real_display::FocusTopLevel(top);
      real_display::TypeKeySym(XK_Escape);
    } else {
      real_display::MovePointer({120, 120});
      real_display::LeftButton(true);
      real_display::MovePointer({125, 125});
      real_display::LeftButton(false);
    }
    EXPECT_TRUE(real_display::RunUntil([&] { return !top.IsCreated(); }, 2000));
    EXPECT_FALSE(child.IsCreated());
    real_display::RunFor(100);
  }
}

}  // namespace

// Keys of the keyboard that the program knows by another name: the keypad's and
// Shift+Tab arrive as the keys they mean; keys it has no name for as Other.

#include "tests/gtk/desktop_fixture.h"
#include "tests/support/recording_window.h"

namespace {

class KeysTest : public DesktopTest {};

TEST_F(KeysTest, KeypadAndShiftedKeysArriveAsTheKeysTheyMean) {
  RecordingWindow top("top");
  ASSERT_TRUE(top.CreateTopLevel(nullptr, {100, 100, 120, 80}, true));
  real_display::WaitForFrame(top);
  real_display::FocusTopLevel(top);
  struct Case {
    KeySym keysym;
    KeySym modifier;
    const char* key;
  } cases[] = {
      {XK_KP_Enter, NoSymbol, "Enter"}, {XK_Tab, XK_Shift_L, "Tab"},  {XK_KP_Prior, NoSymbol, "PageUp"},
      {XK_KP_Next, NoSymbol, "PageDown"}, {XK_KP_Left, NoSymbol, "Left"}, {XK_KP_Home, NoSymbol, "Home"},
      {XK_KP_End, NoSymbol, "End"},     {XK_a, NoSymbol, "Other"},     {XK_F5, NoSymbol, "Other"},
  };
  for (const Case& c : cases) {
    top.Log().clear();
    real_display::TypeKeySym(c.keysym, c.modifier);
    // A modifier key goes down first, as a key of its own (Other).
    int expected = c.modifier == NoSymbol ? 1 : 2;
    ASSERT_TRUE(real_display::RunUntil([&] { return top.Count("key") >= expected; }, 2000)) << XKeysymToString(c.keysym);
    EXPECT_EQ(top.Entries("key").back(), std::string("top key ") + c.key) << XKeysymToString(c.keysym);
    EXPECT_EQ(top.Count("key"), expected) << XKeysymToString(c.keysym);
  }
}

TEST_F(KeysTest, AShownWindowTakesTheKeyboardAndItsOwnerTakesItBackWhenItGoes) {
  auto log = std::make_shared<EventLog>();
  RecordingWindow owner("owner", log), hidden("hidden", log);
  auto owned = std::make_unique<RecordingWindow>("owned", log);
  real_display::MovePointer({1200, 1000});  // keys follow the focus, not the pointer
  ASSERT_TRUE(owner.CreateTopLevel(nullptr, {100, 100, 160, 120}, true));
  ASSERT_TRUE(owned->CreateTopLevel(&owner, {120, 120, 60, 40}));
  ASSERT_TRUE(hidden.CreateTopLevel(&owner, {200, 120, 60, 40}));
  auto typeEscape = [&](const std::string& expected) {
    // A window manager passes the keyboard on in its own time: wait, as a user would.
    RecordingWindow* window = expected == "owner" ? &owner : expected == "hidden" ? &hidden : owned.get();
    EXPECT_TRUE(real_display::RunUntil([&] { return gtk_window_is_active(platform::gtk::GtkWindowOf(*window)); }, 2000))
        << expected << " never became active";
    log->clear();
    real_display::TypeKeySym(XK_Escape);
    ASSERT_TRUE(real_display::RunUntil([&] { return !log->empty(); }, 2000)) << "no key for " << expected;
    EXPECT_EQ(log->back(), expected + " key Escape");
  };
  real_display::Pump();
  typeEscape("owner");
  owned->Show(true);
  real_display::Pump();
  typeEscape("owned");
  owned.reset();  // destroyed
  real_display::Pump();
  typeEscape("owner");
  hidden.Show(true);
  real_display::Pump();
  typeEscape("hidden");
  hidden.Show(false);
  real_display::Pump();
  typeEscape("owner");
}

}  // namespace

// Modal runs keep input from their owner, and from nothing else; the owner's
// timers go on. Owned windows end with their owner.

#include <gtest/gtest.h>

#include "platform/dialog.h"
#include "platform/window_events.h"
#include "tests/support/headless_fixture.h"
#include "tests/support/recording_window.h"

namespace {

class Popup : public platform::Dialog {
 public:
  Popup() : Dialog({100, 60}) {}
  ~Popup() override { Destroy(); }
  using Dialog::EndDialog;
};

class ModalRunsTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    for (RecordingWindow* w : {&owner, &button, &sibling, &stranger}) w->logMoves = false;
    ASSERT_TRUE(owner.CreateTopLevel(nullptr, {0, 0, 300, 200}, true));
    ASSERT_TRUE(button.CreateChild(owner, {200, 150, 60, 30}, 7, true));
    ASSERT_TRUE(sibling.CreateTopLevel(&owner, {400, 0, 100, 100}, true));  // also owned by `owner`
    ASSERT_TRUE(stranger.CreateTopLevel(nullptr, {600, 0, 100, 100}, true));
  }
  void ClickEveryone() {
    Click(owner, Point{10, 190});
    Click(button);
    PressKey(owner, platform::Key::Down);
    Click(sibling);
    Click(stranger);
  }
  void PressKey(Window& top, platform::Key key) { Backend().PressKey(top, key); }
  std::vector<std::string> Presses() { return Only(*log, {" down ", " key "}); }

  std::shared_ptr<EventLog> log = std::make_shared<EventLog>();
  RecordingWindow owner{"owner", log};
  RecordingWindow button{"button", log};
  RecordingWindow sibling{"sibling", log};
  RecordingWindow stranger{"stranger", log};
};

TEST_F(ModalRunsTest, TheOwnerGetsNoInputDuringTheRunButItsTimersGoOn) {
  owner.SetTimer(1, 100);
  Popup popup;
  bool ownerEnabledInside = true;
  WhenModalIdle([&] {
    ClickEveryone();
    ownerEnabledInside = Backend().Native(owner)->InputEnabled();
    // The core keeps the owner out even when the system hands it input.
    platform::WindowEvents::LButtonDown(&button, ScreenPointOf(button));
    platform::WindowEvents::KeyDown(owner, platform::Key::Up);
    Advance(250);
    popup.EndDialog(1);
    return true;
  }, 0);
  EXPECT_EQ(popup.DoModal(&owner), 1);
  EXPECT_FALSE(ownerEnabledInside);
  EXPECT_EQ(Presses(), (std::vector<std::string>{"sibling down 50,50", "stranger down 50,50"}));
  EXPECT_EQ(owner.Count("timer 1"), 2);

  log->clear();
  ClickEveryone();
  EXPECT_EQ(Presses(), (std::vector<std::string>{"owner down 10,190", "button down 30,15", "owner key Down",
                                                 "sibling down 50,50", "stranger down 50,50"}));
  EXPECT_TRUE(Backend().Native(owner)->InputEnabled());
}

TEST_F(ModalRunsTest, TheDialogItselfTakesInput) {
  Popup popup;
  RecordingWindow field("field", log);
  WhenModalIdle([&] {
    if (!field.IsCreated()) {
      field.CreateChild(popup, {10, 10, 30, 20}, 1, true);
      Click(field);
      Click(popup, Point{90, 50});
      return true;
    }
    popup.EndDialog(2);
    return true;
  });
  EXPECT_EQ(popup.DoModal(&owner), 2);
  EXPECT_EQ(Presses(), (std::vector<std::string>{"field down 15,10"}));
}

TEST_F(ModalRunsTest, AnInnerRunOverTheSameOwnerLeavesItBlockedUntilTheOuterEnds) {
  Popup outer;
  Popup inner;
  int step = 0;
  WhenModalIdle([&] {
    switch (++step) {
      case 1:
        EXPECT_EQ(inner.DoModal(&owner), 5);
        EXPECT_FALSE(Backend().Native(owner)->InputEnabled());
        Click(owner, Point{10, 190});
        outer.EndDialog(6);
        return true;
      case 2:
        inner.EndDialog(5);
        return true;
    }
    return false;
  });
  EXPECT_EQ(outer.DoModal(&owner), 6);
  EXPECT_EQ(Presses(), std::vector<std::string>{});
  EXPECT_TRUE(Backend().Native(owner)->InputEnabled());
}

TEST_F(ModalRunsTest, DestroyingAnOwnerDestroysTheWindowsItOwns) {
  RecordingWindow grandchild("grandchild", log);  // owned by a window the owner owns
  ASSERT_TRUE(grandchild.CreateTopLevel(&sibling, {0, 0, 10, 10}));
  owner.Destroy();
  EXPECT_FALSE(sibling.IsCreated());
  EXPECT_FALSE(grandchild.IsCreated());
  EXPECT_TRUE(stranger.IsCreated());
  EXPECT_EQ(Only(*log, {"destroy"}), (std::vector<std::string>{"owner destroy", "button destroy", "sibling destroy",
                                                             "grandchild destroy"}));
}

}  // namespace

// Modal runs on the desktop: the owner takes neither input nor the window
// manager's close request while the run lasts, and both again afterwards; the
// program's events keep running in a modal run begun inside one of them.

#include "platform/dialog.h"
#include "tests/gtk/desktop_fixture.h"
#include "tests/support/recording_window.h"

namespace {

using platform::kUserMessage;

// A dialog that runs a script on its ticks and gives up (Cancel) after a while.
class ScriptedDialog : public platform::Dialog {
 public:
  ScriptedDialog() : Dialog({60, 40}) {}
  ~ScriptedDialog() override { Destroy(); }

  std::function<void(int tick)> onTick;
  std::function<void()> onInit;
  bool gotOwnMessage = false;

 protected:
  bool OnInitDialog() override {
    SetTimer(1, 30);
    SetTimer(2, 3000);
    if (onInit) onInit();
    return true;
  }
  void OnTimer(int id) override {
    if (id == 2) EndDialog(platform::kIdCancel);
    if (id == 1 && onTick) onTick(++ticks_);
  }
  platform::LParam OnMessage(platform::MessageId id, platform::WParam, platform::LParam) override {
    if (id == kUserMessage + 7) gotOwnMessage = true;
    return 0;
  }

 private:
  int ticks_ = 0;
};

class ModalRunTest : public DesktopTest {};

TEST_F(ModalRunTest, TheOwnerTakesNoInputOrCloseRequestDuringTheRunAndBothAfterIt) {
  auto log = std::make_shared<EventLog>();
  RecordingWindow owner("owner", log);
  ASSERT_TRUE(owner.CreateTopLevel(nullptr, {100, 100, 240, 160}, true));
  real_display::WaitForFrame(owner);
  platform::Point onOwner{300, 220};  // beside the dialog, which lies at the owner's origin

  ScriptedDialog dialog;
  dialog.onTick = [&](int tick) {
    if (tick == 1) {
      real_display::SendCloseRequest(owner);
      real_display::MovePointer(onOwner);
      real_display::LeftButton(true);
      real_display::LeftButton(false);
    }
    if (tick == 6) dialog.EndDialog(platform::kIdOk);
  };
  EXPECT_EQ(dialog.DoModal(&owner), platform::kIdOk);
  EXPECT_TRUE(owner.IsCreated());
  EXPECT_EQ(owner.Count("down") + owner.Count("up"), 0);

  real_display::RunFor(500);  // past the double-click time of the click before
  real_display::LeftButton(true);
  real_display::LeftButton(false);
  EXPECT_TRUE(real_display::RunUntil([&] { return owner.Count("up") == 1; }, 2000));
  EXPECT_EQ(owner.Count("down"), 1);
  real_display::SendCloseRequest(owner);
  EXPECT_TRUE(real_display::RunUntil([&] { return !owner.IsCreated(); }, 2000));
}

TEST_F(ModalRunTest, EventsGoOnInAModalRunBegunByAPostedMessageOrATimer) {
  for (bool fromTimer : {false, true}) {
    SCOPED_TRACE(fromTimer ? "begun by a timer" : "begun by a posted message");
    RecordingWindow owner("owner");
    ASSERT_TRUE(owner.CreateTopLevel(nullptr, {100, 100, 120, 80}, true));
    ScriptedDialog dialog;
    int ownerTicksInRun = 0;
    int result = 0;
    // The dialog needs its own posted message and two more ticks of the owner's timer.
    dialog.onInit = [&] { dialog.PostMessage(kUserMessage + 7); };
    dialog.onTick = [&](int) {
      if (dialog.gotOwnMessage && ownerTicksInRun >= 2) dialog.EndDialog(platform::kIdOk);
    };
    auto run = [&] {
      if (result == 0 && !dialog.IsCreated()) result = dialog.DoModal(&owner);
    };
    owner.onTimer = [&](int) {
      if (dialog.IsCreated()) {
        ++ownerTicksInRun;
      } else if (fromTimer) {
        run();
      }
    };
    owner.onMessage = [&](platform::MessageId, platform::WParam, platform::LParam) -> platform::LParam {
      if (!fromTimer) run();
      return 0;
    };
    owner.SetTimer(1, 20);
    if (!fromTimer) owner.PostMessage(kUserMessage);
    ASSERT_TRUE(real_display::RunUntil([&] { return result != 0; }, 6000));
    EXPECT_EQ(result, platform::kIdOk);
  }
}

}  // namespace

// Key processing in the window core: the pre-translation chain and the dialog
// keys that end a modal run, and ending a run before it begins.

#include <gtest/gtest.h>

#include "platform/dialog.h"
#include "tests/support/headless_fixture.h"
#include "tests/support/recording_window.h"

using platform::Key;
using platform::kIdCancel;
using platform::kIdOk;

namespace {

class KeyChainTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    ASSERT_TRUE(top.CreateTopLevel(nullptr, {0, 0, 200, 200}, true));
    ASSERT_TRUE(panel.CreateChild(top, {10, 10, 150, 150}, 1, true));
    ASSERT_TRUE(leaf.CreateChild(panel, {10, 10, 50, 50}, 2, true));
    RunPending();
  }

  std::shared_ptr<EventLog> log = std::make_shared<EventLog>();
  RecordingWindow top{"top", log};
  RecordingWindow panel{"panel", log};
  RecordingWindow leaf{"leaf", log};
};

TEST_F(KeyChainTest, KeysPassTheFocusedWindowThenEachAncestorUntilOneSwallowsThem) {
  struct Case {
    RecordingWindow* swallower;
    std::vector<std::string> expected;
  } cases[] = {
      {nullptr, {"leaf pretranslate Left", "panel pretranslate Left", "top pretranslate Left", "leaf key Left"}},
      {&panel, {"leaf pretranslate Left", "panel pretranslate Left"}},
      {&leaf, {"leaf pretranslate Left"}},
  };
  leaf.SetFocus();
  for (const Case& c : cases) {
    for (RecordingWindow* w : {&top, &panel, &leaf})
      w->preTranslate = [w, &c](Key) { return w == c.swallower; };
    log->clear();
    Backend().PressKey(Key::Left);
    EXPECT_EQ(*log, c.expected) << (c.swallower ? c.swallower->Name() : "none") << " swallows";
  }
}

// A dialog that withholds the keys it is told to from dialog-key processing,
// with a focused child inside.
class KeyDialog : public platform::Dialog {
 public:
  explicit KeyDialog(std::vector<Key> withheld) : Dialog({120, 80}), withheld_(std::move(withheld)) {}
  ~KeyDialog() override { Destroy(); }
  using Dialog::EndDialog;
  RecordingWindow field{"field"};

 protected:
  bool OnInitDialog() override {
    field.CreateChild(*this, {10, 10, 40, 20}, 1001, true);
    field.SetFocus();
    return true;
  }
  bool PreTranslateKey(Key key) override {
    return std::find(withheld_.begin(), withheld_.end(), key) != withheld_.end();
  }

 private:
  std::vector<Key> withheld_;
};

TEST_F(KeyChainTest, EnterAndEscapeEndAModalRunUnlessTheDialogWithholdsThem) {
  constexpr int kEndedByTest = 99;
  struct Case {
    Key key;
    std::vector<Key> withheld;
    int result;
  } cases[] = {
      {Key::Enter, {}, kIdOk},
      {Key::Escape, {}, kIdCancel},
      {Key::Enter, {Key::Enter, Key::Escape}, kEndedByTest},
      {Key::Escape, {Key::Escape}, kEndedByTest},
      {Key::Enter, {Key::Escape}, kIdOk},
      {Key::Space, {}, kEndedByTest},
  };
  for (const Case& c : cases) {
    KeyDialog dialog(c.withheld);
    int asked = 0;
    WhenModalIdle([&] {
      if (++asked == 1) {
        PressKey(c.key);
      } else {
        dialog.EndDialog(kEndedByTest);
      }
      return true;
    });
    EXPECT_EQ(dialog.DoModal(&top), c.result) << RecordingWindow::KeyName(c.key);
    EXPECT_FALSE(dialog.IsCreated());
  }
}

TEST_F(KeyChainTest, EndingARunBeforeItBeginsMakesItReturnAtOnceButOnlyOnce) {
  int asked = 0;
  WhenModalIdle([&] {
    ++asked;
    top.EndModal(4);
    return true;
  });
  top.EndModal(3);
  EXPECT_EQ(top.RunModal(), 3);
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(top.RunModal(), 4);
  EXPECT_EQ(asked, 1);

  // A dialog ended while it initialises returns that result without running.
  class EndsAtOnce : public platform::Dialog {
   public:
    EndsAtOnce() : Dialog({50, 50}) {}
    ~EndsAtOnce() override { Destroy(); }

   protected:
    bool OnInitDialog() override {
      EndDialog(kIdCancel);
      return true;
    }
  } early;
  EXPECT_EQ(early.DoModal(&top), kIdCancel);
  EXPECT_EQ(asked, 1);
}

}  // namespace

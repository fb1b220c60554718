// The keyboard: keys reach the focused window of the top-level window that has
// the keyboard, or the top-level window itself; focus moves with its reports.

#include "tests/contract/contract_test.h"

namespace {

using platform::Key;

class KeysContract : public ContractTest {
 protected:
  void SetUp() override {
    ContractTest::SetUp();
    ASSERT_TRUE(top.CreateTopLevel(nullptr, {200, 150, 200, 100}));
    ASSERT_TRUE(first.CreateChild(top, {10, 10, 60, 40}, 1, true));
    ASSERT_TRUE(second.CreateChild(top, {100, 10, 60, 40}, 2, true));
    ShowAndWait(top);
  }

  std::shared_ptr<EventLog> log = std::make_shared<EventLog>();
  RecordingWindow top{"top", log};
  RecordingWindow first{"first", log};
  RecordingWindow second{"second", log};
};

TEST_F(KeysContract, EveryKeyReachesTheFocusedWindowAsItself) {
  first.SetFocus();
  const Key keys[] = {Key::Enter, Key::Escape,   Key::Tab,  Key::Space, Key::Left, Key::Right,
                      Key::Up,    Key::Down,     Key::PageUp, Key::PageDown, Key::Home, Key::End};
  std::vector<std::string> expected;
  for (Key key : keys) {
    D().PressKey(top, key);
    expected.push_back("first key " + RecordingWindow::KeyName(key));
    ASSERT_TRUE(WaitFor([&] { return first.Count("key") == static_cast<int>(expected.size()); }))
        << RecordingWindow::KeyName(key) << " did not arrive";
  }
  EXPECT_EQ(Only(*log, {" key "}), expected);
}

TEST_F(KeysContract, WithoutAFocusedChildKeysGoToTheTopLevelWindow) {
  D().PressKey(top, Key::Right);
  ASSERT_TRUE(WaitFor([&] { return top.Count("key") == 1; }));
  EXPECT_EQ(Only(*log, {" key "}), (std::vector<std::string>{"top key Right"}));
}

TEST_F(KeysContract, FocusMovesWithItsReportsAndTheKeysFollow) {
  first.SetFocus();
  second.SetFocus();
  EXPECT_EQ(Only(*log, {"focus"}), (std::vector<std::string>{"first setfocus", "first killfocus", "second setfocus"}));
  EXPECT_TRUE(second.HasFocus());
  EXPECT_FALSE(first.HasFocus());
  D().PressKey(top, Key::Down);
  ASSERT_TRUE(WaitFor([&] { return second.Count("key") == 1; }));
  EXPECT_EQ(first.Count("key"), 0);
}

}  // namespace

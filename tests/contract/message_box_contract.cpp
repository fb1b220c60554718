// Message boxes: modal, one OK button, the program's title; answered by the test.

#include "platform/message_box.h"
#include "tests/contract/contract_test.h"

namespace {

class MessageBoxContract : public ContractTest {};

TEST_F(MessageBoxContract, ABoxHasOneOkButtonAndTheProgramsTitleAndReturnsWhenAnswered) {
  RecordingWindow owner("owner");
  ASSERT_TRUE(owner.CreateTopLevel(nullptr, {100, 100, 200, 120}));
  ShowAndWait(owner);
  platform::MessageBox(&owner, "Check NETWORK OR INTERNET");
  platform::MessageBox(nullptr, "No Video Screen!!");
  auto boxes = D().MessageBoxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, "Check NETWORK OR INTERNET");
  EXPECT_EQ(boxes[1].text, "No Video Screen!!");
  for (const auto& box : boxes) {
    EXPECT_EQ(box.title, "ZelvikPlayer");
    EXPECT_EQ(box.buttons, (std::vector<std::string>{"OK"}));
  }
}

}  // namespace

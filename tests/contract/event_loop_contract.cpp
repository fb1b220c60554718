// The event loop: timers by window and id, posted and sent messages, what a
// destroyed window leaves behind, and modal runs as nested loops.

#include "platform/dialog.h"
#include "tests/contract/contract_test.h"

namespace {

class EventLoopContract : public ContractTest {
 protected:
  void SetUp() override {
    ContractTest::SetUp();
    ASSERT_TRUE(a.CreateTopLevel(nullptr, {100, 100, 60, 40}));
    ASSERT_TRUE(b.CreateTopLevel(nullptr, {200, 100, 60, 40}));
  }

  std::shared_ptr<EventLog> log = std::make_shared<EventLog>();
  RecordingWindow a{"a", log};
  RecordingWindow b{"b", log};
};

TEST_F(EventLoopContract, TimersArePeriodicAndReachTheirWindowWithTheirId) {
  a.SetTimer(1, 20);
  a.SetTimer(2, 35);
  b.SetTimer(1, 20);
  if (D().VirtualTime()) {
    D().RunFor(70);
    EXPECT_EQ(a.Count("timer 1"), 3);
    EXPECT_EQ(a.Count("timer 2"), 2);
    EXPECT_EQ(b.Count("timer 1"), 3);
  } else {
    EXPECT_TRUE(WaitFor([&] { return a.Count("timer 1") >= 3 && a.Count("timer 2") >= 2 && b.Count("timer 1") >= 3; }));
  }
  EXPECT_EQ(b.Count("timer 2"), 0);
  EXPECT_EQ(a.Count("timer") + b.Count("timer"), a.Count("timer 1") + a.Count("timer 2") + b.Count("timer 1"));
}

TEST_F(EventLoopContract, SettingARunningTimerRearmsItFromNow) {
  a.SetTimer(1, 600);
  D().RunFor(400);
  a.SetTimer(1, 600);  // re-armed: not due at 600 any more, but 600 after now
  D().RunFor(300);
  EXPECT_EQ(a.Count("timer 1"), 0);
  EXPECT_TRUE(WaitFor([&] { return a.Count("timer 1") == 1; }));

  // A new period replaces the old one.
  a.SetTimer(1, 10000);
  a.SetTimer(1, 20);
  EXPECT_TRUE(WaitFor([&] { return a.Count("timer 1") >= 4; }, 3000));
}

TEST_F(EventLoopContract, KilledTimersStopAndKillingAnUnknownOneIsHarmless) {
  a.SetTimer(1, 20);
  a.KillTimer(1);
  a.KillTimer(99);
  b.KillTimer(1);
  // A timer killed in its own handler fires once: the one-shot pattern.
  b.SetTimer(3, 20);
  b.onTimer = [&](int id) { b.KillTimer(id); };
  D().RunFor(300);
  EXPECT_EQ(a.Count("timer"), 0);
  EXPECT_EQ(b.Count("timer 3"), 1);
}

TEST_F(EventLoopContract, PostedMessagesRunInOrderAfterTheHandlerAndBeforeLaterTimers) {
  a.onTimer = [&](int id) {
    if (id != 1) return;
    a.KillTimer(1);
    a.PostMessage(platform::kUserMessage + 1);
    b.PostMessage(platform::kUserMessage + 2);
    a.PostMessage(platform::kUserMessage + 3);
    a.SetTimer(9, 10);
    a.Add("handler end");
  };
  a.SetTimer(1, 10);
  ASSERT_TRUE(WaitFor([&] { return a.Count("timer 9") >= 1; }));
  auto order = Only(*log, {"handler end", "message", "timer 9"});
  ASSERT_GE(order.size(), 5u);
  order.resize(5);
  EXPECT_EQ(order, (std::vector<std::string>{"a handler end", "a message 1025", "b message 1026",
                                             "a message 1027", "a timer 9"}));
}

TEST_F(EventLoopContract, ASentMessageRunsAtOnceAndReturnsTheAnswer) {
  a.onMessage = [](platform::MessageId id, platform::WParam w, platform::LParam l) -> platform::LParam {
    return id == platform::kUserMessage + 6 ? static_cast<platform::LParam>(w) + l : 0;
  };
  a.PostMessage(platform::kUserMessage + 5);
  EXPECT_EQ(a.SendMessage(platform::kUserMessage + 6, 40, 2), 42);
  EXPECT_EQ(a.Entries("message"), (std::vector<std::string>{"a message 1030"}));
  ASSERT_TRUE(WaitFor([&] { return a.Count("message") == 2; }));
  EXPECT_EQ(a.Entries("message").back(), "a message 1029");
}

TEST_F(EventLoopContract, ADestroyedWindowGetsNoMessagesTimersOrPaints) {
  a.Show(true);
  ASSERT_TRUE(WaitFor([&] { return a.Count("paint") >= 1; }));
  a.SetTimer(1, 10);
  a.PostMessage(platform::kUserMessage);
  a.Invalidate();
  a.Destroy();
  ASSERT_EQ(a.Log().back(), "a destroy");
  std::size_t after = log->size();
  b.PostMessage(platform::kUserMessage);
  ASSERT_TRUE(WaitFor([&] { return b.Count("message") == 1; }));
  D().RunFor(200);
  for (std::size_t i = after; i < log->size(); ++i) EXPECT_NE((*log)[i].rfind("a ", 0), 0u) << (*log)[i];

  // A window made afterwards is a new window: nothing of the old one reaches it.
  RecordingWindow c{"c", log};
  ASSERT_TRUE(c.CreateTopLevel(nullptr, {100, 100, 60, 40}));
  EXPECT_NE(c.Handle(), a.Handle());
  D().RunFor(100);
  EXPECT_EQ(c.Count("timer") + c.Count("message"), 0);
}

class TickingDialog : public platform::Dialog {
 public:
  TickingDialog(std::shared_ptr<EventLog> log, int endAfter) : Dialog({80, 60}), log_(std::move(log)), endAfter_(endAfter) {}
  ~TickingDialog() override { Destroy(); }

 protected:
  bool OnInitDialog() override {
    SetTimer(1, 20);
    return true;
  }
  void OnTimer(int) override {
    log_->push_back("dialog tick");
    if (++ticks_ == endAfter_) EndDialog(7);
  }

 private:
  std::shared_ptr<EventLog> log_;
  int endAfter_;
  int ticks_ = 0;
};

TEST_F(EventLoopContract, AModalRunIsANestedLoopThatReturnsTheResultWhileTimersGoOn) {
  a.Show(true);
  a.SetTimer(5, 15);
  a.PostMessage(platform::kUserMessage);  // handled inside the run
  TickingDialog dialog(log, 3);
  int result = dialog.DoModal(&a);
  log->push_back("returned");
  EXPECT_EQ(result, 7);
  EXPECT_FALSE(dialog.IsCreated());
  auto order = Only(*log, {"dialog tick", "returned"});
  EXPECT_EQ(order, (std::vector<std::string>{"dialog tick", "dialog tick", "dialog tick", "returned"}));
  int ownerTicksInside = 0;
  for (int i = 0, end = IndexOf(*log, "returned"); i < end; ++i) ownerTicksInside += (*log)[i] == "a timer 5";
  EXPECT_GE(ownerTicksInside, 1);
  EXPECT_LT(IndexOf(*log, "a message 1024"), IndexOf(*log, "returned"));
}

}  // namespace

// The simulated event loop's own promises: exact virtual time, the order of
// timers due together, and modal runs that always end.

#include <gtest/gtest.h>

#include "platform/dialog.h"
#include "tests/support/headless_fixture.h"
#include "tests/support/recording_window.h"

using platform::Rect;

namespace {

class VirtualTimeTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    ASSERT_TRUE(window.CreateTopLevel(nullptr, Rect{0, 0, 50, 50}));
    window.logMoves = false;
  }
  // "time: entry" for each timer and message of the window.
  std::vector<std::string> Timeline() {
    std::vector<std::string> out;
    for (const std::string& e : window.Log())
      if (e.find("timer") != std::string::npos || e.find("message") != std::string::npos) out.push_back(e);
    return out;
  }

  RecordingWindow window{"w"};
};

TEST_F(VirtualTimeTest, TimersFireAtTheirDueTimesInArmingOrderWithPostedWorkBetween) {
  // Timer 1 posts message 7 the first time; the message runs before timer 3,
  // which falls due at the same instant but was armed later.
  bool posted = false;
  window.onTimer = [&](int id) {
    window.Add("at " + std::to_string(Now()));
    if (id == 1 && !posted) {
      posted = true;
      window.PostMessage(7);
    }
  };
  window.SetTimer(1, 30);
  window.SetTimer(2, 20);
  window.SetTimer(3, 30);
  Advance(60);
  EXPECT_EQ(Now(), 60);
  std::vector<std::string> expected = {"w timer 2", "w timer 1", "w message 7", "w timer 3", "w timer 2",
                                       "w timer 1", "w timer 3", "w timer 2"};
  EXPECT_EQ(Timeline(), expected);
  std::vector<std::string> times;
  for (const std::string& e : window.Entries("at")) times.push_back(e.substr(5));
  EXPECT_EQ(times, (std::vector<std::string>{"20", "30", "30", "40", "60", "60", "60"}));
  Advance(5);
  EXPECT_EQ(Now(), 65);
}

TEST_F(VirtualTimeTest, RearmingCountsTheNewPeriodFromNow) {
  window.SetTimer(1, 100);
  Advance(60);
  window.SetTimer(1, 100);
  EXPECT_EQ(Backend().TimerDue(window, 1), 160);
  Advance(99);
  EXPECT_EQ(window.Count("timer"), 0);
  Advance(1);
  EXPECT_EQ(window.Count("timer"), 1);
  EXPECT_EQ(Backend().TimerPeriod(window, 1), 100);
}

TEST_F(VirtualTimeTest, AdvanceUntilStopsWhereTheConditionHolds) {
  window.SetTimer(1, 25);
  EXPECT_TRUE(AdvanceUntil([&] { return window.Count("timer") == 3; }, 1000));
  EXPECT_EQ(Now(), 75);
  EXPECT_FALSE(AdvanceUntil([] { return false; }, 100));
  EXPECT_EQ(Now(), 175);
}

class Modal : public platform::Dialog {
 public:
  Modal() : Dialog({40, 30}) {}
  using Dialog::EndDialog;
  ~Modal() override { Destroy(); }
};

TEST_F(VirtualTimeTest, AModalRunWithNothingToDoAsksTheHookAndIsAbandonedWithoutOne) {
  Modal dialog;
  int asked = 0;
  WhenModalIdle([&] {
    ++asked;
    dialog.EndDialog(5);
    return true;
  });
  EXPECT_EQ(dialog.DoModal(&window), 5);
  EXPECT_EQ(asked, 1);

  WhenModalIdle(nullptr);
  AllowAbandonedModalRuns();
  Modal forgotten;
  forgotten.DoModal(&window);
  EXPECT_EQ(Backend().AbandonedModalRuns(), 1);
}

TEST_F(VirtualTimeTest, AModalRunOverPeriodicTimersGoesQuietAndEnds) {
  AllowAbandonedModalRuns();
  window.SetTimer(1, 100);
  Modal dialog;
  dialog.DoModal(&window);  // no hook: given up after the quiet time
  EXPECT_EQ(Backend().AbandonedModalRuns(), 1);
  EXPECT_EQ(Now(), HeadlessBackend::kDefaultModalQuietMs);

  // With no quiet time the hook acts before any timer runs; a hook that does
  // nothing is not asked forever.
  int asked = 0;
  WhenModalIdle([&] { return ++asked > 0; }, 0);
  std::int64_t before = Now();
  Modal stuck;
  stuck.DoModal(&window);
  EXPECT_EQ(Backend().AbandonedModalRuns(), 2);
  EXPECT_EQ(Now(), before);
  EXPECT_GT(asked, 1);
}

}  // namespace

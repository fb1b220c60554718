#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "platform/messages.h"
#include "platform/window.h"

namespace platform::headless {

// The simulated event loop: a virtual clock in milliseconds, a queue of posted
// work in the order posted, pending paints, and timers by (window, id).
// Nothing runs by itself: RunPending, Advance and RunModal drive it.
class EventLoop {
 public:
  std::int64_t Now() const { return now_; }

  // Periodic until killed; setting a running (window, id) re-arms it from now.
  void SetTimer(WindowHandle window, int id, int periodMs);
  void KillTimer(WindowHandle window, int id);
  std::optional<int> TimerPeriod(WindowHandle window, int id) const;
  // When the timer fires next, in virtual time.
  std::optional<std::int64_t> TimerDue(WindowHandle window, int id) const;
  // The ids of the window's running timers, ascending.
  std::vector<int> TimerIds(WindowHandle window) const;

  // A one-shot call at a moment of virtual time (now, if that has passed), in
  // line with the timers; the simulated devices (media graph) keep their
  // schedules with these. Cancelling an unknown or spent alarm is harmless.
  std::uint64_t AddAlarm(std::int64_t at, std::function<void()> call);
  void CancelAlarm(std::uint64_t alarm);

  void Post(WindowHandle window, const Message& message);
  // Work the simulated system queues for a window, such as a state change report.
  void PostTask(WindowHandle window, std::function<void()> task);
  void SchedulePaint(WindowHandle window);
  // Drops everything addressed to a destroyed window.
  void Drop(WindowHandle window);

  std::vector<Message> PendingMessages(WindowHandle window) const;
  bool HasPendingWork() const { return !queue_.empty() || !paints_.empty(); }
  bool HasTimers() const { return !timers_.empty() || !alarms_.empty(); }
  // When the earliest timer or alarm is due, if any.
  std::optional<std::int64_t> NextDue() const;

  // Runs one posted item, or else one pending paint; false when there was none.
  bool RunOne();
  // Runs posted work in order and then pending paints, until none is left.
  void RunPending();
  // Moves the clock to the earliest timer or alarm due no later than `limit`
  // (ties: the one armed first) and fires it, re-arming a timer for its next
  // period first; false when nothing is due by then.
  bool FireNext(std::int64_t limit);
  // Runs everything due up to now + ms; the clock ends at exactly now + ms (or
  // later, when a nested run inside a handler went further).
  void Advance(std::int64_t ms);
  // Counts every event dispatched (posted item, paint, timer); callers use it
  // to see whether anything happened.
  std::uint64_t Dispatched() const { return dispatched_; }
  void CountDispatch() { ++dispatched_; }

 private:
  struct Item {
    WindowHandle window = 0;
    std::optional<Message> message;
    std::function<void()> task;
  };
  struct Timer {
    int periodMs = 0;
    std::int64_t due = 0;
    std::uint64_t armed = 0;  // arming order breaks ties between timers due together
  };
  using TimerKey = std::pair<WindowHandle, int>;
  struct Alarm {
    std::int64_t due = 0;
    std::uint64_t armed = 0;
    std::function<void()> call;
  };

  std::int64_t now_ = 0;
  std::uint64_t armCount_ = 0;
  std::uint64_t dispatched_ = 0;
  std::deque<Item> queue_;
  std::deque<WindowHandle> paints_;
  std::map<TimerKey, Timer> timers_;
  std::map<std::uint64_t, Alarm> alarms_;  // by id
};

}  // namespace platform::headless

#include "platform/headless/event_loop.h"

#include <algorithm>
#include <stdexcept>

#include "platform/window_events.h"

namespace platform::headless {

namespace {
// A handler that keeps posting to itself would never let a test finish.
constexpr int kMaxPendingRun = 1'000'000;
}  // namespace

void EventLoop::SetTimer(WindowHandle window, int id, int periodMs) {
  int period = std::max(periodMs, 1);
  timers_[{window, id}] = Timer{period, now_ + period, ++armCount_};
}

void EventLoop::KillTimer(WindowHandle window, int id) { timers_.erase({window, id}); }

std::optional<int> EventLoop::TimerPeriod(WindowHandle window, int id) const {
  auto it = timers_.find({window, id});
  if (it == timers_.end()) return std::nullopt;
  return it->second.periodMs;
}

std::optional<std::int64_t> EventLoop::TimerDue(WindowHandle window, int id) const {
  auto it = timers_.find({window, id});
  if (it == timers_.end()) return std::nullopt;
  return it->second.due;
}

std::vector<int> EventLoop::TimerIds(WindowHandle window) const {
  std::vector<int> ids;
  for (const auto& [key, timer] : timers_)
    if (key.first == window) ids.push_back(key.second);
  return ids;
}

std::uint64_t EventLoop::AddAlarm(std::int64_t at, std::function<void()> call) {
  std::uint64_t armed = ++armCount_;
  alarms_[armed] = Alarm{std::max(at, now_), armed, std::move(call)};
  return armed;
}

void EventLoop::CancelAlarm(std::uint64_t alarm) { alarms_.erase(alarm); }

void EventLoop::Post(WindowHandle window, const Message& message) {
  queue_.push_back(Item{window, message, {}});
}

void EventLoop::PostTask(WindowHandle window, std::function<void()> task) {
  queue_.push_back(Item{window, std::nullopt, std::move(task)});
}

void EventLoop::SchedulePaint(WindowHandle window) {
  if (std::find(paints_.begin(), paints_.end(), window) == paints_.end()) paints_.push_back(window);
}

void EventLoop::Drop(WindowHandle window) {
  std::erase_if(queue_, [window](const Item& item) { return item.window == window; });
  std::erase(paints_, window);
  std::erase_if(timers_, [window](const auto& entry) { return entry.first.first == window; });
}

std::vector<Message> EventLoop::PendingMessages(WindowHandle window) const {
  std::vector<Message> messages;
  for (const Item& item : queue_)
    if (item.window == window && item.message) messages.push_back(*item.message);
  return messages;
}

std::optional<std::int64_t> EventLoop::NextDue() const {
  std::optional<std::int64_t> due;
  for (const auto& [key, timer] : timers_)
    if (!due || timer.due < *due) due = timer.due;
  for (const auto& [id, alarm] : alarms_)
    if (!due || alarm.due < *due) due = alarm.due;
  return due;
}

bool EventLoop::RunOne() {
  if (!queue_.empty()) {
    Item item = std::move(queue_.front());
    queue_.pop_front();
    ++dispatched_;
    if (item.message) {
      WindowEvents::Posted(item.window, *item.message);
    } else if (item.task) {
      item.task();
    }
    return true;
  }
  if (!paints_.empty()) {
    WindowHandle window = paints_.front();
    paints_.pop_front();
    ++dispatched_;
    WindowEvents::Paint(window);
    return true;
  }
  return false;
}

void EventLoop::RunPending() {
  for (int n = 0; RunOne(); ++n)
    if (n == kMaxPendingRun) throw std::runtime_error("headless event loop: posted work never ends");
}

bool EventLoop::FireNext(std::int64_t limit) {
  auto next = timers_.end();
  for (auto it = timers_.begin(); it != timers_.end(); ++it) {
    const Timer& t = it->second;
    if (t.due > limit) continue;
    if (next == timers_.end() || t.due < next->second.due ||
        (t.due == next->second.due && t.armed < next->second.armed))
      next = it;
  }
  auto alarm = alarms_.end();
  for (auto it = alarms_.begin(); it != alarms_.end(); ++it) {
    const Alarm& a = it->second;
    if (a.due > limit) continue;
    if (alarm == alarms_.end() || a.due < alarm->second.due) alarm = it;  // ids follow arming order
  }
  bool alarmFirst = alarm != alarms_.end() &&
                    (next == timers_.end() || alarm->second.due < next->second.due ||
                     (alarm->second.due == next->second.due && alarm->second.armed < next->second.armed));
  if (alarmFirst) {
    now_ = std::max(now_, alarm->second.due);
    std::function<void()> call = std::move(alarm->second.call);
    alarms_.erase(alarm);
    ++dispatched_;
    call();
    return true;
  }
  if (next == timers_.end()) return false;
  auto [window, id] = next->first;
  Timer& timer = next->second;
  now_ = std::max(now_, timer.due);
  // An overdue timer fires once and then keeps its period from now.
  timer.due = now_ + timer.periodMs;
  timer.armed = ++armCount_;
  ++dispatched_;
  WindowEvents::Timer(window, id);
  return true;
}

void EventLoop::Advance(std::int64_t ms) {
  std::int64_t end = now_ + std::max<std::int64_t>(ms, 0);
  RunPending();
  while (FireNext(end)) RunPending();
  now_ = std::max(now_, end);
}

}  // namespace platform::headless

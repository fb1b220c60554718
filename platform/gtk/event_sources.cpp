#include "platform/gtk/event_sources.h"

#include <algorithm>

#include "platform/window_events.h"

namespace platform::gtk {

namespace {

// Posted messages come before the toolkit's input and redraws; paints of the
// backing bitmaps after posted messages and before input and timers, so a frame
// the toolkit draws shows them.
constexpr int kPostedPriority = G_PRIORITY_HIGH;
constexpr int kPaintPriority = G_PRIORITY_HIGH / 2;
constexpr int kTimerPriority = G_PRIORITY_DEFAULT;

struct TimerTarget {
  WindowHandle window;
  int id;
};

gboolean FireTimer(gpointer data) {
  auto* target = static_cast<TimerTarget*>(data);
  WindowEvents::Timer(target->window, target->id);
  return G_SOURCE_CONTINUE;
}

void DeleteTimerTarget(gpointer data) { delete static_cast<TimerTarget*>(data); }

void DestroySource(GSource* source) {
  g_source_destroy(source);
  g_source_unref(source);
}

}  // namespace

struct EventSources::QueueSource {
  GSource base;
  EventSources* owner;
  bool posted;  // the posted-message queue, else the paint queue
};

GSourceFuncs EventSources::queueFuncs_ = {&EventSources::Prepare, &EventSources::Check,
                                          &EventSources::Dispatch, nullptr, nullptr, nullptr};

EventSources::EventSources() {
  postedSource_ = NewQueueSource(kPostedPriority, true);
  paintSource_ = NewQueueSource(kPaintPriority, false);
}

EventSources::~EventSources() {
  DestroySource(postedSource_);
  DestroySource(paintSource_);
  for (auto& [key, source] : timers_) DestroySource(source);
}

GSource* EventSources::NewQueueSource(int priority, bool posted) {
  GSource* source = g_source_new(&queueFuncs_, sizeof(QueueSource));
  auto* queue = reinterpret_cast<QueueSource*>(source);
  queue->owner = this;
  queue->posted = posted;
  g_source_set_priority(source, priority);
  g_source_set_can_recurse(source, TRUE);
  g_source_set_name(source, posted ? "zelvik posted messages" : "zelvik paints");
  g_source_attach(source, nullptr);
  return source;
}

gboolean EventSources::Prepare(GSource* source, gint* timeout) {
  *timeout = -1;
  return Check(source);
}

gboolean EventSources::Check(GSource* source) {
  auto* queue = reinterpret_cast<QueueSource*>(source);
  return queue->owner->HasWork(queue->posted);
}

gboolean EventSources::Dispatch(GSource* source, GSourceFunc, gpointer) {
  auto* queue = reinterpret_cast<QueueSource*>(source);
  queue->owner->RunOne(queue->posted);
  return G_SOURCE_CONTINUE;
}

bool EventSources::HasWork(bool posted) {
  if (!posted) return !paints_.empty();
  std::lock_guard lock(postedMutex_);
  return !posted_.empty();
}

void EventSources::RunOne(bool posted) {
  if (posted) {
    std::pair<WindowHandle, Message> item;
    {
      std::lock_guard lock(postedMutex_);
      if (posted_.empty()) return;
      item = posted_.front();
      posted_.pop_front();
    }
    WindowEvents::Posted(item.first, item.second);
    return;
  }
  if (paints_.empty()) return;
  WindowHandle window = paints_.front();
  paints_.pop_front();
  WindowEvents::Paint(window);
}

void EventSources::SetTimer(WindowHandle window, int id, int periodMs) {
  KillTimer(window, id);
  GSource* source = g_timeout_source_new(static_cast<guint>(std::max(periodMs, 1)));
  g_source_set_priority(source, kTimerPriority);
  g_source_set_can_recurse(source, TRUE);
  g_source_set_callback(source, FireTimer, new TimerTarget{window, id}, DeleteTimerTarget);
  g_source_attach(source, nullptr);
  timers_[{window, id}] = source;
}

void EventSources::KillTimer(WindowHandle window, int id) {
  auto it = timers_.find({window, id});
  if (it == timers_.end()) return;
  GSource* source = it->second;
  timers_.erase(it);
  DestroySource(source);
}

void EventSources::Post(WindowHandle window, const Message& message) {
  {
    std::lock_guard lock(postedMutex_);
    posted_.emplace_back(window, message);
  }
  g_main_context_wakeup(nullptr);
}

void EventSources::SchedulePaint(WindowHandle window) {
  if (std::find(paints_.begin(), paints_.end(), window) == paints_.end()) paints_.push_back(window);
}

void EventSources::Drop(WindowHandle window) {
  {
    std::lock_guard lock(postedMutex_);
    std::erase_if(posted_, [window](const auto& item) { return item.first == window; });
  }
  std::erase(paints_, window);
  for (auto it = timers_.begin(); it != timers_.end();) {
    if (it->first.first == window) {
      DestroySource(it->second);
      it = timers_.erase(it);
    } else {
      ++it;
    }
  }
}

}  // namespace platform::gtk

#pragma once

#include <glib.h>

#include <deque>
#include <map>
#include <mutex>
#include <utility>

#include "platform/messages.h"
#include "platform/window.h"

namespace platform::gtk {

// The program's events on the GLib main loop: posted messages in a FIFO, paints,
// and timers by (window, id). Posted messages run first, one per loop iteration,
// ahead of the toolkit's input; paints next; timers and input after them.
// Every source may run inside a nested loop that one of its own handlers started
// (a modal run from a timer or a posted message).
class EventSources {
 public:
  EventSources();
  ~EventSources();
  EventSources(const EventSources&) = delete;
  EventSources& operator=(const EventSources&) = delete;

  void SetTimer(WindowHandle window, int id, int periodMs);
  void KillTimer(WindowHandle window, int id);
  // May be called from any thread.
  void Post(WindowHandle window, const Message& message);
  void SchedulePaint(WindowHandle window);
  // Drops the window's timers, posted messages and paints.
  void Drop(WindowHandle window);

 private:
  struct QueueSource;
  static gboolean Prepare(GSource* source, gint* timeout);
  static gboolean Check(GSource* source);
  static gboolean Dispatch(GSource* source, GSourceFunc, gpointer);
  static GSourceFuncs queueFuncs_;

  GSource* NewQueueSource(int priority, bool posted);
  bool HasWork(bool posted);
  void RunOne(bool posted);

  std::mutex postedMutex_;
  std::deque<std::pair<WindowHandle, Message>> posted_;
  std::deque<WindowHandle> paints_;
  std::map<std::pair<WindowHandle, int>, GSource*> timers_;
  GSource* postedSource_ = nullptr;
  GSource* paintSource_ = nullptr;
};

}  // namespace platform::gtk

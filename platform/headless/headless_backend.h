#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/headless/desktop.h"
#include "platform/headless/event_loop.h"
#include "platform/headless/headless_list_view.h"
#include "platform/headless/headless_media_graph.h"
#include "platform/headless/headless_window.h"
#include "platform/headless/scripted_choosers.h"

namespace platform::headless {

struct MessageBoxRecord {
  std::string text;
  WindowHandle owner = 0;  // 0 when the box had no owner
  std::string title;
};

// The operating system simulated for tests, deterministically: virtual time, an
// in-memory screen with a stacking order, input at screen points, and scripted
// answers to message boxes. Nothing happens until the test drives it.
class HeadlessBackend : public Backend {
 public:
  static constexpr std::int64_t kDefaultModalQuietMs = 60'000;

  HeadlessBackend();
  ~HeadlessBackend() override;

  // ---- Backend ----
  std::unique_ptr<NativeWindow> CreateNativeWindow(Window& window) override;
  void SetTimer(WindowHandle window, int id, int periodMs) override;
  void KillTimer(WindowHandle window, int id) override;
  void Post(WindowHandle window, const Message& message) override;
  void SchedulePaint(WindowHandle window) override;
  void WindowDestroyed(WindowHandle window) override;
  // Runs pending work and fires timers one by one until `done`. When nothing at
  // all is left to do, or the run has gone on for the quiet time without ending,
  // the modal idle hook runs (the test acts there: clicks a button, presses a key);
  // without a hook, or when it answers false, the run is abandoned.
  void RunModalLoop(const std::function<bool()>& done) override;
  std::int64_t NowMs() override { return loop_.Now(); }
  // Recorded and answered with OK at once; the hook runs while the box is open.
  void ShowMessageBox(Window* owner, const std::string& text) override;
  std::string ProgramPath() override { return programPath_; }
  bool IsOnline() override { return online_; }
  void SetApplicationName(const std::string& name) override { applicationName_ = name; }
  const std::string& ApplicationName() const { return applicationName_; }
  std::unique_ptr<MediaGraph> CreateMediaGraph() override;
  std::unique_ptr<ListView> CreateListView(Window& parent, Rect bounds, ListViewEvents& events) override;
  std::optional<std::string> ChooseFolder(Window* owner, const std::string& title,
                                          const std::string& startFolder) override;
  std::optional<std::string> ChooseFileToOpen(Window* owner, const std::vector<FileFilter>& filters) override;

  // ---- Time ----
  std::int64_t Now() const { return loop_.Now(); }
  // Posted messages in order, then pending paints, until none is left.
  void RunPending() { loop_.RunPending(); }
  // Everything due up to now + ms, timer by timer; the clock ends at now + ms.
  void Advance(std::int64_t ms) { loop_.Advance(ms); }
  // Like Advance, but stops as soon as `done` holds (checked after pending work
  // and after each timer); returns done().
  bool AdvanceUntil(const std::function<bool()>& done, std::int64_t maxMs);

  // ---- Modal runs ----
  void SetModalIdleHook(std::function<bool()> hook, std::int64_t quietAfterMs = kDefaultModalQuietMs);
  int AbandonedModalRuns() const { return abandonedModalRuns_; }

  // ---- Inspection ----
  bool TimerRuns(const Window& window, int id) const { return TimerPeriod(window, id).has_value(); }
  std::optional<int> TimerPeriod(const Window& window, int id) const;
  std::optional<std::int64_t> TimerDue(const Window& window, int id) const;
  std::vector<int> TimerIds(const Window& window) const;  // the platform's own hover timer included
  std::vector<Message> PendingMessages(const Window& window) const;
  bool HasPendingWork() const { return loop_.HasPendingWork(); }
  bool IsOnScreen(const Window& window) const { return desktop_.IsOnScreen(window); }
  // The screen's side of a window: title, icon, minimised, input enabled, presents.
  HeadlessWindow* Native(const Window& window) const { return desktop_.Find(window.Handle()); }
  std::vector<Window*> TopLevels() const { return desktop_.TopLevels(); }  // bottom to top
  Window* TopWindow() const { return desktop_.TopWindow(); }
  Window* WindowAt(Point screen) const { return desktop_.WindowAt(screen); }

  // ---- Screen ----
  // What the screen shows of a window and its visible children, clipped to it.
  Bitmap Screenshot(const Window& window) const { return desktop_.Compose(window); }
  Bitmap ScreenArea(Rect area) const { return desktop_.ComposeArea(area); }
  Colour ScreenPixel(Point screen) const;
  static Point ScreenPointOf(const Window& window, Point client);

  // ---- Input at screen points; pending work runs before and after each event ----
  Point Pointer() const { return pointer_; }
  bool ButtonDown() const { return buttonDown_; }
  void MoveMouse(Point screen);
  // Press and Release move the pointer to the point first when it is elsewhere.
  void Press(Point screen);
  void Release(Point screen);
  void Click(Point screen);
  // As the system delivers it: down, up, double click, up.
  void DoubleClick(Point screen);
  // Press at `from`, `steps` moves along the way, release at `to`.
  void Drag(Point from, Point to, int steps = 4);
  // To the active window (the top one), or to the given top-level window.
  void PressKey(Key key);
  void PressKey(Window& topLevel, Key key);
  // The window manager: restore a minimised window, close a window.
  void Restore(Window& topLevel);
  void RequestClose(Window& topLevel);

  // ---- Scripted system ----
  const std::vector<MessageBoxRecord>& MessageBoxes() const { return messageBoxes_; }
  void SetMessageBoxHook(std::function<void(const MessageBoxRecord&)> hook) { messageBoxHook_ = std::move(hook); }
  void SetProgramPath(std::string path) { programPath_ = std::move(path); }
  void SetOnline(bool online) { online_ = online; }
  // What simulated clips show; by default a plain frame whose shade follows the second.
  void SetPictureSource(PictureSource source) { pictures_ = std::move(source); }
  ScriptedChoosers& Choosers() { return choosers_; }
  // The graphs made so far that still exist, oldest first.
  std::vector<HeadlessMediaGraph*> MediaGraphs() const;
  // The list views made so far that still exist, oldest first.
  std::vector<HeadlessListView*> ListViews() const;
  // A handle that stops answering once this backend is gone.
  std::weak_ptr<HeadlessBackend> WeakSelf() { return std::shared_ptr<HeadlessBackend>(lifetime_, this); }
  void Forget(HeadlessMediaGraph* graph) { std::erase(graphs_, graph); }
  void Forget(HeadlessListView* list) { std::erase(lists_, list); }

  EventLoop& Loop() { return loop_; }
  Desktop& Screen() { return desktop_; }

 private:
  // The window that takes input at a point: none over a window whose top-level
  // window does not take input (a modal run or a message box is over it).
  Window* InputWindowAt(Point screen) const;
  bool TakesInput(Window& window) const;
  std::uint64_t Activity() const { return loop_.Dispatched(); }

  EventLoop loop_;
  Desktop desktop_{loop_};
  Point pointer_{-1, -1};
  bool buttonDown_ = false;
  std::function<bool()> modalIdleHook_;
  std::int64_t modalQuietMs_ = kDefaultModalQuietMs;
  int abandonedModalRuns_ = 0;
  std::vector<MessageBoxRecord> messageBoxes_;
  std::function<void(const MessageBoxRecord&)> messageBoxHook_;
  std::string programPath_ = "/opt/zelvik/zelvik-player";
  bool online_ = true;
  std::string applicationName_;
  PictureSource pictures_;
  ScriptedChoosers choosers_;
  std::vector<HeadlessMediaGraph*> graphs_;
  std::vector<HeadlessListView*> lists_;
  // Graphs and list views may outlive the backend: they reach it through this.
  std::shared_ptr<int> lifetime_ = std::make_shared<int>(0);
};

}  // namespace platform::headless

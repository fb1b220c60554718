#pragma once

#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/headless/event_loop.h"
#include "platform/headless/headless_window.h"

namespace platform::headless {

// The simulated screen: every native window, the stacking order of the top-level
// ones (bottom to top; owned windows stay above their owner), what lies under a
// screen point, what the screen shows, and the window manager's move and minimise.
class Desktop {
 public:
  explicit Desktop(EventLoop& loop) : loop_(loop) {}
  ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  std::unique_ptr<NativeWindow> Create(Window& window);
  void Forget(HeadlessWindow& native);
  HeadlessWindow* Find(WindowHandle handle) const;

  // Puts a top-level window on top, with the windows it owns above it.
  void Raise(HeadlessWindow& native);
  // Top-level windows from bottom to top.
  std::vector<Window*> TopLevels() const;
  // The topmost top-level window that is visible and not minimised.
  Window* TopWindow() const;
  // The window under a screen point: the topmost top-level there, then its
  // topmost visible child there, recursively. A disabled child passes the point
  // to its parent; hidden and minimised windows are not there.
  Window* WindowAt(Point screen) const;
  // A window is on the screen when it and its ancestors are visible and its
  // top-level window is not minimised.
  bool IsOnScreen(const Window& window) const;

  // What the screen shows of a window and its visible children, clipped to it.
  Bitmap Compose(const Window& window) const;
  // What the screen shows in an area: every top-level window on the screen, in
  // stacking order, over a black desktop.
  Bitmap ComposeArea(Rect area) const;

  void Minimize(HeadlessWindow& native);
  void Restore(Window& topLevel);

  void BeginMoveDrag(HeadlessWindow& native, Point screenPoint);
  bool Dragging() const { return drag_.has_value(); }
  void DragTo(Point screenPoint);
  void EndDrag() { drag_.reset(); }

 private:
  struct MoveDrag {
    WindowHandle window = 0;
    Point pointerStart;
    Point originStart;
  };

  void ComposeInto(Bitmap& out, const Window& window, Point at, Rect clip) const;
  void RaiseOwned(const Window& owner);

  EventLoop& loop_;
  std::unordered_map<WindowHandle, HeadlessWindow*> natives_;
  std::vector<HeadlessWindow*> stack_;  // top-level windows, bottom to top
  std::optional<MoveDrag> drag_;
};

}  // namespace platform::headless

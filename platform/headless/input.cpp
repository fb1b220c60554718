// The user's hand on the simulated desktop: pointer and keyboard events at screen
// points, handed to the window core as the window system would deliver them.

#include "platform/headless/headless_backend.h"
#include "platform/window_events.h"

namespace platform::headless {

bool HeadlessBackend::TakesInput(Window& window) const {
  HeadlessWindow* top = desktop_.Find(window.TopLevel().Handle());
  return top != nullptr && top->InputEnabled();
}

Window* HeadlessBackend::InputWindowAt(Point screen) const {
  Window* under = desktop_.WindowAt(screen);
  return under != nullptr && TakesInput(*under) ? under : nullptr;
}

void HeadlessBackend::MoveMouse(Point screen) {
  loop_.RunPending();
  loop_.CountDispatch();
  pointer_ = screen;
  if (desktop_.Dragging()) {
    // The window manager moves the window; the program sees no pointer events.
    desktop_.DragTo(screen);
  } else {
    WindowEvents::MouseMove(InputWindowAt(screen), screen);
  }
  loop_.RunPending();
}

void HeadlessBackend::Press(Point screen) {
  if (screen != pointer_) MoveMouse(screen);
  loop_.RunPending();
  loop_.CountDispatch();
  buttonDown_ = true;
  WindowEvents::LButtonDown(InputWindowAt(screen), screen);
  loop_.RunPending();
}

void HeadlessBackend::Release(Point screen) {
  if (screen != pointer_) MoveMouse(screen);
  loop_.RunPending();
  loop_.CountDispatch();
  buttonDown_ = false;
  if (desktop_.Dragging()) {
    desktop_.EndDrag();
  } else {
    WindowEvents::LButtonUp(InputWindowAt(screen), screen);
  }
  loop_.RunPending();
}

void HeadlessBackend::Click(Point screen) {
  Press(screen);
  Release(screen);
}

void HeadlessBackend::DoubleClick(Point screen) {
  Press(screen);
  Release(screen);
  loop_.CountDispatch();
  WindowEvents::LButtonDblClk(InputWindowAt(screen), screen);
  loop_.RunPending();
  Release(screen);
}

void HeadlessBackend::Drag(Point from, Point to, int steps) {
  Press(from);
  steps = std::max(steps, 1);
  for (int i = 1; i <= steps; ++i)
    MoveMouse({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
  Release(to);
}

void HeadlessBackend::PressKey(Key key) {
  loop_.RunPending();
  if (Window* top = desktop_.TopWindow()) PressKey(*top, key);
}

void HeadlessBackend::PressKey(Window& topLevel, Key key) {
  loop_.RunPending();
  loop_.CountDispatch();
  if (TakesInput(topLevel)) WindowEvents::KeyDown(topLevel, key);
  loop_.RunPending();
}

void HeadlessBackend::Restore(Window& topLevel) {
  loop_.RunPending();
  loop_.CountDispatch();
  desktop_.Restore(topLevel);
  loop_.RunPending();
}

void HeadlessBackend::RequestClose(Window& topLevel) {
  loop_.RunPending();
  loop_.CountDispatch();
  if (TakesInput(topLevel)) WindowEvents::CloseRequested(topLevel);
  loop_.RunPending();
}

}  // namespace platform::headless

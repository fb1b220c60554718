#pragma once

#include <string>

#include "platform/geometry.h"
#include "platform/raster/bitmap.h"

namespace platform {

// A backend's side of one window. The window keeps its own state (bounds,
// visibility, backing bitmap); the native window makes the screen follow it.
class NativeWindow {
 public:
  virtual ~NativeWindow() = default;

  virtual void SetVisible(bool visible) = 0;
  // In the parent's client area for a child, on the screen for a top-level window.
  virtual void SetBounds(Rect bounds) = 0;
  // The backing bitmap changed inside `dirty` (client coordinates).
  virtual void Present(Rect dirty) = 0;
  virtual void SetTitle(const std::string& title) = 0;
  virtual void SetIcon(const Bitmap& icon) = 0;
  virtual void Minimize() = 0;
  // Moves a top-level window with the pointer until the left button is released.
  virtual void BeginMoveDrag(Point screenPoint) = 0;
  // A modal run of another window begins (false) or ends (true) over this one.
  virtual void SetInputEnabled(bool enabled) = 0;
};

}  // namespace platform

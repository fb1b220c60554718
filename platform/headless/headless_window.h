#pragma once

#include <string>

#include "platform/native_window.h"
#include "platform/window.h"

namespace platform::headless {

class Desktop;

// The simulated screen's side of one window. It keeps its own copy of what the
// screen shows of the window: the backing bitmap reaches it only where the core
// presents a change, or all of it when the window is shown, so drawing that
// bypasses the device context never shows (as on a real screen).
class HeadlessWindow : public NativeWindow {
 public:
  HeadlessWindow(Desktop& desktop, Window& window);
  ~HeadlessWindow() override;

  void SetVisible(bool visible) override;
  void SetBounds(Rect bounds) override;
  void Present(Rect dirty) override;
  void SetTitle(const std::string& title) override { title_ = title; }
  void SetIcon(const Bitmap& icon) override { icon_ = icon; }
  void Minimize() override;
  void BeginMoveDrag(Point screenPoint) override;
  void SetInputEnabled(bool enabled) override { inputEnabled_ = enabled; }

  Window& GetWindow() const { return window_; }
  WindowHandle Handle() const { return handle_; }
  const Bitmap& Shown() const { return shown_; }
  const std::string& Title() const { return title_; }
  const Bitmap& Icon() const { return icon_; }
  bool Minimized() const { return minimized_; }
  void SetMinimized(bool minimized) { minimized_ = minimized; }
  bool InputEnabled() const { return inputEnabled_; }
  int PresentCount() const { return presents_; }

  // The desktop is gone (the backend was removed before the window).
  void Detach() { desktop_ = nullptr; }

 private:
  Desktop* desktop_;
  Window& window_;
  WindowHandle handle_;
  Bitmap shown_;
  std::string title_;
  Bitmap icon_;
  bool minimized_ = false;
  bool inputEnabled_ = true;
  int presents_ = 0;
};

}  // namespace platform::headless

#pragma once

#include <gtk/gtk.h>

#include "platform/native_window.h"
#include "platform/window.h"

namespace platform::gtk {

// A window on the GTK desktop. A top-level window is an undecorated, fixed-size
// GtkWindow whose content is the window's widget; a child window's widget lies in
// its parent's widget at its pixel position. The widget shows the backing bitmap.
class GtkNativeWindow final : public NativeWindow {
 public:
  explicit GtkNativeWindow(Window& window);
  ~GtkNativeWindow() override;
  GtkNativeWindow(const GtkNativeWindow&) = delete;
  GtkNativeWindow& operator=(const GtkNativeWindow&) = delete;

  // The native window of a created window of this backend, or null.
  static GtkNativeWindow* Of(const Window& window);

  // The widget that shows the window and holds its children's widgets.
  GtkWidget* Widget() const { return widget_; }
  // The GtkWindow of a top-level window; null for a child window.
  GtkWidget* GtkTopLevel() const { return toplevel_; }

  void SetVisible(bool visible) override;
  void SetBounds(Rect bounds) override;
  void Present(Rect dirty) override;
  void SetTitle(const std::string& title) override;
  void SetIcon(const Bitmap& icon) override;
  void Minimize() override;
  void BeginMoveDrag(Point screenPoint) override;
  void SetInputEnabled(bool enabled) override;

 private:
  void CreateTopLevel();
  void CreateChild();
  // A window manager would do it: the owner of the active window takes over when it goes.
  void ActivateOwnerIfActive();

  Window& window_;
  WindowHandle handle_;
  GtkWidget* toplevel_ = nullptr;
  GtkWidget* widget_ = nullptr;
};

// The GtkWindow showing a window's top-level window, or null.
GtkWindow* GtkWindowOf(const Window& window);

}  // namespace platform::gtk

#include "platform/gtk/gtk_native_window.h"

#include <unordered_map>

#include "platform/gtk/input_gate.h"
#include "platform/gtk/pixbufs.h"
#include "platform/gtk/toplevel_events.h"
#include "platform/gtk/window_widget.h"
#include "platform/gtk/x11_desktop.h"

namespace platform::gtk {

namespace {

std::unordered_map<WindowHandle, GtkNativeWindow*>& Natives() {
  static std::unordered_map<WindowHandle, GtkNativeWindow*> natives;
  return natives;
}

// Shows the window and gives it the keyboard. GTK asks for the focus of a window
// that is already mapped only, so the window is mapped first.
void ShowActive(GtkWindow* window) {
  gtk_widget_show(GTK_WIDGET(window));
  gtk_window_present(window);
}

}  // namespace

GtkNativeWindow::GtkNativeWindow(Window& window) : window_(window), handle_(window.Handle()) {
  Natives()[handle_] = this;
  if (window.Parent() == nullptr) {
    CreateTopLevel();
  } else {
    CreateChild();
  }
}

GtkNativeWindow::~GtkNativeWindow() {
  Natives().erase(handle_);
  DetachWindowWidget(widget_);
  if (toplevel_ != nullptr) {
    DisconnectTopLevelEvents(toplevel_, window_);
    ActivateOwnerIfActive();
    gtk_widget_destroy(toplevel_);
  } else {
    gtk_widget_destroy(widget_);
    g_object_unref(widget_);
  }
}

void GtkNativeWindow::ActivateOwnerIfActive() {
  GtkWindow* owner = gtk_window_get_transient_for(GTK_WINDOW(toplevel_));
  if (owner != nullptr && gtk_window_is_active(GTK_WINDOW(toplevel_)) && gtk_widget_get_visible(GTK_WIDGET(owner)))
    ShowActive(owner);
}

GtkNativeWindow* GtkNativeWindow::Of(const Window& window) {
  auto it = Natives().find(window.Handle());
  return it == Natives().end() ? nullptr : it->second;
}

void GtkNativeWindow::CreateTopLevel() {
  Rect bounds = window_.Bounds();
  toplevel_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  GtkWindow* gtkWindow = GTK_WINDOW(toplevel_);
  gtk_window_set_decorated(gtkWindow, FALSE);
  gtk_window_set_resizable(gtkWindow, FALSE);
  gtk_window_set_title(gtkWindow, window_.Title().c_str());
  if (window_.Owner() != nullptr) {
    if (GtkWindow* owner = GtkWindowOf(*window_.Owner())) gtk_window_set_transient_for(gtkWindow, owner);
  }
  gtk_window_move(gtkWindow, bounds.x, bounds.y);
  widget_ = NewWindowWidget(window_, bounds.GetSize());
  gtk_container_add(GTK_CONTAINER(toplevel_), widget_);
  gtk_widget_show(widget_);
  ConnectTopLevelEvents(toplevel_, window_);
  if (window_.IsVisible()) ShowActive(gtkWindow);
}

void GtkNativeWindow::CreateChild() {
  Rect bounds = window_.Bounds();
  widget_ = NewWindowWidget(window_, bounds.GetSize());
  g_object_ref_sink(widget_);
  if (GtkNativeWindow* parent = Of(*window_.Parent())) {
    gtk_fixed_put(GTK_FIXED(parent->widget_), widget_, bounds.x, bounds.y);
  }
  gtk_widget_set_visible(widget_, window_.IsVisible());
}

void GtkNativeWindow::SetVisible(bool visible) {
  if (toplevel_ == nullptr) {
    gtk_widget_set_visible(widget_, visible);
    return;
  }
  if (visible) {
    Rect bounds = window_.Bounds();
    gtk_window_move(GTK_WINDOW(toplevel_), bounds.x, bounds.y);
    // Showing a window activates it, and its owner is active again when it goes.
    ShowActive(GTK_WINDOW(toplevel_));
  } else {
    ActivateOwnerIfActive();
    gtk_widget_hide(toplevel_);
  }
}

void GtkNativeWindow::SetBounds(Rect bounds) {
  SetWindowWidgetSize(widget_, bounds.GetSize());
  if (toplevel_ != nullptr) {
    gtk_window_move(GTK_WINDOW(toplevel_), bounds.x, bounds.y);
    return;
  }
  if (GtkWidget* parent = gtk_widget_get_parent(widget_)) {
    gtk_fixed_move(GTK_FIXED(parent), widget_, bounds.x, bounds.y);
  }
}

void GtkNativeWindow::Present(Rect dirty) { RedrawWindowWidget(widget_, dirty); }

void GtkNativeWindow::SetTitle(const std::string& title) {
  if (toplevel_ != nullptr) gtk_window_set_title(GTK_WINDOW(toplevel_), title.c_str());
}

void GtkNativeWindow::SetIcon(const Bitmap& icon) {
  if (toplevel_ == nullptr || icon.Empty()) return;
  GdkPixbuf* pixbuf = PixbufFromBitmap(icon);
  if (pixbuf == nullptr) return;
  gtk_window_set_icon(GTK_WINDOW(toplevel_), pixbuf);
  g_object_unref(pixbuf);
}

void GtkNativeWindow::Minimize() {
  if (toplevel_ == nullptr) return;
  GdkWindow* gdkWindow = gtk_widget_get_window(toplevel_);
  if (gdkWindow != nullptr && gdk_window_is_visible(gdkWindow) && !WindowManagerRuns(gdkWindow)) {
    IconifyWithoutWindowManager(gdkWindow);
    return;
  }
  gtk_window_iconify(GTK_WINDOW(toplevel_));
}

void GtkNativeWindow::BeginMoveDrag(Point screenPoint) {
  if (toplevel_ == nullptr) return;
  // Handed to the window manager where one offers the move; without one, GDK
  // moves the window with the pointer itself until the button is released.
  gtk_window_begin_move_drag(GTK_WINDOW(toplevel_), 1, screenPoint.x, screenPoint.y,
                             gtk_get_current_event_time());
}

void GtkNativeWindow::SetInputEnabled(bool enabled) {
  if (toplevel_ != nullptr) SetTopLevelInputEnabled(toplevel_, enabled);
}

GtkWindow* GtkWindowOf(const Window& window) {
  Window& top = const_cast<Window&>(window).TopLevel();
  GtkNativeWindow* native = GtkNativeWindow::Of(top);
  return native != nullptr && native->GtkTopLevel() != nullptr ? GTK_WINDOW(native->GtkTopLevel()) : nullptr;
}

}  // namespace platform::gtk

#include "platform/gtk/x11_desktop.h"

#include <X11/Xlib.h>
#include <gdk/gdkx.h>

namespace platform::gtk {

bool WindowManagerRuns(GdkWindow* window) {
  GdkDisplay* display = gdk_window_get_display(window);
  if (!GDK_IS_X11_DISPLAY(display)) return true;
  XWindowAttributes root{};
  Display* xdisplay = gdk_x11_display_get_xdisplay(display);
  if (XGetWindowAttributes(xdisplay, gdk_x11_get_default_root_xwindow(), &root) == 0) return true;
  return (root.all_event_masks & SubstructureRedirectMask) != 0;
}

void IconifyWithoutWindowManager(GdkWindow* window) {
  GdkDisplay* display = gdk_window_get_display(window);
  if (!GDK_IS_X11_DISPLAY(display)) return;
  XUnmapWindow(gdk_x11_display_get_xdisplay(display), gdk_x11_window_get_xid(window));
  XFlush(gdk_x11_display_get_xdisplay(display));
}

}  // namespace platform::gtk

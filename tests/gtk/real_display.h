#pragma once

// Helpers for tests on the GTK backend under a real X display (Xvfb): running the
// GLib main loop, input through the X server's XTest extension (the path a real
// pointer and keyboard take) and the screen read back from the server.

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <algorithm>
#include <functional>

#include "platform/geometry.h"
#include "platform/gtk/gtk_native_window.h"
#include "platform/messages.h"
#include "platform/raster/bitmap.h"
#include "platform/window.h"

namespace real_display {

inline Display* XDisplay() { return gdk_x11_display_get_xdisplay(gdk_display_get_default()); }

inline gboolean SetFlag(gpointer flag) {
  *static_cast<bool*>(flag) = true;
  return G_SOURCE_REMOVE;
}

inline gboolean KeepWaking(gpointer) { return G_SOURCE_CONTINUE; }

// Runs the main loop until `done` holds or `timeoutMs` passed; returns done().
inline bool RunUntil(const std::function<bool()>& done, int timeoutMs) {
  bool expired = false;
  GSource* deadline = g_timeout_source_new(static_cast<guint>(std::max(timeoutMs, 0)));
  g_source_set_callback(deadline, SetFlag, &expired, nullptr);
  g_source_attach(deadline, nullptr);
  // Conditions may depend on the X server alone (pixels): look again now and then.
  GSource* waker = g_timeout_source_new(5);
  g_source_set_callback(waker, KeepWaking, nullptr, nullptr);
  g_source_attach(waker, nullptr);
  bool result = done();
  while (!result && !expired) {
    g_main_context_iteration(nullptr, TRUE);
    result = done();
  }
  g_source_destroy(waker);
  g_source_unref(waker);
  g_source_destroy(deadline);
  g_source_unref(deadline);
  return result;
}

inline void RunFor(int ms) {
  RunUntil([] { return false; }, ms);
}

// Lets the X server finish what was sent and runs the events that came of it.
inline void Pump() {
  XSync(XDisplay(), False);
  gint64 end = g_get_monotonic_time() + 500'000;
  while (g_main_context_pending(nullptr) && g_get_monotonic_time() < end) g_main_context_iteration(nullptr, FALSE);
}

inline void MovePointer(platform::Point screen) {
  XTestFakeMotionEvent(XDisplay(), -1, screen.x, screen.y, CurrentTime);
  Pump();
}

inline void LeftButton(bool down) {
  XTestFakeButtonEvent(XDisplay(), 1, down ? True : False, CurrentTime);
  Pump();
}

inline KeySym KeySymOf(platform::Key key) {
  switch (key) {
    case platform::Key::Enter: return XK_Return;
    case platform::Key::Escape: return XK_Escape;
    case platform::Key::Tab: return XK_Tab;
    case platform::Key::Space: return XK_space;
    case platform::Key::Left: return XK_Left;
    case platform::Key::Right: return XK_Right;
    case platform::Key::Up: return XK_Up;
    case platform::Key::Down: return XK_Down;
    case platform::Key::PageUp: return XK_Prior;
    case platform::Key::PageDown: return XK_Next;
    case platform::Key::Home: return XK_Home;
    case platform::Key::End: return XK_End;
    case platform::Key::Other: break;
  }
  return XK_a;
}

// Gives the keyboard focus to the top-level window of `window` (without raising it).
inline void FocusTopLevel(platform::Window& window) {
  GtkWindow* gtkWindow = platform::gtk::GtkWindowOf(window);
  if (gtkWindow == nullptr) return;
  GdkWindow* gdkWindow = gtk_widget_get_window(GTK_WIDGET(gtkWindow));
  if (gdkWindow == nullptr || !gdk_window_is_viewable(gdkWindow)) return;
  GdkDisplay* display = gdk_display_get_default();
  gdk_x11_display_error_trap_push(display);
  XSetInputFocus(XDisplay(), gdk_x11_window_get_xid(gdkWindow), RevertToParent, CurrentTime);
  gdk_x11_display_error_trap_pop_ignored(display);
  Pump();
}

// Presses and releases a key as the keyboard would, to the window with the focus;
// with a modifier key (such as XK_Shift_L) held, when one is given.
inline void TypeKeySym(KeySym keysym, KeySym modifier = NoSymbol) {
  KeyCode modifierCode = modifier != NoSymbol ? XKeysymToKeycode(XDisplay(), modifier) : 0;
  KeyCode code = XKeysymToKeycode(XDisplay(), keysym);
  if (modifierCode != 0) XTestFakeKeyEvent(XDisplay(), modifierCode, True, CurrentTime);
  XTestFakeKeyEvent(XDisplay(), code, True, CurrentTime);
  XTestFakeKeyEvent(XDisplay(), code, False, CurrentTime);
  if (modifierCode != 0) XTestFakeKeyEvent(XDisplay(), modifierCode, False, CurrentTime);
  Pump();
}

// The window manager's close request (WM_DELETE_WINDOW) to a top-level window.
inline void SendCloseRequest(platform::Window& topLevel) {
  GtkWindow* gtkWindow = platform::gtk::GtkWindowOf(topLevel);
  if (gtkWindow == nullptr) return;
  ::Window xid = gdk_x11_window_get_xid(gtk_widget_get_window(GTK_WIDGET(gtkWindow)));
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = xid;
  event.xclient.message_type = XInternAtom(XDisplay(), "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(XDisplay(), "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(XDisplay(), xid, False, NoEventMask, &event);
  Pump();
}

inline void OnAfterPaint(GdkFrameClock*, gpointer painted) { *static_cast<bool*>(painted) = true; }

// Waits until the toolkit has drawn a frame of the window's top-level window.
inline void WaitForFrame(platform::Window& window) {
  GtkWindow* gtkWindow = platform::gtk::GtkWindowOf(window);
  GdkWindow* gdkWindow = gtkWindow != nullptr ? gtk_widget_get_window(GTK_WIDGET(gtkWindow)) : nullptr;
  if (gdkWindow == nullptr || !gdk_window_is_viewable(gdkWindow)) return;
  GdkFrameClock* clock = gdk_window_get_frame_clock(gdkWindow);
  bool painted = false;
  gulong handler = g_signal_connect(clock, "after-paint", G_CALLBACK(OnAfterPaint), &painted);
  gdk_frame_clock_request_phase(clock, GDK_FRAME_CLOCK_PHASE_PAINT);
  RunUntil([&] { return painted; }, 2000);
  g_signal_handler_disconnect(clock, handler);
}

// What the screen shows in `area`, read from the X server (black outside the screen).
inline platform::Bitmap ReadScreen(platform::Rect area) {
  platform::Bitmap bitmap(std::max(area.width, 0), std::max(area.height, 0));
  GdkWindow* root = gdk_get_default_root_window();
  int x0 = std::max(area.x, 0), y0 = std::max(area.y, 0);
  int x1 = std::min(area.Right(), gdk_window_get_width(root));
  int y1 = std::min(area.Bottom(), gdk_window_get_height(root));
  if (x1 <= x0 || y1 <= y0) return bitmap;
  XSync(XDisplay(), False);
  GdkPixbuf* pixbuf = gdk_pixbuf_get_from_window(root, x0, y0, x1 - x0, y1 - y0);
  if (pixbuf == nullptr) return bitmap;
  const guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
  int stride = gdk_pixbuf_get_rowstride(pixbuf), channels = gdk_pixbuf_get_n_channels(pixbuf);
  for (int y = y0; y < y1; ++y) {
    const guchar* p = pixels + static_cast<std::ptrdiff_t>(y - y0) * stride;
    for (int x = x0; x < x1; ++x, p += channels) bitmap.SetPixel(x - area.x, y - area.y, platform::Rgb(p[0], p[1], p[2]));
  }
  g_object_unref(pixbuf);
  return bitmap;
}

}  // namespace real_display

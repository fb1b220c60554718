#include "platform/gtk/toplevel_events.h"

#include <cmath>

#include "platform/gtk/key_map.h"
#include "platform/gtk/x11_desktop.h"
#include "platform/window_events.h"

namespace platform::gtk {

namespace {

Window& WindowOf(gpointer data) { return *static_cast<Window*>(data); }

Point ScreenPoint(double xRoot, double yRoot) {
  return {static_cast<int>(std::floor(xRoot)), static_cast<int>(std::floor(yRoot))};
}

// Events of native child widgets (edits, lists, browsers) bubble up to the
// top-level; only those on the top-level's own surface are ours.
bool OnOwnSurface(GtkWidget* toplevel, GdkWindow* eventWindow) {
  return eventWindow == gtk_widget_get_window(toplevel);
}

Window* ChildAt(Window& parent, Point screen) {
  const auto& children = parent.Children();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    Window* child = *it;
    if (!child->IsVisible()) continue;
    Point origin = child->ScreenOrigin();
    Rect area{origin.x, origin.y, child->Bounds().width, child->Bounds().height};
    if (area.Contains(screen)) return child;
  }
  return nullptr;
}

// GDK reports the second press of a double click twice: as a press, and right
// after it as a double-click event. The second press is a double click only.
bool DoubleClickFollows() {
  GdkEvent* next = gdk_event_peek();
  if (next == nullptr) return false;
  bool follows = next->type == GDK_2BUTTON_PRESS;
  gdk_event_free(next);
  return follows;
}

gboolean ButtonPressed(GtkWidget* toplevel, GdkEventButton* event, gpointer data) {
  if (!OnOwnSurface(toplevel, event->window)) return FALSE;
  if (event->button != GDK_BUTTON_PRIMARY) return TRUE;
  Window& window = WindowOf(data);
  Point screen = ScreenPoint(event->x_root, event->y_root);
  if (event->type == GDK_BUTTON_PRESS && !DoubleClickFollows()) {
    WindowEvents::LButtonDown(WindowAt(window, screen), screen);
  } else if (event->type == GDK_2BUTTON_PRESS) {
    WindowEvents::LButtonDblClk(WindowAt(window, screen), screen);
  }
  return TRUE;
}

gboolean ButtonReleased(GtkWidget* toplevel, GdkEventButton* event, gpointer data) {
  if (!OnOwnSurface(toplevel, event->window)) return FALSE;
  if (event->button != GDK_BUTTON_PRIMARY) return TRUE;
  Point screen = ScreenPoint(event->x_root, event->y_root);
  WindowEvents::LButtonUp(WindowAt(WindowOf(data), screen), screen);
  return TRUE;
}

gboolean PointerMoved(GtkWidget* toplevel, GdkEventMotion* event, gpointer data) {
  if (!OnOwnSurface(toplevel, event->window)) return FALSE;
  Point screen = ScreenPoint(event->x_root, event->y_root);
  WindowEvents::MouseMove(WindowAt(WindowOf(data), screen), screen);
  return TRUE;
}

gboolean PointerLeft(GtkWidget* toplevel, GdkEventCrossing* event, gpointer) {
  // Into a native child widget (detail "inferior") counts as leaving our surface too.
  if (OnOwnSurface(toplevel, event->window)) WindowEvents::PointerLeft();
  return FALSE;
}

gboolean KeyPressed(GtkWidget* toplevel, GdkEventKey* event, gpointer data) {
  // A native child widget with the keyboard focus takes its keys itself.
  if (gtk_window_get_focus(GTK_WINDOW(toplevel)) != nullptr) return FALSE;
  WindowEvents::KeyDown(WindowOf(data), KeyFromKeyval(event->keyval));
  return TRUE;
}

gboolean CloseAsked(GtkWidget*, GdkEvent*, gpointer data) {
  WindowEvents::CloseRequested(WindowOf(data));
  return TRUE;  // the window decides; GTK destroys nothing
}

gboolean StateChanged(GtkWidget*, GdkEventWindowState* event, gpointer data) {
  if (event->changed_mask & GDK_WINDOW_STATE_ICONIFIED) {
    WindowEvents::MinimizedChanged(WindowOf(data), (event->new_window_state & GDK_WINDOW_STATE_ICONIFIED) != 0);
  }
  return FALSE;
}

gboolean Configured(GtkWidget* toplevel, GdkEventConfigure* event, gpointer data) {
  // A reparenting window manager makes the server report passing positions while
  // it frames the window; where it puts the window it tells in a synthetic event.
  if (!event->send_event && WindowManagerRuns(gtk_widget_get_window(toplevel))) return FALSE;
  Window& window = WindowOf(data);
  Point origin{event->x, event->y};
  if (origin != window.Bounds().TopLeft()) WindowEvents::Moved(window, origin);
  return FALSE;
}

}  // namespace

void ConnectTopLevelEvents(GtkWidget* toplevel, Window& window) {
  gtk_widget_add_events(toplevel, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_POINTER_MOTION_MASK |
                                      GDK_ENTER_NOTIFY_MASK | GDK_LEAVE_NOTIFY_MASK | GDK_KEY_PRESS_MASK |
                                      GDK_STRUCTURE_MASK);
  gpointer data = &window;
  g_signal_connect(toplevel, "button-press-event", G_CALLBACK(ButtonPressed), data);
  g_signal_connect(toplevel, "button-release-event", G_CALLBACK(ButtonReleased), data);
  g_signal_connect(toplevel, "motion-notify-event", G_CALLBACK(PointerMoved), data);
  g_signal_connect(toplevel, "leave-notify-event", G_CALLBACK(PointerLeft), data);
  g_signal_connect(toplevel, "key-press-event", G_CALLBACK(KeyPressed), data);
  g_signal_connect(toplevel, "delete-event", G_CALLBACK(CloseAsked), data);
  g_signal_connect(toplevel, "window-state-event", G_CALLBACK(StateChanged), data);
  g_signal_connect(toplevel, "configure-event", G_CALLBACK(Configured), data);
}

void DisconnectTopLevelEvents(GtkWidget* toplevel, Window& window) {
  g_signal_handlers_disconnect_by_data(toplevel, &window);
}

Window* WindowAt(Window& topLevel, Point screen) {
  if (!topLevel.IsVisible() || !topLevel.Bounds().Contains(screen)) return nullptr;
  Window* found = &topLevel;
  while (Window* child = ChildAt(*found, screen)) found = child;
  return found;
}

}  // namespace platform::gtk

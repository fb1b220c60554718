#include "platform/gtk/input_gate.h"

namespace platform::gtk {

namespace {

constexpr const char* kInputDisabled = "zelvik-input-disabled";

bool IsInput(GdkEventType type) {
  switch (type) {
    case GDK_MOTION_NOTIFY:
    case GDK_BUTTON_PRESS:
    case GDK_2BUTTON_PRESS:
    case GDK_3BUTTON_PRESS:
    case GDK_BUTTON_RELEASE:
    case GDK_KEY_PRESS:
    case GDK_KEY_RELEASE:
    case GDK_SCROLL:
    case GDK_TOUCH_BEGIN:
    case GDK_TOUCH_UPDATE:
    case GDK_TOUCH_END:
    case GDK_TOUCH_CANCEL:
    case GDK_DELETE:
      return true;
    default:
      return false;
  }
}

bool InputDisabledFor(GdkWindow* window) {
  if (window == nullptr) return false;
  GdkWindow* toplevel = gdk_window_get_toplevel(window);
  gpointer widget = nullptr;
  gdk_window_get_user_data(toplevel, &widget);
  return widget != nullptr && g_object_get_data(G_OBJECT(widget), kInputDisabled) != nullptr;
}

void HandleEvent(GdkEvent* event, gpointer) {
  if (IsInput(event->type) && InputDisabledFor(event->any.window)) return;
  gtk_main_do_event(event);
}

}  // namespace

void InstallInputGate() { gdk_event_handler_set(HandleEvent, nullptr, nullptr); }

void SetTopLevelInputEnabled(GtkWidget* toplevel, bool enabled) {
  g_object_set_data(G_OBJECT(toplevel), kInputDisabled, enabled ? nullptr : GINT_TO_POINTER(1));
}

}  // namespace platform::gtk

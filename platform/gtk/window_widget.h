#pragma once

#include <gtk/gtk.h>

#include "platform/geometry.h"
#include "platform/window.h"

namespace platform::gtk {

// The widget of one window: it shows the window's backing bitmap and holds the
// widgets of its children at pixel positions, later children above earlier ones.
// It takes exactly the size it is given and clips its children to it, whatever
// they request.
GtkWidget* NewWindowWidget(const Window& window, Size size);
void SetWindowWidgetSize(GtkWidget* widget, Size size);
// The window is going away: the widget shows nothing from now on.
void DetachWindowWidget(GtkWidget* widget);
// Queues a redraw of `area` (in the widget's own coordinates).
void RedrawWindowWidget(GtkWidget* widget, Rect area);

}  // namespace platform::gtk

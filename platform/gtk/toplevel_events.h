#pragma once

#include <gtk/gtk.h>

#include "platform/geometry.h"
#include "platform/window.h"

namespace platform::gtk {

// Connects a top-level GtkWindow's input and window-manager signals to the
// window events of `window`: the left button, motion and leave with screen
// coordinates and the window under the pointer, keys, close requests, moves and
// minimising.
void ConnectTopLevelEvents(GtkWidget* toplevel, Window& window);
void DisconnectTopLevelEvents(GtkWidget* toplevel, Window& window);

// The topmost showing window of `topLevel` (itself or a descendant) at a screen
// point, or null when the point lies outside it.
Window* WindowAt(Window& topLevel, Point screen);

}  // namespace platform::gtk

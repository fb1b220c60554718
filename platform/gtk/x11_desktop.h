#pragma once

#include <gdk/gdk.h>

namespace platform::gtk {

// Whether a window manager runs on the window's X screen (someone redirects the
// root window's structure requests). Plain Xvfb runs none.
bool WindowManagerRuns(GdkWindow* window);
// Unmaps a shown top-level window at the X server, not through GDK: GDK then
// reports it iconified, as it does when a window manager iconifies it.
void IconifyWithoutWindowManager(GdkWindow* window);

}  // namespace platform::gtk

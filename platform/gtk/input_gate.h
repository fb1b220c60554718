#pragma once

#include <gtk/gtk.h>

namespace platform::gtk {

// Installs the program's GDK event handler in front of GTK's: input and close
// requests addressed to a top-level window whose input is turned off (the owner
// of a modal run) are dropped, for its native child widgets as well.
void InstallInputGate();
void SetTopLevelInputEnabled(GtkWidget* toplevel, bool enabled);

}  // namespace platform::gtk

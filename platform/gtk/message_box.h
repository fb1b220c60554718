#pragma once

#include <gtk/gtk.h>

#include <string>

namespace platform::gtk {

// A modal message dialog titled "ZelvikPlayer" with one OK button, transient for
// `parent` when there is one; returns once it is answered.
void RunMessageBox(GtkWindow* parent, const std::string& text);

}  // namespace platform::gtk

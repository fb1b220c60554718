#pragma once

#include <gtk/gtk.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/file_choosers.h"

// The folder and open-file choosers of the GTK desktop: modal file chooser
// dialogs, transient for `parent` when there is one.
//
// For runs without a user (end-to-end scripts under Xvfb), the environment
// answers them: ZELVIK_ANSWER_FOLDER and ZELVIK_ANSWER_FILE hold the path to
// choose, or "cancel". The dialog is shown and answered through its own controls
// right away, and the answer is written to standard error as
// "folder chooser: <answer>" or "file chooser: <answer>".
namespace platform::gtk {

std::optional<std::string> RunFolderChooser(GtkWindow* parent, const std::string& title,
                                            const std::string& startFolder);
std::optional<std::string> RunOpenFileChooser(GtkWindow* parent, const std::vector<FileFilter>& filters);

}  // namespace platform::gtk

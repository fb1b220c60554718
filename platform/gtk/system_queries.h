#pragma once

#include <string>

namespace platform::gtk {

// The running program's full path, from /proc/self/exe (any length); empty when unreadable.
std::string RunningProgramPath();
// Online when GIO's network monitor reports full connectivity.
bool NetworkFullyConnected();
// The program's name for GLib (and so for the window class) and for people.
void NameApplication(const std::string& name);

}  // namespace platform::gtk

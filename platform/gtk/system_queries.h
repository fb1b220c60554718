#pragma once

#include <string>

namespace platform::gtk {

// The running program's full path, from /proc/self/exe (any length); empty when unreadable.
std::string RunningProgramPath();
// Online when GIO's network monitor reports full connectivity.
bool NetworkFullyConnected();

}  // namespace platform::gtk

#pragma once

#include <string>

namespace platform {

// The full path of the running program.
std::string ProgramPath();

// Whether the computer is connected to a network.
bool IsOnline();

}  // namespace platform

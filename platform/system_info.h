#pragma once

#include <string>

namespace platform {

// The full path of the running program.
std::string ProgramPath();

// Whether the computer is connected to a network.
bool IsOnline();

// The name the desktop shows for the program (taskbar, window class).
void SetApplicationName(const std::string& name);

}  // namespace platform

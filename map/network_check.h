#pragma once

namespace platform {
class Window;
}

// Asks the system once whether the computer is online. When it is not, shows
// "Check NETWORK OR INTERNET". Returns whether the map features are on.
bool CheckNetwork(platform::Window* owner);

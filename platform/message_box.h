#pragma once

#include <string>

namespace platform {

class Window;

// A modal message box with one OK button and the program's title, "ZelvikPlayer".
void MessageBox(Window* owner, const std::string& text);

}  // namespace platform

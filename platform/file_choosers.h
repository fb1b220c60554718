#pragma once

#include <optional>
#include <string>
#include <vector>

namespace platform {

class Window;

// Lets the user pick a folder, starting at `startFolder`. Empty when cancelled.
std::optional<std::string> ChooseFolder(Window* owner, const std::string& title, const std::string& startFolder);

struct FileFilter {
  std::string name;     // "AVI Files(*.avi)"
  std::string pattern;  // "*.avi"; matched without regard to case
};

// Lets the user pick one existing file. Empty when cancelled.
std::optional<std::string> ChooseFileToOpen(Window* owner, const std::vector<FileFilter>& filters);

}  // namespace platform

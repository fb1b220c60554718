#pragma once

#include <string>

// The application: derives the path of config.sys beside the program, then runs
// the main window modally; the program ends when that returns.
class CZelvikPlayerApp {
 public:
  // `startArgument`: a folder to list or a clip to play at start; may be empty.
  int InitInstance(const std::string& startArgument = {});
};

extern CZelvikPlayerApp theApp;

#pragma once

// The application: derives the path of config.sys beside the program, then runs
// the main window modally; the program ends when that returns.
class CZelvikPlayerApp {
 public:
  int InitInstance();
};

extern CZelvikPlayerApp theApp;

#pragma once

// The X display as a person uses it: windows found by their title, real input
// through the XTest extension, and the screen read back from the server.

#include <X11/Xlib.h>

#include <optional>
#include <string>

#include "platform/geometry.h"
#include "platform/raster/bitmap.h"

namespace x_screen {

class Display {
 public:
  Display();
  ~Display();
  Display(const Display&) = delete;
  Display& operator=(const Display&) = delete;

  bool Open() const { return display_ != nullptr; }
  // The screen position of a mapped top-level window with this exact title.
  std::optional<platform::Point> FindWindow(const std::string& title);
  void Click(platform::Point screen);
  void DoubleClick(platform::Point screen);
  // What the screen shows in an area.
  platform::Bitmap Capture(platform::Rect area);

 private:
  ::Display* display_ = nullptr;
};

}  // namespace x_screen

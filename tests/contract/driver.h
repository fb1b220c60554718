#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/geometry.h"
#include "platform/messages.h"
#include "platform/raster/bitmap.h"

namespace platform {
class Window;
}

// What a contract test needs of the backend under test. The same test cases run
// against the headless backend (virtual time) and the GTK backend (a real X
// display, real time): each contract program links one driver.
class ContractDriver {
 public:
  virtual ~ContractDriver() = default;

  // Installs a fresh backend before each test, and removes it after.
  virtual void SetUp() = 0;
  virtual void TearDown() = 0;

  // Lets the event loop run for about `ms` milliseconds: exactly, in virtual time,
  // on the headless backend; at least that long on the real one.
  virtual void RunFor(int ms) = 0;
  // Runs the event loop until `done` holds or `timeoutMs` has passed; returns done().
  virtual bool RunUntil(const std::function<bool()>& done, int timeoutMs) = 0;

  // Input as a user gives it, at screen points (the backend finds the window under the point).
  virtual void MoveMouse(platform::Point screen) = 0;
  virtual void Press(platform::Point screen) = 0;
  virtual void Release(platform::Point screen) = 0;
  virtual void DoubleClick(platform::Point screen) = 0;
  virtual void PressKey(platform::Window& topLevel, platform::Key key) = 0;

  // What the screen shows of a top-level window with its children, read back.
  virtual platform::Bitmap ScreenPixels(platform::Window& topLevel) = 0;

  // Message boxes are answered with OK at once; these are the boxes shown so far:
  // their text, their title and the labels of their buttons.
  struct SeenMessageBox {
    std::string text;
    std::string title;
    std::vector<std::string> buttons;
  };
  virtual std::vector<SeenMessageBox> MessageBoxes() {
    // A driver that cannot read titles and buttons reports the texts only.
    std::vector<SeenMessageBox> boxes;
    for (std::string& text : MessageBoxTexts()) boxes.push_back({std::move(text), {}, {}});
    return boxes;
  }
  virtual std::vector<std::string> MessageBoxTexts() = 0;

  // True for the headless backend: time is virtual and exact.
  virtual bool VirtualTime() const = 0;
};

// The driver of this contract program.
ContractDriver& Driver();

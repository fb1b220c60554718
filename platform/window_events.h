#pragma once

#include "platform/geometry.h"
#include "platform/messages.h"
#include "platform/window.h"

namespace platform {

// How a backend hands the operating system's events to the windows. Input is
// routed here: capture, hover and leave, hit tests, modal runs and key processing
// behave the same on every backend.
struct WindowEvents {
  static void Timer(WindowHandle handle, int id);
  static void Posted(WindowHandle handle, const Message& message);
  static void Paint(WindowHandle handle);

  // Pointer events at a screen point over `under` (the topmost of our windows
  // there, or null). A captured pointer goes to the capture window instead.
  static void MouseMove(Window* under, Point screen);
  static void LButtonDown(Window* under, Point screen);
  static void LButtonUp(Window* under, Point screen);
  static void LButtonDblClk(Window* under, Point screen);
  // The pointer left all of the program's windows.
  static void PointerLeft();

  // A key went down while `topLevel` had the keyboard.
  static void KeyDown(Window& topLevel, Key key);

  // The user moved a top-level window, or the window manager minimised or restored it.
  static void Moved(Window& topLevel, Point screenOrigin);
  static void MinimizedChanged(Window& topLevel, bool minimized);
  // The user asked to close a top-level window (the window manager's close).
  static void CloseRequested(Window& topLevel);

  // Delivers the leave report to a window the pointer has left.
  static void LeaveOf(Window& window);
};

}  // namespace platform

#include "tests/e2e/x_screen.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <unistd.h>

#include <functional>

namespace x_screen {

namespace {

std::optional<Window> Search(::Display* display, Window window, const std::string& title) {
  char* name = nullptr;
  if (XFetchName(display, window, &name) && name != nullptr) {
    bool match = title == name;
    XFree(name);
    XWindowAttributes attributes;
    if (match && XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable)
      return window;
  }
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display, window, &root, &parent, &children, &count)) return std::nullopt;
  std::optional<Window> found;
  for (unsigned i = 0; i < count && !found; ++i) found = Search(display, children[i], title);
  if (children != nullptr) XFree(children);
  return found;
}

}  // namespace

Display::Display() : display_(XOpenDisplay(nullptr)) {}

Display::~Display() {
  if (display_ != nullptr) XCloseDisplay(display_);
}

std::optional<platform::Point> Display::FindWindow(const std::string& title) {
  Window root = DefaultRootWindow(display_);
  std::optional<Window> window = Search(display_, root, title);
  if (!window) return std::nullopt;
  int x = 0, y = 0;
  Window child = 0;
  XTranslateCoordinates(display_, *window, root, 0, 0, &x, &y, &child);
  return platform::Point{x, y};
}

void Display::Click(platform::Point screen) {
  XTestFakeMotionEvent(display_, -1, screen.x, screen.y, CurrentTime);
  XTestFakeButtonEvent(display_, 1, True, CurrentTime);
  XTestFakeButtonEvent(display_, 1, False, CurrentTime);
  XSync(display_, False);
}

void Display::DoubleClick(platform::Point screen) {
  Click(screen);
  ::usleep(80'000);
  Click(screen);
}

platform::Bitmap Display::Capture(platform::Rect area) {
  platform::Bitmap bitmap(area.width, area.height);
  XImage* image = XGetImage(display_, DefaultRootWindow(display_), area.x, area.y, static_cast<unsigned>(area.width),
                            static_cast<unsigned>(area.height), AllPlanes, ZPixmap);
  if (image == nullptr) return bitmap;
  for (int y = 0; y < area.height; ++y)
    for (int x = 0; x < area.width; ++x) bitmap.SetPixel(x, y, static_cast<platform::Colour>(XGetPixel(image, x, y) & 0xFFFFFF));
  XDestroyImage(image);
  return bitmap;
}

}  // namespace x_screen

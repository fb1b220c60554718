#pragma once

namespace platform {

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

// A rectangle by its top-left corner and its size; Right() and Bottom() are exclusive.
struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  int Right() const { return x + width; }
  int Bottom() const { return y + height; }
  bool Empty() const { return width <= 0 || height <= 0; }
  bool Contains(Point p) const { return p.x >= x && p.x < Right() && p.y >= y && p.y < Bottom(); }
  Point TopLeft() const { return {x, y}; }
  Size GetSize() const { return {width, height}; }
  bool operator==(const Rect&) const = default;
};

}  // namespace platform

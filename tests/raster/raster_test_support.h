#pragma once

#include <iomanip>
#include <ostream>

#include "platform/raster/bitmap.h"

namespace platform {

// Small bitmaps print as a grid of colours when a comparison fails.
inline void PrintTo(const Bitmap& bitmap, std::ostream* os) {
  *os << bitmap.Width() << " x " << bitmap.Height();
  if (bitmap.Width() > 16 || bitmap.Height() > 16) return;
  for (int y = 0; y < bitmap.Height(); ++y) {
    *os << "\n ";
    for (int x = 0; x < bitmap.Width(); ++x) {
      *os << ' ' << std::hex << std::setw(6) << std::setfill('0') << bitmap.Row(y)[x] << std::dec;
    }
  }
}

}  // namespace platform

namespace raster_test {

using platform::Bitmap;
using platform::Rect;
using platform::Rgb;

// A bitmap in which every pixel has its own colour (and none is black).
inline Bitmap Pattern(int width, int height) {
  Bitmap bitmap(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, Rgb(x * 8 + 1, y * 8 + 1, 0x80));
  }
  return bitmap;
}

// The part of `bitmap` under `area` (which must lie inside it).
inline Bitmap Crop(const Bitmap& bitmap, Rect area) {
  Bitmap part(area.width, area.height);
  for (int y = 0; y < area.height; ++y) {
    for (int x = 0; x < area.width; ++x) part.SetPixel(x, y, bitmap.Pixel(area.x + x, area.y + y));
  }
  return part;
}

}  // namespace raster_test

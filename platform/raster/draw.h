#pragma once

#include <string_view>

#include "platform/raster/bitmap.h"

// Raster operations on bitmaps. Every operation clips to both bitmaps: nothing is
// read or written outside either of them.
namespace platform::raster {

// Plain copy of the w x h block at (sx, sy) of src to (dx, dy) of dst.
void Copy(Bitmap& dst, int dx, int dy, int w, int h, const Bitmap& src, int sx, int sy);

// Stretched copy of the source rectangle onto the destination rectangle, nearest
// pixel, each destination pixel taking the source pixel its centre falls on. A
// rectangle of zero or negative size draws nothing; destination pixels whose
// source pixel lies outside the source bitmap are left as they are.
void StretchCopy(Bitmap& dst, Rect to, const Bitmap& src, Rect from);

// dst = dst AND mask, where a set mask pixel is white (keeps dst) and a clear one
// black (clears dst): the AND half of a masked copy.
void AndMask(Bitmap& dst, int dx, int dy, int w, int h, const MonoMask& mask, int sx, int sy);

// dst = dst OR src: the OR half of a masked copy.
void OrCopy(Bitmap& dst, int dx, int dy, int w, int h, const Bitmap& src, int sx, int sy);

// Copy of the source rectangle onto the destination rectangle (stretched when the
// sizes differ), leaving out the source pixels of colour `key`.
void TransparentCopy(Bitmap& dst, Rect to, const Bitmap& src, Rect from, Colour key);

// A one-pixel solid line from (x0, y0) towards (x1, y1); the last point is not drawn.
void Line(Bitmap& dst, int x0, int y0, int x1, int y1, Colour colour);

struct Font {
  std::string_view family = "Times New Roman";
  int pointSize = 10;  // screen points, 96 pixels per inch; held within 1 to 1000
};

// Text (UTF-8) on one line with a transparent background; (x, y) is the top-left
// corner of the text's cell, as a window system places a text by its top-left.
// The text ends at its first NUL; bytes that are not UTF-8 show as U+FFFD.
void Text(Bitmap& dst, int x, int y, std::string_view text, const Font& font, Colour colour);

// The size of the cell the text would take.
Size TextExtent(std::string_view text, const Font& font);

}  // namespace platform::raster

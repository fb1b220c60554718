#pragma once

#include "res/generator/paint.h"

// Glyph paths shared by several faces: each adds to the current path, centred on
// (cx, cy), `size` pixels high.
namespace art::glyph {

void TriangleRight(cairo_t* cr, double cx, double cy, double size);
void TriangleLeft(cairo_t* cr, double cx, double cy, double size);
void Bar(cairo_t* cr, double x, double cy, double width, double height);
void Cross(cairo_t* cr, double cx, double cy, double size);  // a path to stroke

}  // namespace art::glyph

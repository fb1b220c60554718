#include "res/generator/glyphs.h"

namespace art::glyph {

void TriangleRight(cairo_t* cr, double cx, double cy, double size) {
  const double half = size / 2;
  const double w = size * 0.9;
  cairo_move_to(cr, cx - w * 0.4, cy - half);
  cairo_line_to(cr, cx + w * 0.6, cy);
  cairo_line_to(cr, cx - w * 0.4, cy + half);
  cairo_close_path(cr);
}

void TriangleLeft(cairo_t* cr, double cx, double cy, double size) {
  const double half = size / 2;
  const double w = size * 0.9;
  cairo_move_to(cr, cx + w * 0.4, cy - half);
  cairo_line_to(cr, cx - w * 0.6, cy);
  cairo_line_to(cr, cx + w * 0.4, cy + half);
  cairo_close_path(cr);
}

void Bar(cairo_t* cr, double x, double cy, double width, double height) {
  RoundedRect(cr, {x, cy - height / 2, width, height}, 1);
}

void Cross(cairo_t* cr, double cx, double cy, double size) {
  const double h = size / 2;
  cairo_move_to(cr, cx - h, cy - h);
  cairo_line_to(cr, cx + h, cy + h);
  cairo_move_to(cr, cx + h, cy - h);
  cairo_line_to(cr, cx - h, cy + h);
}

}  // namespace art::glyph

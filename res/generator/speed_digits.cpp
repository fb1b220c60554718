// The speed readout: three seven-segment digits of 40 x 54, lit cyan over the faint
// shapes of their unlit segments, slanted a little like a car's display.
#include <array>

#include "res/generator/artwork.h"
#include "res/generator/catalogue.h"
#include "res/generator/palette.h"

namespace art {
namespace {

constexpr double kLeft = 9, kTop = 6, kWidth = 24, kHeight = 42, kThick = 5.5, kGap = 0.8;
constexpr double kSlant = 0.1;  // x moved left per pixel down

// Segments a..g: top, upper right, lower right, bottom, lower left, upper left, middle.
constexpr std::array<unsigned, 10> kLitSegments = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

void Point(cairo_t* cr, double x, double y, bool first) {
  const double sx = x + (kTop + kHeight - y) * kSlant;
  first ? cairo_move_to(cr, sx, y) : cairo_line_to(cr, sx, y);
}

// A horizontal segment centred on y from x0 to x1, or a vertical one on x from y0 to y1.
void Horizontal(cairo_t* cr, double x0, double x1, double y) {
  const double h = kThick / 2;
  Point(cr, x0 + kGap, y, true);
  Point(cr, x0 + kGap + h, y - h, false);
  Point(cr, x1 - kGap - h, y - h, false);
  Point(cr, x1 - kGap, y, false);
  Point(cr, x1 - kGap - h, y + h, false);
  Point(cr, x0 + kGap + h, y + h, false);
  cairo_close_path(cr);
}

void Vertical(cairo_t* cr, double x, double y0, double y1) {
  const double h = kThick / 2;
  Point(cr, x, y0 + kGap, true);
  Point(cr, x + h, y0 + kGap + h, false);
  Point(cr, x + h, y1 - kGap - h, false);
  Point(cr, x, y1 - kGap, false);
  Point(cr, x - h, y1 - kGap - h, false);
  Point(cr, x - h, y0 + kGap + h, false);
  cairo_close_path(cr);
}

void Segment(cairo_t* cr, int index) {
  const double l = kLeft + kThick / 2, r = kLeft + kWidth - kThick / 2;
  const double t = kTop + kThick / 2, b = kTop + kHeight - kThick / 2, m = (t + b) / 2;
  switch (index) {
    case 0: Horizontal(cr, l, r, t); break;
    case 1: Vertical(cr, r, t, m); break;
    case 2: Vertical(cr, r, m, b); break;
    case 3: Horizontal(cr, l, r, b); break;
    case 4: Vertical(cr, l, m, b); break;
    case 5: Vertical(cr, l, t, m); break;
    default: Horizontal(cr, l, r, m); break;
  }
}

}  // namespace

void PaintSpeedDigit(cairo_t* cr, int digit) {
  FillBox(cr, {0, 0, 40, 54}, colour::kWell);
  const unsigned lit = digit >= 0 && digit <= 9 ? kLitSegments[static_cast<std::size_t>(digit)] : 0;
  for (int s = 0; s < 7; ++s) Segment(cr, s);
  SetColour(cr, colour::kSegmentOff);
  cairo_fill(cr);
  if (lit == 0) return;
  for (int s = 0; s < 7; ++s)
    if (lit & (1u << s)) Segment(cr, s);
  GlowPath(cr, colour::kAccent, 9, 1.6);
  SetColour(cr, colour::kAccent);
  cairo_fill_preserve(cr);
  // A brighter core along each lit segment.
  cairo_save(cr);
  cairo_clip(cr);
  for (int s = 0; s < 7; ++s)
    if (lit & (1u << s)) Segment(cr, s);
  SetColour(cr, colour::kText, 0.55);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void AddSpeedDigits(Catalogue& out) {
  // Numbers of the digits 0 to 9.
  constexpr std::array<int, 10> kIds = {179, 177, 178, 180, 181, 182, 183, 184, 185, 186};
  for (int d = 0; d < 10; ++d) {
    Canvas canvas(40, 54);
    PaintSpeedDigit(canvas.cr(), d);
    out.Add(kIds[static_cast<std::size_t>(d)], canvas.Opaque(colour::kWell));
  }
}

}  // namespace art

// The program's icon (48 x 48): the lens of a dash camera on a graphite key.
#include <cmath>

#include "res/generator/catalogue.h"
#include "res/generator/paint.h"
#include "res/generator/palette.h"

namespace art {

void AddAppIcon(Catalogue& out) {
  Canvas canvas(48, 48);
  cairo_t* cr = canvas.cr();
  FillGradient(cr, {1, 1, 46, 46}, 10, colour::kFaceTop, colour::kDesk);
  Outline(cr, {1, 1, 46, 46}, 10, colour::kAccentDim);
  const double cx = 24, cy = 25;
  // Barrel, rings and glass.
  cairo_arc(cr, cx, cy, 18, 0, 2 * M_PI);
  SetColour(cr, colour::kEdgeDark);
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, 16.5, 0, 2 * M_PI);
  GlowPath(cr, colour::kAccent, 5, 1.5);
  SetColour(cr, colour::kAccent);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_pattern_t* glass = cairo_pattern_create_radial(cx - 3, cy - 4, 1, cx, cy, 12);
  cairo_pattern_add_color_stop_rgb(glass, 0, 0.35, 0.95, 1.0);
  cairo_pattern_add_color_stop_rgb(glass, 0.45, 0.05, 0.45, 0.55);
  cairo_pattern_add_color_stop_rgb(glass, 1, 0.02, 0.06, 0.09);
  cairo_arc(cr, cx, cy, 11.5, 0, 2 * M_PI);
  cairo_set_source(cr, glass);
  cairo_fill(cr);
  cairo_pattern_destroy(glass);
  cairo_arc(cr, cx, cy, 5, 0, 2 * M_PI);
  SetColour(cr, colour::kEdgeDark, 0.85);
  cairo_fill(cr);
  cairo_arc(cr, cx - 4, cy - 5, 2.2, 0, 2 * M_PI);
  SetColour(cr, colour::kText);
  cairo_fill(cr);
  // The recording light.
  cairo_arc(cr, 40, 8, 2.6, 0, 2 * M_PI);
  SetColour(cr, Hex(0xFF3B30));
  cairo_fill(cr);
  out.Add(128, canvas.Opaque(colour::kDesk));
}

}  // namespace art

// The version window (360 x 236): title Information, the product line, its date and
// version, beside the lens emblem.
#include <cmath>

#include "res/generator/artwork.h"
#include "res/generator/catalogue.h"
#include "res/generator/palette.h"

namespace art {
namespace {

void Emblem(cairo_t* cr, double cx, double cy) {
  cairo_arc(cr, cx, cy, 26, 0, 2 * M_PI);
  SetColour(cr, colour::kEdgeDark);
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, 24, 0, 2 * M_PI);
  GlowPath(cr, colour::kAccent, 8);
  SetColour(cr, colour::kAccent);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_arc(cr, cx, cy, 15, 0, 2 * M_PI);
  SetColour(cr, colour::kAccentDim);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_arc(cr, cx, cy, 8, 0, 2 * M_PI);
  SetColour(cr, colour::kTeal);
  cairo_fill(cr);
  cairo_arc(cr, cx - 3, cy - 3, 2.5, 0, 2 * M_PI);
  SetColour(cr, colour::kText);
  cairo_fill(cr);
}

Image Background() {
  Canvas canvas(360, 236);
  cairo_t* cr = canvas.cr();
  WindowBase(cr, 360, 236, "Information", {{282, 10, 65, 33}});
  Plate(cr, {14, 66, 332, 156});
  Emblem(cr, 60, 116);
  TextStyle product;
  product.px = 13;
  product.colour = colour::kText;
  Text(cr, "DRIVING RECORDING SYSTEM", product, 100, 104);
  TextStyle line;
  line.px = 12;
  line.bold = false;
  line.colour = colour::kLabel;
  Text(cr, "PC viewer", line, 100, 124);
  HLine(cr, 100, 330, 140, colour::kAccentDim, 0.7);
  line.colour = colour::kText;
  Text(cr, "Date : 2011. 07. 28", line, 100, 168);
  Text(cr, "Version : V2.0D", line, 100, 192);
  return canvas.Opaque(colour::kDesk);
}

}  // namespace

void AddVersionWindow(Catalogue& out) { out.Add(259, Background()); }

}  // namespace art

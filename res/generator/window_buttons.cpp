// The buttons of the title strips: minimise (a bar or dash) and close (a cross).
#include <cmath>

#include "res/generator/catalogue.h"
#include "res/generator/faces.h"
#include "res/generator/glyphs.h"

namespace art {
namespace {

void DashGlyph(cairo_t* cr, Box inner, Rgb ink) {
  const double width = std::round(inner.w * 0.3);
  glyph::Bar(cr, std::round(inner.CentreX() - width / 2), std::round(inner.CentreY() + inner.h * 0.2), width, 3);
  InkFill(cr, ink, IsLit(ink));
}

void CrossGlyph(cairo_t* cr, Box inner, Rgb ink) {
  glyph::Cross(cr, inner.CentreX(), inner.CentreY(), std::min(inner.h * 0.5, 12.0));
  InkStroke(cr, ink, IsLit(ink), 2.4);
}

}  // namespace

void AddWindowButtons(Catalogue& out) {
  out.Add(286, ButtonFace(65, 33, Look::kNormal, DashGlyph));   // main window: minimise
  out.Add(279, ButtonFace(65, 33, Look::kNormal, CrossGlyph));  // close, shared by several windows
  out.Add(1089, ButtonFace(65, 33, Look::kNormal, DashGlyph));  // full-screen and capture: "mini"
  out.Add(1090, ButtonFace(65, 33, Look::kNormal, CrossGlyph));
  out.Add(219, ButtonFace(57, 25, Look::kNormal, DashGlyph, 5));  // settings window
  out.Add(220, ButtonFace(57, 25, Look::kNormal, CrossGlyph, 5));
}

}  // namespace art

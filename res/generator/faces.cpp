#include "res/generator/faces.h"

#include <cmath>

#include "res/generator/palette.h"

namespace art {

bool IsLit(Rgb ink) { return Word(ink) == Word(colour::kGlyphLit); }

void InkFill(cairo_t* cr, Rgb ink, bool lit) {
  GlowPath(cr, lit ? colour::kAccent : colour::kAccentDim, lit ? 7 : 4, lit ? 2.0 : 1.0);
  SetColour(cr, ink);
  cairo_fill(cr);
}

void InkStroke(cairo_t* cr, Rgb ink, bool lit, double width) {
  cairo_save(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  GlowPath(cr, lit ? colour::kAccent : colour::kAccentDim, width + (lit ? 7 : 4), lit ? 2.0 : 1.0);
  SetColour(cr, ink);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
  cairo_restore(cr);
}

Image ButtonFace(int width, int height, Look look, const Glyph& glyph, double radius) {
  Canvas canvas(width, height);
  cairo_t* cr = canvas.cr();
  const Box face{0, 0, static_cast<double>(width), static_cast<double>(height)};
  const bool pressed = look == Look::kPressed;
  if (pressed) {
    FillGradient(cr, face, radius, colour::kFacePressedTop, colour::kFacePressedBottom);
    Outline(cr, face, radius, colour::kEdgeDark);
    Outline(cr, face.Grown(-1), radius - 1, colour::kAccent, 0.55);
    HLine(cr, radius, width - radius, 2, colour::kEdgeDark, 0.7);  // the sunk face's shadow
  } else {
    FillGradient(cr, face, radius, colour::kFaceTop, colour::kFaceBottom);
    Outline(cr, face, radius, colour::kEdgeDark);
    Outline(cr, face.Grown(-1), radius - 1, colour::kFaceBorder, 0.35);
    HLine(cr, radius, width - radius, 1, colour::kEdgeLight, 0.8);
  }
  Box inner = face.Grown(-3);
  if (pressed) inner = inner.Moved(1, 1);
  cairo_save(cr);
  RoundedRect(cr, face.Grown(-1), radius - 1);
  cairo_clip(cr);
  glyph(cr, inner, pressed ? colour::kGlyphLit : colour::kGlyph);
  cairo_restore(cr);
  return canvas.Keyed(kMagenta, colour::kDesk);
}

Image TextFace(int width, int height, Look look, std::string_view text, double px) {
  return ButtonFace(width, height, look, [&](cairo_t* cr, Box inner, Rgb ink) {
    TextStyle style;
    style.family = "DejaVu Sans Condensed";
    style.px = px;
    style.colour = ink;
    if (IsLit(ink)) {
      const double baseline = std::round(inner.CentreY() + CapHeight(style) / 2);
      TextPath(cr, text, style, inner.CentreX(), baseline, Align::kCentre);
      GlowPath(cr, colour::kAccent, 5, 1.5);
      cairo_new_path(cr);
    }
    TextIn(cr, text, style, inner);
  });
}

}  // namespace art

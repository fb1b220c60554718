// The tool buttons of the main window (58 x 41 icons), the clip list buttons
// (79 x 31 words) and the speed unit switch (35 x 13).
#include <cmath>

#include "res/generator/catalogue.h"
#include "res/generator/faces.h"
#include "res/generator/glyphs.h"
#include "res/generator/palette.h"

namespace art {
namespace {

constexpr int kToolWidth = 58;
constexpr int kToolHeight = 41;

// The face colour behind a glyph, for cut-outs inside it.
Rgb Hollow(Rgb ink) { return IsLit(ink) ? colour::kFacePressedBottom : colour::kFaceBottom; }

void Satellite(cairo_t* cr, Box inner, Rgb ink) {
  const bool lit = IsLit(ink);
  const double cx = inner.CentreX(), cy = inner.CentreY();
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, -M_PI / 4);
  RoundedRect(cr, {-3.5, -4.5, 7, 9}, 1);          // body
  RoundedRect(cr, {-15, -3.5, 9, 7}, 0.5);          // panels
  RoundedRect(cr, {6, -3.5, 9, 7}, 0.5);
  InkFill(cr, ink, lit);
  cairo_move_to(cr, -6, 0);
  cairo_line_to(cr, 6, 0);
  SetColour(cr, ink);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  for (double x : {-12.0, -9.0, 9.0, 12.0}) {  // panel cells
    cairo_move_to(cr, x, -3.5);
    cairo_line_to(cr, x, 3.5);
  }
  SetColour(cr, Hollow(ink));
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
  cairo_restore(cr);
  // Signal arcs.
  for (double r : {5.0, 9.0}) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx + 5, cy + 6, r, 0.1 * M_PI, 0.4 * M_PI);
  }
  InkStroke(cr, ink, lit, 1.6);
}

void Printer(cairo_t* cr, Box inner, Rgb ink) {
  const bool lit = IsLit(ink);
  const double cx = std::round(inner.CentreX()), cy = std::round(inner.CentreY());
  RoundedRect(cr, {cx - 7, cy - 11, 14, 6}, 1);   // paper in
  RoundedRect(cr, {cx - 13, cy - 5, 26, 11}, 2.5);  // body
  InkFill(cr, ink, lit);
  FillBox(cr, {cx - 8, cy + 2, 16, 2}, Hollow(ink));  // slot
  RoundedRect(cr, {cx - 7, cy + 4, 14, 8}, 1);        // paper out
  SetColour(cr, ink);
  cairo_fill(cr);
  HLine(cr, cx - 5, cx + 5, static_cast<int>(cy) + 7, Hollow(ink));
  HLine(cr, cx - 5, cx + 2, static_cast<int>(cy) + 9, Hollow(ink));
  cairo_arc(cr, cx + 9, cy - 2, 1.2, 0, 2 * M_PI);
  SetColour(cr, lit ? colour::kText : colour::kAccent);
  cairo_fill(cr);
}

void Camera(cairo_t* cr, Box inner, Rgb ink) {
  const bool lit = IsLit(ink);
  const double cx = std::round(inner.CentreX()), cy = std::round(inner.CentreY());
  RoundedRect(cr, {cx - 13, cy - 7, 26, 17}, 3);
  RoundedRect(cr, {cx - 5, cy - 11, 10, 5}, 1.5);
  InkFill(cr, ink, lit);
  cairo_arc(cr, cx, cy + 1.5, 6, 0, 2 * M_PI);
  SetColour(cr, Hollow(ink));
  cairo_fill(cr);
  cairo_arc(cr, cx, cy + 1.5, 3.5, 0, 2 * M_PI);
  SetColour(cr, lit ? colour::kAccent : colour::kTeal);
  cairo_fill(cr);
}

void Floppy(cairo_t* cr, Box inner, Rgb ink) {
  const bool lit = IsLit(ink);
  const double cx = std::round(inner.CentreX()), cy = std::round(inner.CentreY());
  const double x = cx - 11, y = cy - 11, s = 22;
  cairo_move_to(cr, x + 1.5, y);
  cairo_line_to(cr, x + s - 4, y);
  cairo_line_to(cr, x + s, y + 4);
  cairo_line_to(cr, x + s, y + s - 1.5);
  cairo_arc(cr, x + s - 1.5, y + s - 1.5, 1.5, 0, M_PI / 2);
  cairo_line_to(cr, x + 1.5, y + s);
  cairo_arc(cr, x + 1.5, y + s - 1.5, 1.5, M_PI / 2, M_PI);
  cairo_line_to(cr, x, y + 1.5);
  cairo_arc(cr, x + 1.5, y + 1.5, 1.5, M_PI, 1.5 * M_PI);
  cairo_close_path(cr);
  InkFill(cr, ink, lit);
  FillBox(cr, {x + 5, y + 2, 11, 6}, Hollow(ink));          // shutter
  FillBox(cr, {x + 12, y + 3, 3, 4}, ink);
  FillRounded(cr, {x + 4, y + 12, 14, 8}, 1, Hollow(ink));  // label
  HLine(cr, x + 6, x + 16, static_cast<int>(y) + 15, ink, 0.6);
  HLine(cr, x + 6, x + 13, static_cast<int>(y) + 17, ink, 0.6);
}

void Info(cairo_t* cr, Box inner, Rgb ink) {
  const bool lit = IsLit(ink);
  const double cx = inner.CentreX(), cy = inner.CentreY();
  cairo_arc(cr, cx, cy, 12, 0, 2 * M_PI);
  InkStroke(cr, ink, lit, 2);
  TextStyle style;
  style.family = "DejaVu Serif";
  style.px = 17;
  style.colour = ink;
  TextIn(cr, "i", style, {cx - 10, cy - 10, 20, 20});
}

void Gear(cairo_t* cr, double cx, double cy, double outer, int teeth, double phase) {
  const double inner = outer * 0.74;
  for (int i = 0; i < teeth * 4; ++i) {
    const double a = phase + i * (M_PI / (teeth * 2));
    const double r = (i % 4 == 1 || i % 4 == 2) ? outer : inner;
    const double x = cx + r * std::cos(a), y = cy + r * std::sin(a);
    i == 0 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
}

void Gears(cairo_t* cr, Box inner, Rgb ink) {
  const bool lit = IsLit(ink);
  const double cx = inner.CentreX(), cy = inner.CentreY();
  Gear(cr, cx - 4, cy - 2, 10.5, 8, 0);
  Gear(cr, cx + 9, cy + 7, 6.5, 6, 0.3);
  InkFill(cr, ink, lit);
  cairo_arc(cr, cx - 4, cy - 2, 3.5, 0, 2 * M_PI);
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx + 9, cy + 7, 2, 0, 2 * M_PI);
  SetColour(cr, Hollow(ink));
  cairo_fill(cr);
}

void AddTool(Catalogue& out, int normal, int pressed, const Glyph& glyph) {
  out.Add(normal, ButtonFace(kToolWidth, kToolHeight, Look::kNormal, glyph));
  out.Add(pressed, ButtonFace(kToolWidth, kToolHeight, Look::kPressed, glyph));
}

void AddWord(Catalogue& out, int normal, int pressed, const char* text) {
  out.Add(normal, TextFace(79, 31, Look::kNormal, text, 11));
  out.Add(pressed, TextFace(79, 31, Look::kPressed, text, 11));
}

// The unit switch is tiny: a flat key with its unit in small letters.
Image UnitFace(const char* text) {
  return ButtonFace(35, 13, Look::kNormal, [text](cairo_t* cr, Box inner, Rgb) {
    TextStyle style;
    style.family = "DejaVu Sans Condensed";
    style.px = 9;
    style.colour = colour::kAccent;
    TextIn(cr, text, style, inner.Grown(3));
  }, 3);
}

}  // namespace

void AddToolFaces(Catalogue& out) {
  AddTool(out, 284, 285, Satellite);
  AddTool(out, 210, 209, Printer);
  AddTool(out, 207, 208, Camera);
  AddTool(out, 211, 212, Floppy);
  AddTool(out, 217, 216, Info);
  AddTool(out, 215, 214, Gears);
  AddWord(out, 287, 288, "File Open");
  AddWord(out, 295, 296, "Select Dir");
  AddWord(out, 280, 281, "Delete All");
  out.Add(236, UnitFace("km/h"));
  out.Add(237, UnitFace("Mile/h"));
}

}  // namespace art

#include "res/generator/main_skin_parts.h"

#include <cmath>

#include "res/generator/artwork.h"
#include "res/generator/palette.h"

namespace art {

TextStyle ScaleStyle() {
  TextStyle style;
  style.family = "DejaVu Sans Condensed";
  style.px = 9;
  style.colour = colour::kLabel;
  return style;
}

void ButtonTray(cairo_t* cr, Box b) {
  const Box tray = b.Grown(3);
  FillRounded(cr, tray.Moved(0, 1), 8, colour::kEdgeLight, 0.25);
  FillRounded(cr, tray, 8, colour::kEdgeDark, 0.85);
}

void SliderPlace(cairo_t* cr, Box track, const char* label) {
  Label(cr, label, track.x, track.y - 9);
  Well(cr, track, 3, Hex(0x0B0F14));
}

void Readout(cairo_t* cr, Box place, double pad) {
  Outline(cr, place.Grown(pad + 1), 2, colour::kAccentDim, 0.5);
}

void IdleScreen(cairo_t* cr, Box video) {
  cairo_pattern_t* p = cairo_pattern_create_radial(video.CentreX(), video.y, 20, video.CentreX(), video.CentreY(), video.w * 0.7);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.05, 0.07, 0.09);
  cairo_pattern_add_color_stop_rgb(p, 1, colour::kScreen.r, colour::kScreen.g, colour::kScreen.b);
  cairo_rectangle(cr, video.x, video.y, video.w, video.h);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  const double cx = video.CentreX(), cy = video.CentreY() - 12;
  for (double r : {34.0, 24.0}) {
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    SetColour(cr, colour::kAccentDim, 0.35);
    cairo_set_line_width(cr, r > 30 ? 3 : 1.5);
    cairo_stroke(cr);
  }
  cairo_arc(cr, cx, cy, 11, 0, 2 * M_PI);
  SetColour(cr, colour::kAccentDim, 0.3);
  cairo_fill(cr);
  TextStyle style;
  style.px = 12;
  style.colour = colour::kLabelDim;
  style.spacing = 3;
  Text(cr, "NO CLIP", style, cx, cy + 62, Align::kCentre);
}

void Brand(cairo_t* cr, Box b) {
  TextStyle name;
  name.px = 20;
  name.spacing = 4;
  name.colour = colour::kLabel;
  const double right = b.Right() - 4;
  TextPath(cr, "ZELVIK", name, right, b.y + 23, Align::kRight);
  GlowPath(cr, colour::kAccentDim, 5, 0.8);
  cairo_new_path(cr);
  Text(cr, "ZELVIK", name, right, b.y + 23, Align::kRight);
  TextStyle line = ScaleStyle();
  line.colour = colour::kLabelDim;
  line.spacing = 1.5;
  Text(cr, "DRIVING RECORDING SYSTEM", line, right, b.y + 37, Align::kRight);
}

void Speaker(cairo_t* cr, double x, double cy) {
  cairo_move_to(cr, x, cy - 3);
  cairo_line_to(cr, x + 4, cy - 3);
  cairo_line_to(cr, x + 9, cy - 7);
  cairo_line_to(cr, x + 9, cy + 7);
  cairo_line_to(cr, x + 4, cy + 3);
  cairo_line_to(cr, x, cy + 3);
  cairo_close_path(cr);
  SetColour(cr, colour::kLabel);
  cairo_fill(cr);
  for (double r : {5.0, 9.0}) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + 10, cy, r, -M_PI / 4, M_PI / 4);
  }
  SetColour(cr, colour::kAccent, 0.8);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

void Folder(cairo_t* cr, double x, double y) {
  cairo_move_to(cr, x, y + 4);
  cairo_line_to(cr, x + 10, y + 4);
  cairo_line_to(cr, x + 13, y + 8);
  cairo_line_to(cr, x + 34, y + 8);
  cairo_line_to(cr, x + 34, y + 27);
  cairo_line_to(cr, x, y + 27);
  cairo_close_path(cr);
  GlowPath(cr, colour::kAccentDim, 4);
  SetColour(cr, colour::kLabel, 0.9);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  for (int i = 0; i < 3; ++i) HLine(cr, x + 6, x + 28, static_cast<int>(y) + 14 + 4 * i, colour::kAccent, 0.6);
}

void Gauge(cairo_t* cr, double cx, double cy) {
  cairo_arc(cr, cx, cy, 18, M_PI * 0.8, M_PI * 2.2);
  SetColour(cr, colour::kLabelDim);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_arc(cr, cx, cy, 18, M_PI * 0.8, M_PI * 1.6);
  GlowPath(cr, colour::kAccent, 6);
  SetColour(cr, colour::kAccent);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_move_to(cr, cx, cy);
  cairo_line_to(cr, cx + 12 * std::cos(M_PI * 1.6), cy + 12 * std::sin(M_PI * 1.6));
  SetColour(cr, colour::kText);
  cairo_set_line_width(cr, 2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  cairo_arc(cr, cx, cy, 2.5, 0, 2 * M_PI);
  cairo_fill(cr);
}

}  // namespace art

// The heading dial: a compass rose of 233 x 161 with its needle on one of the eight
// directions, and the direction's name as a readout in the corner.
#include <array>
#include <cmath>

#include "res/generator/artwork.h"
#include "res/generator/catalogue.h"
#include "res/generator/palette.h"

namespace art {
namespace {

constexpr double kCx = 116.5, kCy = 80.5, kRadius = 74;
constexpr std::array<const char*, 8> kNames = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};

// The point at `radius` from the centre, `degrees` clockwise from north.
void Polar(double degrees, double radius, double& x, double& y) {
  const double a = degrees * M_PI / 180;
  x = kCx + radius * std::sin(a);
  y = kCy - radius * std::cos(a);
}

void Dial(cairo_t* cr) {
  // Bezel ring.
  cairo_pattern_t* ring = cairo_pattern_create_linear(0, kCy - kRadius, 0, kCy + kRadius);
  cairo_pattern_add_color_stop_rgb(ring, 0, 0.27, 0.31, 0.37);
  cairo_pattern_add_color_stop_rgb(ring, 0.5, 0.09, 0.11, 0.14);
  cairo_pattern_add_color_stop_rgb(ring, 1, 0.20, 0.23, 0.28);
  cairo_arc(cr, kCx, kCy, kRadius, 0, 2 * M_PI);
  cairo_set_source(cr, ring);
  cairo_fill(cr);
  cairo_pattern_destroy(ring);
  // Face.
  cairo_pattern_t* face = cairo_pattern_create_radial(kCx, kCy - 20, 5, kCx, kCy, kRadius - 5);
  cairo_pattern_add_color_stop_rgb(face, 0, 0.07, 0.10, 0.14);
  cairo_pattern_add_color_stop_rgb(face, 1, 0.02, 0.03, 0.04);
  cairo_arc(cr, kCx, kCy, kRadius - 5, 0, 2 * M_PI);
  cairo_set_source(cr, face);
  cairo_fill(cr);
  cairo_arc(cr, kCx, kCy, kRadius - 5.5, 0, 2 * M_PI);
  SetColour(cr, colour::kAccentDim, 0.8);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);

  // Ticks every 15 degrees, longer and lit at the eight directions.
  for (int deg = 0; deg < 360; deg += 15) {
    const bool major = deg % 45 == 0;
    double x0, y0, x1, y1;
    Polar(deg, kRadius - 8, x0, y0);
    Polar(deg, kRadius - (major ? 16 : 12), x1, y1);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    SetColour(cr, major ? colour::kAccent : colour::kLabelDim);
    cairo_set_line_width(cr, major ? 2 : 1);
    cairo_stroke(cr);
  }
  TextStyle letters;
  letters.px = 13;
  for (int i = 0; i < 8; i += 2) {
    double x, y;
    Polar(i * 45, kRadius - 27, x, y);
    letters.colour = i == 0 ? colour::kAccent : colour::kText;
    TextIn(cr, kNames[static_cast<std::size_t>(i)], letters, {x - 10, y - 10, 20, 20});
  }
  TextStyle small;
  small.px = 8;
  small.colour = colour::kLabel;
  for (int i = 1; i < 8; i += 2) {
    double x, y;
    Polar(i * 45, kRadius - 27, x, y);
    TextIn(cr, kNames[static_cast<std::size_t>(i)], small, {x - 10, y - 10, 20, 20});
  }
}

void Needle(cairo_t* cr, int sector) {
  cairo_save(cr);
  cairo_translate(cr, kCx, kCy);
  cairo_rotate(cr, sector * M_PI / 4);
  const double tip = kRadius - 14, tail = 26, half = 6;
  // The pointing half, lit.
  cairo_move_to(cr, 0, -tip);
  cairo_line_to(cr, half, 0);
  cairo_line_to(cr, -half, 0);
  cairo_close_path(cr);
  GlowPath(cr, colour::kAccent, 10, 1.8);
  SetColour(cr, colour::kAccent);
  cairo_fill(cr);
  cairo_move_to(cr, 0, -tip);
  cairo_line_to(cr, half, 0);
  cairo_line_to(cr, 0, 0);
  cairo_close_path(cr);
  SetColour(cr, colour::kText, 0.55);
  cairo_fill(cr);
  // The tail, dark.
  cairo_move_to(cr, half, 0);
  cairo_line_to(cr, 0, tail);
  cairo_line_to(cr, -half, 0);
  cairo_close_path(cr);
  SetColour(cr, Hex(0x33404C));
  cairo_fill(cr);
  cairo_restore(cr);
}

void Hub(cairo_t* cr) {
  cairo_arc(cr, kCx, kCy, 5, 0, 2 * M_PI);
  SetColour(cr, Hex(0x56626F));
  cairo_fill(cr);
  cairo_arc(cr, kCx, kCy, 2, 0, 2 * M_PI);
  SetColour(cr, colour::kEdgeDark);
  cairo_fill(cr);
}

}  // namespace

void PaintCompass(cairo_t* cr, int sector) {
  FillBox(cr, {0, 0, 233, 161}, colour::kWell);
  Label(cr, "HEADING", 6, 15, Align::kLeft, 9);
  Dial(cr);
  if (sector >= 0 && sector < 8) {
    Needle(cr, sector);
    TextStyle readout;
    readout.family = "DejaVu Sans Mono";
    readout.px = 18;
    readout.colour = colour::kAccent;
    const char* name = kNames[static_cast<std::size_t>(sector)];
    TextPath(cr, name, readout, 227, 153, Align::kRight);
    GlowPath(cr, colour::kAccent, 5, 1.0);
    cairo_new_path(cr);
    Text(cr, name, readout, 227, 153, Align::kRight);
  }
  Hub(cr);
}

void AddCompass(Catalogue& out) {
  // Numbers of the needle directions N, NE, E, SE, S, SW, W, NW.
  constexpr std::array<int, 8> kIds = {187, 171, 194, 190, 189, 191, 192, 193};
  for (int sector = 0; sector < 8; ++sector) {
    Canvas canvas(233, 161);
    PaintCompass(canvas.cr(), sector);
    out.Add(kIds[static_cast<std::size_t>(sector)], canvas.Opaque(colour::kWell));
  }
}

}  // namespace art

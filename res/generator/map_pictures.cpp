// The map view without a position: a dim street map behind a notice that there is no
// GPS position, for the main window's map area (356 x 363) and the map window (640 x 480).
#include <cmath>
#include <cstdint>

#include "res/generator/artwork.h"
#include "res/generator/catalogue.h"
#include "res/generator/palette.h"

namespace art {
namespace {

constexpr Rgb kGround = Hex(0x0A1017);
constexpr Rgb kBlock = Hex(0x0E1620);
constexpr Rgb kStreet = Hex(0x1C2A38);
constexpr Rgb kWater = Hex(0x0B2230);

// A fixed sequence of numbers in [0, 1), the same on every run.
class Sequence {
 public:
  double Next() {
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<double>(state_ >> 11) / static_cast<double>(1ull << 53);
  }

 private:
  std::uint64_t state_ = 0x5A454C56ull;
};

void Streets(cairo_t* cr, Box b) {
  FillBox(cr, b, kGround);
  Sequence random;
  // Blocks between streets that run on an irregular grid, a few of them main roads.
  double x = b.x + 6;
  while (x < b.Right()) {
    double y = b.y + 4;
    const double w = 26 + random.Next() * 30;
    while (y < b.Bottom()) {
      const double h = 22 + random.Next() * 26;
      FillRounded(cr, {x + 4, y + 4, w - 8, h - 8}, 2, kBlock);
      y += h;
    }
    x += w;
  }
  cairo_save(cr);
  cairo_rectangle(cr, b.x, b.y, b.w, b.h);
  cairo_clip(cr);
  for (int i = 0; i < 5; ++i) {  // avenues across the grid
    const double y0 = b.y + random.Next() * b.h, y1 = b.y + random.Next() * b.h;
    cairo_move_to(cr, b.x, y0);
    cairo_line_to(cr, b.Right(), y1);
  }
  SetColour(cr, kStreet);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  // A river.
  cairo_move_to(cr, b.x, b.y + b.h * 0.78);
  cairo_curve_to(cr, b.x + b.w * 0.3, b.y + b.h * 0.62, b.x + b.w * 0.6, b.y + b.h * 0.98, b.Right(), b.y + b.h * 0.8);
  SetColour(cr, kWater);
  cairo_set_line_width(cr, 14);
  cairo_stroke(cr);
  cairo_restore(cr);
}

// A map pin with a stroke through it.
void NoPin(cairo_t* cr, double cx, double cy, double size) {
  const double r = size * 0.32;
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy - size * 0.18, r, M_PI * 0.8, M_PI * 2.2);
  cairo_line_to(cr, cx, cy + size * 0.45);
  cairo_close_path(cr);
  GlowPath(cr, colour::kAccent, 6, 1.0);
  SetColour(cr, colour::kAccent);
  cairo_set_line_width(cr, 2.2);
  cairo_stroke(cr);
  cairo_arc(cr, cx, cy - size * 0.18, r * 0.38, 0, 2 * M_PI);
  SetColour(cr, colour::kAccent);
  cairo_fill(cr);
  cairo_move_to(cr, cx - size * 0.42, cy + size * 0.38);
  cairo_line_to(cr, cx + size * 0.42, cy - size * 0.5);
  SetColour(cr, Hex(0xFF5A3C));
  cairo_set_line_width(cr, 2.6);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

Image NoPositionPicture(int width, int height) {
  Canvas canvas(width, height);
  PaintNoPosition(canvas.cr(), {0, 0, static_cast<double>(width), static_cast<double>(height)});
  return canvas.Opaque(kGround);
}

}  // namespace

void PaintNoPosition(cairo_t* cr, Box b) {
  Streets(cr, b);
  // Darken the map towards the edges, so the notice stands out.
  cairo_pattern_t* shade = cairo_pattern_create_radial(b.CentreX(), b.CentreY(), 10, b.CentreX(), b.CentreY(),
                                                       std::max(b.w, b.h) * 0.75);
  cairo_pattern_add_color_stop_rgba(shade, 0, 0, 0, 0, 0.1);
  cairo_pattern_add_color_stop_rgba(shade, 1, 0, 0, 0, 0.6);
  cairo_rectangle(cr, b.x, b.y, b.w, b.h);
  cairo_set_source(cr, shade);
  cairo_fill(cr);
  cairo_pattern_destroy(shade);

  const double scale = std::min(b.w / 356, b.h / 363) > 1.2 ? 1.3 : 1.0;
  const Box notice{std::round(b.CentreX() - 120 * scale), std::round(b.CentreY() - 62 * scale), std::round(240 * scale),
                   std::round(124 * scale)};
  FillRounded(cr, notice.Moved(0, 2), 10, colour::kEdgeDark, 0.7);
  FillRounded(cr, notice, 10, Hex(0x0B1118), 0.92);
  Outline(cr, notice, 10, colour::kAccentDim, 0.9);
  NoPin(cr, notice.CentreX(), notice.y + 34 * scale, 36 * scale);
  TextStyle title;
  title.px = 17 * scale;
  title.colour = colour::kText;
  title.spacing = 1;
  Text(cr, "NO GPS SIGNAL", title, notice.CentreX(), notice.y + 86 * scale, Align::kCentre);
  TextStyle line;
  line.px = 11 * scale;
  line.bold = false;
  line.colour = colour::kLabel;
  Text(cr, "No position", line, notice.CentreX(), notice.y + 106 * scale, Align::kCentre);
}

void AddMapPictures(Catalogue& out) {
  out.Add(314, NoPositionPicture(356, 363));
  out.Add(316, NoPositionPicture(640, 480));
}

}  // namespace art

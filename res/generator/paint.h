#pragma once

#include <string_view>

#include "res/generator/image.h"

// Drawing helpers shared by every picture of the generator.
namespace art {

struct Box {
  double x = 0, y = 0, w = 0, h = 0;
  double Right() const { return x + w; }
  double Bottom() const { return y + h; }
  double CentreX() const { return x + w / 2; }
  double CentreY() const { return y + h / 2; }
  Box Grown(double by) const { return {x - by, y - by, w + 2 * by, h + 2 * by}; }
  Box Moved(double dx, double dy) const { return {x + dx, y + dy, w, h}; }
};

void SetColour(cairo_t* cr, Rgb c, double alpha = 1.0);
void RoundedRect(cairo_t* cr, Box b, double radius);
void FillBox(cairo_t* cr, Box b, Rgb c);
void FillRounded(cairo_t* cr, Box b, double radius, Rgb c, double alpha = 1.0);
void FillGradient(cairo_t* cr, Box b, double radius, Rgb top, Rgb bottom);
// A one-pixel outline lying on the pixels just inside b.
void Outline(cairo_t* cr, Box b, double radius, Rgb c, double alpha = 1.0);
// A one-pixel horizontal or vertical line through whole pixels.
void HLine(cairo_t* cr, double x0, double x1, int y, Rgb c, double alpha = 1.0);
void VLine(cairo_t* cr, int x, double y0, double y1, Rgb c, double alpha = 1.0);

// Strokes the current path several times, wide and faint to narrow and stronger,
// for the soft light of a lit glyph. Keeps the path.
void GlowPath(cairo_t* cr, Rgb c, double width, double strength = 1.0);

// The window's background: a graphite gradient.
void Desk(cairo_t* cr, Box b);
// A raised panel with a soft bevel.
void Plate(cairo_t* cr, Box b, double radius = 6);
// A recess `border` pixels wide around `place`, which is filled flat with `fill`.
void Well(cairo_t* cr, Box place, double border, Rgb fill);
// The title strip of a window without a caption bar, with its title at the left.
void TitleStrip(cairo_t* cr, double width, double height, std::string_view title);

enum class Align { kLeft, kCentre, kRight };

struct TextStyle {
  const char* family = "DejaVu Sans";
  double px = 11;  // em size in pixels
  bool bold = true;
  Rgb colour{1, 1, 1};
  double spacing = 0;  // extra pixels between letters
};

// Text on one line; `baseline` is the y of its baseline, x is aligned as asked.
void Text(cairo_t* cr, std::string_view text, const TextStyle& style, double x, double baseline,
          Align align = Align::kLeft);
// Text centred in b, by the height of capital letters.
void TextIn(cairo_t* cr, std::string_view text, const TextStyle& style, Box b);
// Adds the text's outline to the path, for glows; same placement as Text.
void TextPath(cairo_t* cr, std::string_view text, const TextStyle& style, double x, double baseline,
              Align align = Align::kLeft);
double CapHeight(const TextStyle& style);

// An engraved label: small bold capitals in the label colour.
void Label(cairo_t* cr, std::string_view text, double x, double baseline, Align align = Align::kLeft,
           double px = 10);

}  // namespace art

// The elapsed time: pixel digits of 7 x 12 and a colon of 11 x 12, and the clip
// length labels 01 : 00 and 02 : 00 of 89 x 24, all cyan on the dark readout well.
#include <array>
#include <cmath>

#include "res/generator/artwork.h"
#include "res/generator/catalogue.h"
#include "res/generator/palette.h"

namespace art {
namespace {

using Glyph5x9 = std::array<const char*, 9>;
constexpr std::array<Glyph5x9, 10> kDigits = {{
    {" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "},
    {"  #  ", " ##  ", "# #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "#####"},
    {" ### ", "#   #", "    #", "    #", "   # ", "  #  ", " #   ", "#    ", "#####"},
    {" ### ", "#   #", "    #", "    #", "  ## ", "    #", "    #", "#   #", " ### "},
    {"   # ", "  ## ", " # # ", "#  # ", "#  # ", "#####", "   # ", "   # ", "   # "},
    {"#####", "#    ", "#    ", "#### ", "    #", "    #", "    #", "#   #", " ### "},
    {" ### ", "#   #", "#    ", "#    ", "#### ", "#   #", "#   #", "#   #", " ### "},
    {"#####", "    #", "    #", "   # ", "   # ", "  #  ", "  #  ", "  #  ", "  #  "},
    {" ### ", "#   #", "#   #", "#   #", " ### ", "#   #", "#   #", "#   #", " ### "},
    {" ### ", "#   #", "#   #", "#   #", " ####", "    #", "    #", "#   #", " ### "},
}};

constexpr int kGlyphTop = 2;  // rows 2..10 of 12

// A pixel digit 0..9 (7 x 12) or the colon (11 x 12, digit -1) at (x, y).
void PaintTimeGlyph(cairo_t* cr, double x, double y, int digit) {
  const int width = digit < 0 ? 11 : 7;
  FillBox(cr, {x, y, static_cast<double>(width), 12}, colour::kWell);
  if (digit < 0) {
    FillBox(cr, {x + 4, y + kGlyphTop + 2, 2, 2}, colour::kAccent);
    FillBox(cr, {x + 4, y + kGlyphTop + 6, 2, 2}, colour::kAccent);
    return;
  }
  const auto& rows = kDigits[static_cast<std::size_t>(digit)];
  for (int row = 0; row < 9; ++row)
    for (int col = 0; col < 5; ++col)
      if (rows[static_cast<std::size_t>(row)][col] == '#') FillBox(cr, {x + 1 + col, y + kGlyphTop + row, 1, 1}, colour::kAccent);
}

// The readout of a clip length on 89 x 24.
void PaintLengthLabel(cairo_t* cr, const char* text) {
  FillBox(cr, {0, 0, 89, 24}, colour::kWell);
  TextStyle style;
  style.family = "DejaVu Sans Mono";
  style.px = 15;
  style.colour = colour::kAccent;
  const double baseline = std::round(12 + CapHeight(style) / 2);
  TextPath(cr, text, style, 44.5, baseline, Align::kCentre);
  GlowPath(cr, colour::kAccent, 5, 1.0);
  cairo_new_path(cr);
  TextIn(cr, text, style, {0, 0, 89, 24});
}

Image TimeGlyph(int digit) {
  const int width = digit < 0 ? 11 : 7;
  Canvas canvas(width, 12);
  PaintTimeGlyph(canvas.cr(), 0, 0, digit);
  return canvas.Opaque(colour::kWell);
}

Image LengthLabel(const char* text) {
  Canvas canvas(89, 24);
  PaintLengthLabel(canvas.cr(), text);
  return canvas.Opaque(colour::kWell);
}

}  // namespace

void AddTimeDigits(Catalogue& out) {
  for (int d = 0; d < 10; ++d) out.Add(299 + d, TimeGlyph(d));
  out.Add(310, TimeGlyph(-1));
  out.Add(311, LengthLabel("01 : 00"));
  out.Add(315, LengthLabel("02 : 00"));
}

}  // namespace art

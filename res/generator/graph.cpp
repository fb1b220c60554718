// The G-sensor graph of 340 x 166: a scale of -2 g to 2 g on the lines y = 93 - 24 g,
// a time axis from x = 52 to 292, and the axis captions X:, Y:, Z: in the axis
// colours. The caption strip (245 x 15) is the graph's own block at (50, 10), so
// copying it erases the printed values and nothing else.
#include <array>
#include <cmath>

#include "res/generator/artwork.h"
#include "res/generator/catalogue.h"
#include "res/generator/palette.h"

namespace art {
namespace {

constexpr Rgb kBack = Hex(0x070B10);
constexpr int kAxisLeft = 52, kAxisRight = 292;
constexpr int kZeroY = 93, kPixelsPerG = 24;
constexpr int kStripX = 50, kStripY = 10, kStripW = 245, kStripH = 15;

Image Graph() {
  Canvas canvas(340, 166);
  PaintGraph(canvas.cr());
  return canvas.Opaque(kBack);
}

}  // namespace

void PaintGraph(cairo_t* cr) {
  FillBox(cr, {0, 0, 340, 166}, kBack);
  Label(cr, "G-SENSOR", 6, 160, Align::kLeft, 8);

  // Time grid and axis.
  for (int x = kAxisLeft + 30; x < kAxisRight; x += 30) VLine(cr, x, 45, 142, colour::kLabelDim, 0.22);
  VLine(cr, kAxisLeft - 1, 41, 146, colour::kLabelDim, 0.8);
  VLine(cr, kAxisRight, 41, 146, colour::kLabelDim, 0.35);
  for (int x = kAxisLeft; x <= kAxisRight; x += 30) VLine(cr, x, 142, 146, colour::kLabelDim, 0.8);
  TextStyle time;
  time.family = "DejaVu Sans Condensed";
  time.px = 8;
  time.colour = colour::kLabelDim;
  Text(cr, "TIME", time, kAxisRight, 157, Align::kRight);

  // Scale lines: 2.0 g at the top to -2.0 g at the bottom.
  constexpr std::array<const char*, 5> kScale = {"2.0G", "1.0G", "0G", "-1.0G", "-2.0G"};
  TextStyle scale;
  scale.family = "DejaVu Sans Condensed";
  scale.px = 9;
  for (int i = 0; i < 5; ++i) {
    const int y = kZeroY - (2 - i) * kPixelsPerG;
    const bool zero = i == 2;
    HLine(cr, kAxisLeft, kAxisRight, y, zero ? colour::kAccentDim : colour::kLabelDim, zero ? 1.0 : 0.45);
    scale.colour = zero ? colour::kLabel : colour::kLabelDim;
    Text(cr, kScale[static_cast<std::size_t>(i)], scale, kAxisLeft - 5, y + 3.5, Align::kRight);
  }

  // Axis captions, left of where the values are printed (x 70, 151 and 235).
  TextStyle caption;
  caption.family = "Times New Roman";
  caption.px = 13.5;
  const int baseline = kStripY + 12;
  caption.colour = colour::kAxisX;
  Text(cr, "X:", caption, 68, baseline, Align::kRight);
  caption.colour = colour::kAxisY;
  Text(cr, "Y:", caption, 149, baseline, Align::kRight);
  caption.colour = colour::kAxisZ;
  Text(cr, "Z:", caption, 233, baseline, Align::kRight);
}

void AddGraph(Catalogue& out) {
  Image graph = Graph();
  Image strip = Crop(graph, kStripX, kStripY, kStripW, kStripH);
  out.Add(312, std::move(graph));
  out.Add(313, std::move(strip));
}

}  // namespace art

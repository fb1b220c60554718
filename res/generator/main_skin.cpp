// The main window's skin (999 x 780). Frames and labels every place the program
// paints: the video and the map, the caption line, the sliders, the time readouts,
// the transport bar, the speed, heading and G-sensor panels and the clip list. The
// places show the panels at rest (unlit digits, a dial without needle, an empty
// graph, plain time readouts) until the program draws over them.
#include <cmath>

#include "res/generator/artwork.h"
#include "res/generator/catalogue.h"
#include "res/generator/main_skin_parts.h"
#include "res/generator/palette.h"

namespace art {
namespace {

constexpr double kWidth = 999, kHeight = 780;

// Places, in window pixels.
constexpr Box kVideo{19, 68, 601, 350};
constexpr Box kMap{630, 62, 356, 363};
constexpr Box kCaption{20, 429, 483, 42};
constexpr Box kMiniButton{842, 10, 65, 33};
constexpr Box kCloseButton{908, 10, 65, 33};
constexpr Box kTools{509, 429, 232, 41};
constexpr Box kSpeedPanel{814, 513, 120, 54};
constexpr Box kUnitButton{856, 579, 35, 13};
constexpr Box kGraph{398, 588, 340, 166};
constexpr Box kCompass{756, 601, 233, 161};
constexpr Box kClipList{28, 610, 338, 142};
constexpr Box kListButtons{120, 550, 237, 31};

void TopHalf(cairo_t* cr) {
  Desk(cr, {0, 0, kWidth, kHeight});
  TitleStrip(cr, kWidth, 53, "Zelvik Player");
  ButtonTray(cr, {kMiniButton.x, kMiniButton.y, kCloseButton.Right() - kMiniButton.x, kMiniButton.h});

  Well(cr, kVideo, 4, colour::kScreen);
  IdleScreen(cr, kVideo);
  Well(cr, kMap, 3, colour::kWell);
  cairo_save(cr);
  cairo_translate(cr, kMap.x, kMap.y);
  PaintNoPosition(cr, {0, 0, kMap.w, kMap.h});
  cairo_restore(cr);

  // The caption line: the program writes the driver and vehicle here.
  FillRounded(cr, kCaption.Moved(0, 1), 5, colour::kEdgeLight, 0.3);
  FillRounded(cr, kCaption, 5, colour::kWell);
  Outline(cr, kCaption, 5, colour::kEdgeDark);
  ButtonTray(cr, kTools);
  Brand(cr, {kTools.Right() + 8, kTools.y, kMap.Right() - kTools.Right() - 8, kTools.h});
}

void LeftPanel(cairo_t* cr) {
  Plate(cr, {14, 478, 366, 288});
  SliderPlace(cr, {66, 504, 108, 14}, "VOLUME");
  Speaker(cr, 34, 511);
  SliderPlace(cr, {240, 504, 108, 14}, "PLAY SPEED");
  Text(cr, "0.5x", ScaleStyle(), 253, 531, Align::kCentre);
  Text(cr, "1x", ScaleStyle(), 294, 531, Align::kCentre);
  Text(cr, "2x", ScaleStyle(), 335, 531, Align::kCentre);

  ButtonTray(cr, kListButtons);
  Folder(cr, 46, 552);
  Label(cr, "CLIP LIST", 30, 600);
  Well(cr, kClipList, 4, Hex(0x0C1424));
}

void CentrePanel(cairo_t* cr) {
  Plate(cr, {386, 478, 362, 288});
  Label(cr, "POSITION", 422, 495);
  // One well holds the seek bar, the time readouts, the transport and the graph.
  Well(cr, {396, 500, 344, 258}, 3, colour::kWell);
  Outline(cr, Box{422, 504, 296, 14}.Grown(1), 0, colour::kAccentDim, 0.45);

  // The time readouts stay plain until the program writes them.
  Readout(cr, {431, 528, 40, 12}, 2);
  TextStyle small = ScaleStyle();
  small.colour = colour::kLabelDim;
  Text(cr, "ELAPSED", small, 480, 538);
  Text(cr, "LENGTH", small, 636, 538, Align::kRight);
  Readout(cr, {643, 522, 89, 24}, 0);

  Readout(cr, kGraph, 0);
  cairo_save(cr);
  cairo_translate(cr, kGraph.x, kGraph.y);
  PaintGraph(cr);
  cairo_restore(cr);
}

void RightPanels(cairo_t* cr) {
  Plate(cr, {752, 478, 242, 117});
  Label(cr, "SPEED", 762, 495);
  Gauge(cr, 783, 545);
  Well(cr, kSpeedPanel, 3, colour::kWell);
  for (int i = 0; i < 3; ++i) {
    cairo_save(cr);
    cairo_translate(cr, kSpeedPanel.x + 40 * i, kSpeedPanel.y);
    PaintSpeedDigit(cr, -1);
    cairo_restore(cr);
  }
  ButtonTray(cr, kUnitButton);

  Plate(cr, {750, 597, 245, 169});
  Well(cr, kCompass, 2, colour::kWell);
  cairo_save(cr);
  cairo_translate(cr, kCompass.x, kCompass.y);
  PaintCompass(cr, -1);
  cairo_restore(cr);
}

}  // namespace

void AddMainSkin(Catalogue& out) {
  Canvas canvas(static_cast<int>(kWidth), static_cast<int>(kHeight));
  cairo_t* cr = canvas.cr();
  TopHalf(cr);
  LeftPanel(cr);
  CentrePanel(cr);
  RightPanels(cr);
  out.Add(131, canvas.Opaque(colour::kDesk));
}

}  // namespace art

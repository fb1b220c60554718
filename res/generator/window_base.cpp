#include <initializer_list>

#include "res/generator/artwork.h"
#include "res/generator/palette.h"

namespace art {

void WindowBase(cairo_t* cr, double width, double height, const char* title, std::initializer_list<Box> titleButtons,
                double titleHeight) {
  Desk(cr, {0, 0, width, height});
  TitleStrip(cr, width, titleHeight, title);
  for (const Box& b : titleButtons) ButtonTray(cr, b);
  Outline(cr, {0, 0, width, height}, 0, colour::kEdgeLight, 0.5);
}

void Section(cairo_t* cr, Box b, const char* heading) {
  FillRounded(cr, b.Moved(0, 1), 6, colour::kEdgeLight, 0.25);
  FillRounded(cr, b, 6, colour::kSection);
  Outline(cr, b, 6, colour::kEdgeDark);
  HLine(cr, b.x + 10, b.x + 90, static_cast<int>(b.y) + 20, colour::kAccent, 0.7);
  HLine(cr, b.x + 90, b.Right() - 10, static_cast<int>(b.y) + 20, colour::kAccentDim, 0.35);
  Label(cr, heading, b.x + 10, b.y + 15, Align::kLeft, 10);
}

void EntryFrame(cairo_t* cr, Box field) {
  Well(cr, field, 3, Hex(0x0B0F14));
}

}  // namespace art

// The capture window "Print with Preview" (938 x 574): the frame of the picture, the
// trays behind its buttons, and the Print, Cancel and Save faces (86 x 43).
#include "res/generator/artwork.h"
#include "res/generator/catalogue.h"
#include "res/generator/faces.h"
#include "res/generator/palette.h"

namespace art {
namespace {

Image Background() {
  Canvas canvas(938, 574);
  cairo_t* cr = canvas.cr();
  WindowBase(cr, 938, 574, "Print with Preview", {{795, 10, 131, 33}});
  Well(cr, {16, 75, 800, 480}, 3, colour::kScreen);
  Plate(cr, {828, 75, 106, 480});
  Label(cr, "PICTURE", 881, 92, Align::kCentre, 9);
  for (double y : {99.0, 168.0, 238.0}) ButtonTray(cr, {838, y, 86, 43});
  TextStyle note;
  note.family = "DejaVu Sans Condensed";
  note.px = 9;
  note.bold = false;
  note.colour = colour::kLabelDim;
  Text(cr, "800 x 480", note, 881, 540, Align::kCentre);
  return canvas.Opaque(colour::kDesk);
}

void AddPair(Catalogue& out, int normal, int pressed, const char* text) {
  out.Add(normal, TextFace(86, 43, Look::kNormal, text, 13));
  out.Add(pressed, TextFace(86, 43, Look::kPressed, text, 13));
}

}  // namespace

void AddCaptureWindow(Catalogue& out) {
  out.Add(249, Background());
  AddPair(out, 251, 252, "Print");
  AddPair(out, 254, 255, "Cancel");
  AddPair(out, 257, 258, "Save");
}

}  // namespace art

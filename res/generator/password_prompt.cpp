// The password prompt (360 x 240): title, the request for the code word, the frame of
// the entry field and the trays behind OK and Cancel (100 x 34 faces).
#include <cmath>

#include "res/generator/artwork.h"
#include "res/generator/catalogue.h"
#include "res/generator/faces.h"
#include "res/generator/palette.h"

namespace art {
namespace {

void Padlock(cairo_t* cr, double x, double y) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + 9, y + 9, 6, M_PI, 2 * M_PI);
  cairo_line_to(cr, x + 15, y + 13);
  cairo_move_to(cr, x + 3, y + 13);
  cairo_line_to(cr, x + 3, y + 9);
  GlowPath(cr, colour::kAccentDim, 5);
  SetColour(cr, colour::kLabel);
  cairo_set_line_width(cr, 2.2);
  cairo_stroke(cr);
  FillRounded(cr, {x, y + 12, 18, 14}, 2.5, colour::kAccent);
  cairo_arc(cr, x + 9, y + 18, 2, 0, 2 * M_PI);
  cairo_rectangle(cr, x + 8, y + 19, 2, 4);
  SetColour(cr, colour::kEdgeDark);
  cairo_fill(cr);
}

Image Background() {
  Canvas canvas(360, 240);
  cairo_t* cr = canvas.cr();
  WindowBase(cr, 360, 240, "Password", {{282, 10, 65, 33}});
  TextStyle request;
  request.px = 13;
  request.bold = false;
  request.colour = colour::kText;
  Text(cr, "Please enter the password.", request, 180, 98, Align::kCentre);
  Padlock(cr, 72, 128);
  EntryFrame(cr, {105, 125, 150, 33});
  ButtonTray(cr, {48, 178, 100, 34});
  ButtonTray(cr, {210, 178, 100, 34});
  return canvas.Opaque(colour::kDesk);
}

}  // namespace

void AddPasswordPrompt(Catalogue& out) {
  out.Add(273, Background());
  out.Add(277, TextFace(100, 34, Look::kNormal, "OK", 13));
  out.Add(275, TextFace(100, 34, Look::kPressed, "OK", 13));
  out.Add(274, TextFace(100, 34, Look::kNormal, "Cancel", 13));
  out.Add(276, TextFace(100, 34, Look::kPressed, "Cancel", 13));
}

}  // namespace art

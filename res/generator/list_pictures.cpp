// The clip list: its tiled background of dark blue stripes (338 x 142) and the
// recording-kind icons (17 x 17 discs with a letter, silver 192,192,192 around them,
// the image list's mask colour).
#include <cmath>

#include "res/generator/catalogue.h"
#include "res/generator/paint.h"
#include "res/generator/palette.h"

namespace art {
namespace {

constexpr Rgb kListBack = Hex(0x101A2C);  // under the icons' edges: the list's stripes

Image Stripes() {
  Canvas canvas(338, 142);
  cairo_t* cr = canvas.cr();
  FillBox(cr, {0, 0, 338, 142}, Hex(0x0C1424));
  // Stripes two rows of the list high, with a faint line between rows.
  for (int y = 0; y < 142; y += 20) {
    FillBox(cr, {0, static_cast<double>(y), 338, 10}, Hex(0x111B30));
    HLine(cr, 0, 338, y + 9, Hex(0x1A2A46), 0.9);
  }
  // A soft cyan light from the left edge.
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 120, 0);
  cairo_pattern_add_color_stop_rgba(p, 0, colour::kAccent.r, colour::kAccent.g, colour::kAccent.b, 0.06);
  cairo_pattern_add_color_stop_rgba(p, 1, colour::kAccent.r, colour::kAccent.g, colour::kAccent.b, 0);
  cairo_rectangle(cr, 0, 0, 338, 142);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  return canvas.Opaque();
}

Image KindIcon(Rgb disc, Rgb letterColour, const char* letter) {
  Canvas canvas(17, 17);
  cairo_t* cr = canvas.cr();
  cairo_pattern_t* p = cairo_pattern_create_radial(6.5, 5.5, 1, 8.5, 8.5, 8.5);
  const Rgb light = Mix(disc, {1, 1, 1}, 0.45);
  const Rgb dark = Mix(disc, {0, 0, 0}, 0.35);
  cairo_pattern_add_color_stop_rgb(p, 0, light.r, light.g, light.b);
  cairo_pattern_add_color_stop_rgb(p, 0.6, disc.r, disc.g, disc.b);
  cairo_pattern_add_color_stop_rgb(p, 1, dark.r, dark.g, dark.b);
  cairo_arc(cr, 8.5, 8.5, 8.2, 0, 2 * M_PI);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  TextStyle style;
  style.px = 11;
  style.colour = letterColour;
  TextIn(cr, letter, style, {0, 0, 17, 17});
  return canvas.Keyed(kSilver, kListBack);
}

}  // namespace

void AddListPictures(Catalogue& out) {
  out.Add(206, Stripes());
  out.Add(203, KindIcon(Hex(0x1E6FE0), Hex(0xFFFFFF), "N"));  // normal recording
  out.Add(234, KindIcon(Hex(0xE0262B), Hex(0xFFFFFF), "G"));  // G-sensor event
  out.Add(235, KindIcon(Hex(0x1FA83C), Hex(0xFFFFFF), "B"));  // button
  out.Add(270, KindIcon(Hex(0xF2C614), Hex(0xD0181E), "P"));  // parking
}

}  // namespace art

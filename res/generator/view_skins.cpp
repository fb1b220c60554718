// The skins of the detached map window (660 x 560) and the full-screen view (820 x 560).
#include "res/generator/artwork.h"
#include "res/generator/catalogue.h"
#include "res/generator/palette.h"

namespace art {
namespace {

Image MapWindow() {
  Canvas canvas(660, 560);
  cairo_t* cr = canvas.cr();
  WindowBase(cr, 660, 560, "Map", {{580, 10, 65, 33}});
  const Box browser{8, 70, 644, 484};
  Well(cr, browser, 3, colour::kWell);
  cairo_save(cr);
  cairo_translate(cr, browser.x, browser.y);
  PaintNoPosition(cr, {0, 0, browser.w, browser.h});
  cairo_restore(cr);
  return canvas.Opaque(colour::kDesk);
}

Image ScreenWindow() {
  Canvas canvas(820, 560);
  cairo_t* cr = canvas.cr();
  WindowBase(cr, 820, 560, "Screen", {{675, 10, 131, 33}});
  Well(cr, {10, 70, 800, 480}, 3, colour::kScreen);
  return canvas.Opaque(colour::kDesk);
}

}  // namespace

void AddViewSkins(Catalogue& out) {
  out.Add(165, MapWindow());
  out.Add(230, ScreenWindow());
}

}  // namespace art

#include "platform/gtk/list_view_look.h"

#include <cstdio>

namespace platform::gtk {

namespace {

std::string CssColour(Colour c) {
  char text[32];
  std::snprintf(text, sizeof text, "rgb(%d,%d,%d)", RedOf(c), GreenOf(c), BlueOf(c));
  return text;
}

void SetSource(cairo_t* cr, Colour c) {
  cairo_set_source_rgb(cr, RedOf(c) / 255.0, GreenOf(c) / 255.0, BlueOf(c) / 255.0);
}

}  // namespace

std::string ListViewCss(const ListViewColours& colours) {
  // The window's focus state (backdrop) changes nothing: the selection stays shown.
  return "treeview.view, treeview.view:backdrop {"
         " background-color: transparent; background-image: none;"
         " color: " + CssColour(colours.text) + ";"
         " font-family: \"DejaVu Sans\"; font-size: 8pt; }\n"
         "treeview.view:selected, treeview.view:selected:focus, treeview.view:selected:backdrop {"
         " background-color: " + CssColour(colours.selectionBackground) + ";"
         " color: " + CssColour(colours.selectionText) + "; }\n";
}

void PaintTiledBackground(cairo_t* cr, GdkRectangle area, Colour background, const Bitmap& tile) {
  cairo_save(cr);
  cairo_rectangle(cr, area.x, area.y, area.width, area.height);
  cairo_clip(cr);
  SetSource(cr, background);
  cairo_paint(cr);
  if (!tile.Empty()) {
    // Bitmap rows are BGRx, the layout of CAIRO_FORMAT_RGB24; Cairo only reads them here.
    cairo_surface_t* image = cairo_image_surface_create_for_data(
        const_cast<unsigned char*>(tile.Bytes()), CAIRO_FORMAT_RGB24, tile.Width(), tile.Height(), tile.Stride());
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(image);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
    cairo_matrix_t matrix;
    cairo_matrix_init_translate(&matrix, -area.x, -area.y);
    cairo_pattern_set_matrix(pattern, &matrix);
    cairo_set_source(cr, pattern);
    cairo_paint(cr);
    cairo_pattern_destroy(pattern);
    cairo_surface_destroy(image);
  }
  cairo_restore(cr);
}

}  // namespace platform::gtk

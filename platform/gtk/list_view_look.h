#pragma once

#include <gtk/gtk.h>

#include <string>

#include "platform/raster/bitmap.h"

namespace platform::gtk {

// The colours of a list view's rows over its own background.
struct ListViewColours {
  Colour text = Rgb(0, 0, 0);
  Colour selectionBackground = Rgb(51, 153, 255);
  Colour selectionText = Rgb(255, 255, 255);
};

// The style sheet of a list view's tree view: rows without a background of their
// own (the widget's background shows through), the text colour, the selected row.
std::string ListViewCss(const ListViewColours& colours);

// Fills `area` with `background`, then with `tile` repeated from the area's origin.
void PaintTiledBackground(cairo_t* cr, GdkRectangle area, Colour background, const Bitmap& tile);

}  // namespace platform::gtk

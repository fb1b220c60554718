#pragma once

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <optional>

#include "platform/raster/bitmap.h"

namespace platform::gtk {

// A new pixbuf (with alpha) of the bitmap's pixels; pixels of `transparent`, if
// given, are fully transparent. Null for an empty bitmap. The caller owns it.
GdkPixbuf* PixbufFromBitmap(const Bitmap& bitmap, std::optional<Colour> transparent = std::nullopt);

}  // namespace platform::gtk

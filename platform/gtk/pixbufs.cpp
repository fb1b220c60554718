#include "platform/gtk/pixbufs.h"

#include <cstddef>

namespace platform::gtk {

GdkPixbuf* PixbufFromBitmap(const Bitmap& bitmap, std::optional<Colour> transparent) {
  if (bitmap.Empty()) return nullptr;
  GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, bitmap.Width(), bitmap.Height());
  if (pixbuf == nullptr) return nullptr;
  guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
  int stride = gdk_pixbuf_get_rowstride(pixbuf);
  for (int y = 0; y < bitmap.Height(); ++y) {
    guchar* out = pixels + static_cast<std::ptrdiff_t>(y) * stride;
    for (int x = 0; x < bitmap.Width(); ++x) {
      Colour c = bitmap.Pixel(x, y);
      *out++ = static_cast<guchar>(RedOf(c));
      *out++ = static_cast<guchar>(GreenOf(c));
      *out++ = static_cast<guchar>(BlueOf(c));
      *out++ = transparent && c == *transparent ? 0 : 255;
    }
  }
  return pixbuf;
}

}  // namespace platform::gtk

// Text through Pango and Cairo, drawn straight into a bitmap's pixels.

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <memory>
#include <string>

#include "platform/raster/draw.h"

namespace platform::raster {

namespace {

constexpr double kScreenDpi = 96.0;
constexpr int kMinPoints = 1;
constexpr int kMaxPoints = 1000;

// The font map and context take long to make; both live for the whole run. Their
// options are fixed here rather than taken from the desktop, so that the same text
// always gives the same pixels.
PangoContext* SharedContext() {
  static PangoContext* context = [] {
    PangoFontMap* map = pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
    if (map == nullptr) map = pango_cairo_font_map_new();
    pango_cairo_font_map_set_resolution(PANGO_CAIRO_FONT_MAP(map), kScreenDpi);
    PangoContext* made = pango_font_map_create_context(map);
    g_object_unref(map);  // the context keeps it
    pango_cairo_context_set_resolution(made, kScreenDpi);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    pango_cairo_context_set_font_options(made, options);
    cairo_font_options_destroy(options);
    return made;
  }();
  return context;
}

struct GObjectUnref {
  void operator()(gpointer object) const { g_object_unref(object); }
};
using LayoutPtr = std::unique_ptr<PangoLayout, GObjectUnref>;

// The text up to its first NUL, as a C string would end, with any byte sequence
// that is not UTF-8 shown as the replacement character.
std::string DisplayableText(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  if (g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr)) return std::string(text);
  gchar* valid = g_utf8_make_valid(text.data(), static_cast<gssize>(text.size()));
  std::string result(valid);
  g_free(valid);
  return result;
}

LayoutPtr MakeLayout(std::string_view text, const Font& font) {
  LayoutPtr layout(pango_layout_new(SharedContext()));
  // One line: a line break in the text is shown, not followed.
  pango_layout_set_single_paragraph_mode(layout.get(), TRUE);

  PangoFontDescription* description = pango_font_description_new();
  std::string family(font.family);
  pango_font_description_set_family(description, family.c_str());
  pango_font_description_set_size(description, std::clamp(font.pointSize, kMinPoints, kMaxPoints) * PANGO_SCALE);
  pango_layout_set_font_description(layout.get(), description);
  pango_font_description_free(description);

  std::string shown = DisplayableText(text);
  pango_layout_set_text(layout.get(), shown.data(), static_cast<int>(shown.size()));
  return layout;
}

// Cairo writes the fourth byte of RGB24 pixels as it likes; ours keep it 0.
void ClearFourthByte(Bitmap& dst, Rect area) {
  for (int y = area.y; y < area.Bottom(); ++y) {
    std::uint32_t* row = dst.Row(y);
    for (int x = area.x; x < area.Right(); ++x) row[x] &= 0x00FFFFFF;
  }
}

}  // namespace

void Text(Bitmap& dst, int x, int y, std::string_view text, const Font& font, Colour colour) {
  if (dst.Empty()) return;
  LayoutPtr layout = MakeLayout(text, font);
  PangoRectangle ink, logical;
  pango_layout_get_pixel_extents(layout.get(), &ink, &logical);
  if (ink.width <= 0 || ink.height <= 0) return;

  // Where the layout's origin goes so that its logical rectangle starts at (x, y).
  long long originX = static_cast<long long>(x) - logical.x;
  long long originY = static_cast<long long>(y) - logical.y;
  // Cairo draws only into the part of the bitmap the ink can reach (one pixel
  // spare for antialiasing), so the rest is neither touched nor scanned.
  long long x0 = std::max(originX + ink.x - 1, 0LL);
  long long y0 = std::max(originY + ink.y - 1, 0LL);
  long long x1 = std::min(originX + ink.x + ink.width + 1, static_cast<long long>(dst.Width()));
  long long y1 = std::min(originY + ink.y + ink.height + 1, static_cast<long long>(dst.Height()));
  if (x0 >= x1 || y0 >= y1) return;
  Rect area{static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1 - x0), static_cast<int>(y1 - y0)};

  unsigned char* origin = dst.Bytes() + static_cast<std::size_t>(area.y) * dst.Stride() + static_cast<std::size_t>(area.x) * 4;
  cairo_surface_t* surface =
      cairo_image_surface_create_for_data(origin, CAIRO_FORMAT_RGB24, area.width, area.height, dst.Stride());
  if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, RedOf(colour) / 255.0, GreenOf(colour) / 255.0, BlueOf(colour) / 255.0);
    cairo_move_to(cr, static_cast<double>(originX - x0), static_cast<double>(originY - y0));
    pango_cairo_show_layout(cr, layout.get());
    cairo_destroy(cr);
    cairo_surface_finish(surface);
  }
  cairo_surface_destroy(surface);
  ClearFourthByte(dst, area);
}

Size TextExtent(std::string_view text, const Font& font) {
  LayoutPtr layout = MakeLayout(text, font);
  int width = 0, height = 0;
  pango_layout_get_pixel_size(layout.get(), &width, &height);
  return {width, height};
}

}  // namespace platform::raster

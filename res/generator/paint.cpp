#include "res/generator/paint.h"

#include <algorithm>
#include <cmath>
#include <string>

#include <pango/pangocairo.h>

#include "res/generator/palette.h"

namespace art {

void SetColour(cairo_t* cr, Rgb c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

void RoundedRect(cairo_t* cr, Box b, double radius) {
  const double r = std::min({radius, b.w / 2, b.h / 2});
  if (r <= 0) {
    cairo_rectangle(cr, b.x, b.y, b.w, b.h);
    return;
  }
  cairo_new_sub_path(cr);
  cairo_arc(cr, b.Right() - r, b.y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, b.Right() - r, b.Bottom() - r, r, 0, M_PI / 2);
  cairo_arc(cr, b.x + r, b.Bottom() - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, b.x + r, b.y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void FillBox(cairo_t* cr, Box b, Rgb c) { FillRounded(cr, b, 0, c); }

void FillRounded(cairo_t* cr, Box b, double radius, Rgb c, double alpha) {
  RoundedRect(cr, b, radius);
  SetColour(cr, c, alpha);
  cairo_fill(cr);
}

void FillGradient(cairo_t* cr, Box b, double radius, Rgb top, Rgb bottom) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, b.y, 0, b.Bottom());
  cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
  RoundedRect(cr, b, radius);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void Outline(cairo_t* cr, Box b, double radius, Rgb c, double alpha) {
  RoundedRect(cr, b.Grown(-0.5), std::max(0.0, radius - 0.5));
  SetColour(cr, c, alpha);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void HLine(cairo_t* cr, double x0, double x1, int y, Rgb c, double alpha) {
  cairo_rectangle(cr, x0, y, x1 - x0, 1);
  SetColour(cr, c, alpha);
  cairo_fill(cr);
}

void VLine(cairo_t* cr, int x, double y0, double y1, Rgb c, double alpha) {
  cairo_rectangle(cr, x, y0, 1, y1 - y0);
  SetColour(cr, c, alpha);
  cairo_fill(cr);
}

void GlowPath(cairo_t* cr, Rgb c, double width, double strength) {
  cairo_save(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  constexpr int kSteps = 5;
  for (int i = 0; i < kSteps; ++i) {
    cairo_set_line_width(cr, width * (kSteps - i) / kSteps);
    SetColour(cr, c, 0.07 * strength);
    cairo_stroke_preserve(cr);
  }
  cairo_restore(cr);
}

void Desk(cairo_t* cr, Box b) { FillGradient(cr, b, 0, colour::kDeskHigh, colour::kDesk); }

void Plate(cairo_t* cr, Box b, double radius) {
  FillRounded(cr, b.Moved(0, 2), radius, colour::kEdgeDark, 0.6);
  FillGradient(cr, b, radius, colour::kPlateTop, colour::kPlateBottom);
  Outline(cr, b, radius, colour::kEdgeDark);
  Outline(cr, b.Grown(-1), radius - 1, colour::kEdgeLight, 0.18);
  HLine(cr, b.x + radius, b.Right() - radius, static_cast<int>(b.y) + 1, colour::kEdgeLight, 0.45);
}

void Well(cairo_t* cr, Box place, double border, Rgb fill) {
  const Box outer = place.Grown(border);
  const double r = std::min(border + 1, 5.0);
  FillRounded(cr, outer.Moved(0, 1), r, colour::kEdgeLight, 0.35);
  FillGradient(cr, outer, r, colour::kEdgeDark, colour::kWellRim);
  Outline(cr, place.Grown(1), 0, colour::kAccentDim, 0.45);
  FillBox(cr, place, fill);
}

namespace {

PangoLayout* MakeLayout(cairo_t* cr, std::string_view text, const TextStyle& style) {
  PangoLayout* layout = pango_cairo_create_layout(cr);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
  pango_cairo_context_set_font_options(pango_layout_get_context(layout), options);
  cairo_font_options_destroy(options);
  pango_layout_context_changed(layout);

  PangoFontDescription* font = pango_font_description_new();
  pango_font_description_set_family(font, style.family);
  pango_font_description_set_weight(font, style.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_absolute_size(font, style.px * PANGO_SCALE);
  pango_layout_set_font_description(layout, font);
  pango_font_description_free(font);

  if (style.spacing != 0) {
    PangoAttrList* attrs = pango_attr_list_new();
    pango_attr_list_insert(attrs, pango_attr_letter_spacing_new(static_cast<int>(style.spacing * PANGO_SCALE)));
    pango_layout_set_attributes(layout, attrs);
    pango_attr_list_unref(attrs);
  }
  const std::string owned(text);
  pango_layout_set_text(layout, owned.c_str(), static_cast<int>(owned.size()));
  return layout;
}

// Moves to the layout's top-left so that its baseline lies on `baseline`.
void PlaceLayout(cairo_t* cr, PangoLayout* layout, const TextStyle& style, double x, double baseline,
                 Align align) {
  PangoRectangle logical;
  pango_layout_get_extents(layout, nullptr, &logical);
  double width = logical.width / static_cast<double>(PANGO_SCALE);
  if (style.spacing != 0) width -= style.spacing;  // no space after the last letter
  double left = x;
  if (align == Align::kCentre) left = x - width / 2;
  if (align == Align::kRight) left = x - width;
  cairo_move_to(cr, std::round(left), baseline - pango_layout_get_baseline(layout) / static_cast<double>(PANGO_SCALE));
}

}  // namespace

void Text(cairo_t* cr, std::string_view text, const TextStyle& style, double x, double baseline, Align align) {
  PangoLayout* layout = MakeLayout(cr, text, style);
  PlaceLayout(cr, layout, style, x, baseline, align);
  SetColour(cr, style.colour);
  pango_cairo_show_layout(cr, layout);
  cairo_new_path(cr);
  g_object_unref(layout);
}

void TextPath(cairo_t* cr, std::string_view text, const TextStyle& style, double x, double baseline,
              Align align) {
  PangoLayout* layout = MakeLayout(cr, text, style);
  PlaceLayout(cr, layout, style, x, baseline, align);
  pango_cairo_layout_path(cr, layout);
  g_object_unref(layout);
}

double CapHeight(const TextStyle& style) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
  cairo_t* cr = cairo_create(s);
  PangoLayout* layout = MakeLayout(cr, "H", style);
  PangoRectangle ink;
  pango_layout_get_extents(layout, &ink, nullptr);
  const double height = ink.height / static_cast<double>(PANGO_SCALE);
  g_object_unref(layout);
  cairo_destroy(cr);
  cairo_surface_destroy(s);
  return height;
}

void TextIn(cairo_t* cr, std::string_view text, const TextStyle& style, Box b) {
  const double baseline = std::round(b.CentreY() + CapHeight(style) / 2);
  Text(cr, text, style, b.CentreX(), baseline, Align::kCentre);
}

void Label(cairo_t* cr, std::string_view text, double x, double baseline, Align align, double px) {
  TextStyle style;
  style.px = px;
  style.colour = colour::kLabel;
  style.spacing = 1;
  Text(cr, text, style, x, baseline, align);
}

void TitleStrip(cairo_t* cr, double width, double height, std::string_view title) {
  FillGradient(cr, {0, 0, width, height}, 0, colour::kTitleTop, colour::kTitleBottom);
  HLine(cr, 0, width, 0, colour::kEdgeLight, 0.6);
  // A cyan light along the lower edge, brightest under the title.
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, width, 0);
  cairo_pattern_add_color_stop_rgba(p, 0, colour::kAccent.r, colour::kAccent.g, colour::kAccent.b, 0.25);
  cairo_pattern_add_color_stop_rgba(p, 0.15, colour::kAccent.r, colour::kAccent.g, colour::kAccent.b, 0.9);
  cairo_pattern_add_color_stop_rgba(p, 1, colour::kAccent.r, colour::kAccent.g, colour::kAccent.b, 0.1);
  cairo_rectangle(cr, 0, height - 2, width, 1);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  HLine(cr, 0, width, static_cast<int>(height) - 1, colour::kEdgeDark);

  // The lens mark before the title.
  const double cy = std::round(height / 2) - 1;
  cairo_arc(cr, 22, cy, 8, 0, 2 * M_PI);
  GlowPath(cr, colour::kAccent, 6);
  SetColour(cr, colour::kAccent);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_arc(cr, 22, cy, 3.2, 0, 2 * M_PI);
  SetColour(cr, colour::kText);
  cairo_fill(cr);

  TextStyle style;
  style.px = 17;
  style.colour = colour::kText;
  style.spacing = 0.5;
  Text(cr, title, style, 38, std::round(cy + CapHeight(style) / 2), Align::kLeft);
}

}  // namespace art

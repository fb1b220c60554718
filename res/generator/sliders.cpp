// Slider tracks and thumbs. The main window's tracks (108 x 14 and 296 x 14) come as
// an empty and a lit channel; their thumbs (26 x 12) have magenta, found at their
// top-left pixel, where the channel shows through. The settings window's channels
// (236 x 25, one per axis, in the axis colour) take thumbs of 15 x 25 that are white
// where transparent.
#include <cmath>

#include "res/generator/catalogue.h"
#include "res/generator/paint.h"
#include "res/generator/palette.h"

namespace art {
namespace {

constexpr Rgb kTrackBack = Hex(0x0B0F14);  // the slider's own place on the skin

Image MainChannel(int width, bool filled) {
  Canvas canvas(width, 14);
  cairo_t* cr = canvas.cr();
  FillBox(cr, {0, 0, static_cast<double>(width), 14}, kTrackBack);
  const Box groove{2, 3, width - 4.0, 6};
  FillRounded(cr, groove.Moved(0, 1), 3, colour::kEdgeLight, 0.3);
  FillRounded(cr, groove, 3, colour::kEdgeDark);
  if (filled) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, groove.y, 0, groove.Bottom());
    cairo_pattern_add_color_stop_rgb(p, 0, 0.55, 0.95, 1.0);
    cairo_pattern_add_color_stop_rgb(p, 0.5, colour::kAccent.r, colour::kAccent.g, colour::kAccent.b);
    cairo_pattern_add_color_stop_rgb(p, 1, colour::kAccentDim.r, colour::kAccentDim.g, colour::kAccentDim.b);
    RoundedRect(cr, groove.Grown(-1), 2);
    GlowPath(cr, colour::kAccent, 4, 1.2);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  } else {
    FillRounded(cr, groove.Grown(-1), 2, Hex(0x151B22));
  }
  // Fine ticks under the groove, seen below the thumb.
  for (int x = 6; x < width - 4; x += 8) VLine(cr, x, 11, 13, colour::kLabelDim, filled ? 0.6 : 0.35);
  return canvas.Opaque(kTrackBack);
}

Image MainThumb(bool pressed) {
  Canvas canvas(26, 12);
  cairo_t* cr = canvas.cr();
  const Box knob{1, 0, 24, 12};
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 12);
  if (pressed) {
    cairo_pattern_add_color_stop_rgb(p, 0, 0.35, 0.88, 0.98);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.05, 0.45, 0.55);
  } else {
    cairo_pattern_add_color_stop_rgb(p, 0, 0.62, 0.68, 0.74);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.22, 0.25, 0.30);
  }
  RoundedRect(cr, knob, 5);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  Outline(cr, knob, 5, colour::kEdgeDark);
  // Grip lines, lit cyan.
  for (int x : {10, 13, 16}) VLine(cr, x, 3, 9, pressed ? colour::kText : colour::kAccent, 0.9);
  return canvas.Keyed(kMagenta, kTrackBack);
}

Image SettingsChannel(Rgb accent) {
  Canvas canvas(236, 25);
  cairo_t* cr = canvas.cr();
  FillBox(cr, {0, 0, 236, 25}, colour::kSection);
  const Box groove{7, 10, 222, 5};
  FillRounded(cr, groove.Moved(0, 1), 2.5, colour::kEdgeLight, 0.3);
  FillRounded(cr, groove, 2.5, colour::kEdgeDark);
  RoundedRect(cr, groove.Grown(-1), 1.5);
  cairo_pattern_t* p = cairo_pattern_create_linear(groove.x, 0, groove.Right(), 0);
  cairo_pattern_add_color_stop_rgba(p, 0, accent.r, accent.g, accent.b, 0.25);
  cairo_pattern_add_color_stop_rgba(p, 1, accent.r, accent.g, accent.b, 0.95);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // Seven stops, for min, 1 to 5 and max.
  for (int i = 0; i <= 6; ++i) {
    const int x = static_cast<int>(std::lround(groove.x + 3 + i * (groove.w - 7) / 6.0));
    VLine(cr, x, 3, 8, colour::kLabel, 0.8);
    VLine(cr, x, 17, 22, colour::kLabel, 0.8);
  }
  return canvas.Opaque(colour::kSection);
}

Image SettingsThumb(bool pressed) {
  Canvas canvas(15, 25);
  cairo_t* cr = canvas.cr();
  const Box knob{2, 1, 11, 23};
  cairo_pattern_t* p = cairo_pattern_create_linear(knob.x, 0, knob.Right(), 0);
  if (pressed) {
    cairo_pattern_add_color_stop_rgb(p, 0, 0.30, 0.85, 0.96);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.04, 0.40, 0.50);
  } else {
    cairo_pattern_add_color_stop_rgb(p, 0, 0.66, 0.72, 0.78);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.24, 0.28, 0.33);
  }
  RoundedRect(cr, knob, 4);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  Outline(cr, knob, 4, colour::kEdgeDark);
  for (int y : {9, 12, 15}) HLine(cr, 5, 10, y, pressed ? colour::kText : colour::kAccent, 0.9);
  return canvas.Keyed(kWhite, colour::kSection);
}

}  // namespace

void AddSliders(Catalogue& out) {
  out.Add(198, MainChannel(108, false));
  out.Add(196, MainChannel(108, true));
  out.Add(200, MainChannel(296, false));
  out.Add(199, MainChannel(296, true));
  out.Add(202, MainThumb(false));
  out.Add(197, MainThumb(true));
  out.Add(243, SettingsChannel(colour::kAxisX));
  out.Add(244, SettingsChannel(colour::kAxisY));
  out.Add(245, SettingsChannel(colour::kAxisZ));
  out.Add(241, SettingsThumb(false));
  out.Add(242, SettingsThumb(true));
}

}  // namespace art

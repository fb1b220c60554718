#include "tools/card/frame_painter.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>
#include <vector>

#include "tools/card/frame_signature.h"

namespace card {
namespace {

constexpr int kWidth = kFrameWidth;
constexpr int kHeight = kFrameHeight;
constexpr double kHorizon = 210;
constexpr double kFocal = 1080;        // pixels: a point 4 m ahead lies on the bottom row
constexpr double kFieldOfView = 100;   // degrees across the picture
constexpr double kDashPeriod = 12;     // metres from dash to dash
constexpr double kDashLength = 4;

struct Building {
  double bearing;  // degrees
  double width;
  double height;
  double shade;
};

double Wrap180(double degrees) {
  const double d = std::fmod(degrees + 180.0, 360.0);
  return (d < 0 ? d + 360.0 : d) - 180.0;
}

// The screen row of a point on the road `z` metres ahead.
double RowAt(double z) { return kHorizon + kFocal / z; }
double RoadHalfWidth(double y) { return (y - kHorizon) * 1.25 + 3; }

void FillRect(cairo_t* cr, double x, double y, double w, double h, double r, double g, double b) {
  cairo_set_source_rgb(cr, r, g, b);
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
}

// White text with a dark outline, centred on x, with its baseline at y.
void OutlinedText(cairo_t* cr, const char* text, double size, double x, double y) {
  cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, text, &extents);
  cairo_move_to(cr, x - extents.width / 2 - extents.x_bearing, y);
  cairo_text_path(cr, text);
  cairo_set_source_rgb(cr, 0.05, 0.05, 0.08);
  cairo_set_line_width(cr, size / 14);
  cairo_stroke_preserve(cr);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_fill(cr);
}

// Text with its baseline at y, starting at x, or ending there when `rightAligned`.
void PlainText(cairo_t* cr, const char* text, double size, double x, double y, double r, double g, double b,
               bool rightAligned = false) {
  cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
  cairo_set_source_rgb(cr, r, g, b);
  if (rightAligned) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text, &extents);
    x -= extents.x_advance;
  }
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, text);
}

}  // namespace

struct FramePainter::Scenery {
  cairo_surface_t* daylight = nullptr;  // sky and ground, drawn once
  std::vector<Building> buildings;

  ~Scenery() {
    if (daylight) cairo_surface_destroy(daylight);
  }
};

FramePainter::FramePainter(const PlannedClip& clip, int fps)
    : clip_(clip), fps_(std::max(1, fps)), drive_(clip.MakeDrive()), scenery_(std::make_unique<Scenery>()) {
  scenery_->daylight = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight);
  cairo_t* cr = cairo_create(scenery_->daylight);
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, kHorizon);
  cairo_pattern_add_color_stop_rgb(sky, 0, 0.10, 0.18, 0.38);
  cairo_pattern_add_color_stop_rgb(sky, 1, 0.55, 0.68, 0.82);
  cairo_set_source(cr, sky);
  cairo_rectangle(cr, 0, 0, kWidth, kHorizon);
  cairo_fill(cr);
  cairo_pattern_destroy(sky);
  FillRect(cr, 0, kHorizon, kWidth, kHeight - kHorizon, 0.20, 0.30, 0.18);
  cairo_destroy(cr);

  std::minstd_rand random(77u + static_cast<unsigned>(clip.index));
  for (int k = 0; k < 24; ++k) {
    scenery_->buildings.push_back({k * 15.0 + static_cast<double>(random() % 9), 30.0 + random() % 60,
                                   25.0 + random() % 110, 0.25 + (random() % 40) / 100.0});
  }
}

FramePainter::~FramePainter() = default;

void FramePainter::Paint(int frame, std::uint8_t* pixels, int stride) {
  const double t = static_cast<double>(frame) / fps_;
  const int second = frame / fps_;
  const bool inTunnel = second >= drive_.TunnelStart() && second < drive_.TunnelEnd();
  const double distance = drive_.DistanceAt(t);

  cairo_surface_t* surface = cairo_image_surface_create_for_data(pixels, CAIRO_FORMAT_RGB24, kWidth, kHeight, stride);
  cairo_t* cr = cairo_create(surface);

  // Sky, ground and the town on the horizon, which pans as the car turns.
  if (inTunnel) {
    FillRect(cr, 0, 0, kWidth, kHeight, 0.09, 0.08, 0.07);
  } else {
    cairo_set_source_surface(cr, scenery_->daylight, 0, 0);
    cairo_paint(cr);
    const double course = drive_.CourseAt(t);
    for (const Building& b : scenery_->buildings) {
      const double offset = Wrap180(b.bearing - course);
      if (std::abs(offset) > kFieldOfView / 2 + 10) continue;
      const double x = kWidth / 2.0 + offset * kWidth / kFieldOfView;
      FillRect(cr, x - b.width / 2, kHorizon - b.height, b.width, b.height, b.shade * 0.6, b.shade * 0.65,
               b.shade * 0.8);
    }
  }

  // The road, its edges and the centre dashes running towards the camera.
  const double bottom = kHeight;
  cairo_set_source_rgb(cr, inTunnel ? 0.16 : 0.27, inTunnel ? 0.15 : 0.27, inTunnel ? 0.14 : 0.29);
  cairo_move_to(cr, kWidth / 2.0 - RoadHalfWidth(kHorizon), kHorizon);
  cairo_line_to(cr, kWidth / 2.0 + RoadHalfWidth(kHorizon), kHorizon);
  cairo_line_to(cr, kWidth / 2.0 + RoadHalfWidth(bottom), bottom);
  cairo_line_to(cr, kWidth / 2.0 - RoadHalfWidth(bottom), bottom);
  cairo_close_path(cr);
  cairo_fill(cr);
  const double phase = std::fmod(distance, kDashPeriod);
  for (double z = 4 - phase; z < 220; z += kDashPeriod) {
    const double nearZ = std::max(z, 3.0), farZ = z + kDashLength;
    if (farZ <= nearZ) continue;
    const double y0 = RowAt(farZ), y1 = std::min(bottom, RowAt(nearZ));
    const double w0 = (y0 - kHorizon) * 0.03, w1 = (y1 - kHorizon) * 0.03;
    cairo_set_source_rgb(cr, 0.95, 0.85, 0.30);
    cairo_move_to(cr, kWidth / 2.0 - w0, y0);
    cairo_line_to(cr, kWidth / 2.0 + w0, y0);
    cairo_line_to(cr, kWidth / 2.0 + w1, y1);
    cairo_line_to(cr, kWidth / 2.0 - w1, y1);
    cairo_close_path(cr);
    cairo_fill(cr);
    if (inTunnel) {  // the ceiling lights pass overhead at the same pace
      const double ly = kHorizon - (y1 - kHorizon) * 0.8, lx = (y1 - kHorizon) * 1.1;
      const double size = std::max(2.0, (y1 - kHorizon) * 0.08);
      FillRect(cr, kWidth / 2.0 - lx - size, ly, 2 * size, size, 1.0, 0.62, 0.15);
      FillRect(cr, kWidth / 2.0 + lx - size, ly, 2 * size, size, 1.0, 0.62, 0.15);
    }
  }
  cairo_set_source_rgb(cr, 0.9, 0.9, 0.9);
  cairo_set_line_width(cr, 4);
  for (int side : {-1, 1}) {
    cairo_move_to(cr, kWidth / 2.0 + side * RoadHalfWidth(kHorizon) * 0.9, kHorizon);
    cairo_line_to(cr, kWidth / 2.0 + side * RoadHalfWidth(bottom) * 0.9, bottom);
    cairo_stroke(cr);
  }

  // A parked car sees people walk by.
  if (drive_.Parked()) {
    const double x = std::fmod(t * 60.0, kWidth + 80.0) - 40.0;
    cairo_set_source_rgb(cr, 0.85, 0.30, 0.25);
    cairo_arc(cr, x, 300, 12, 0, 2 * std::numbers::pi);
    cairo_fill(cr);
    FillRect(cr, x - 14, 314, 28, 60, 0.20, 0.25, 0.60);
    const double step = std::sin(t * 6.0) * 10;
    FillRect(cr, x - 10 + step, 374, 8, 36, 0.15, 0.15, 0.20);
    FillRect(cr, x + 2 - step, 374, 8, 36, 0.15, 0.15, 0.20);
  }

  // Elapsed time, the clip's name, kind and speed, a blinking REC and a progress bar.
  char text[64];
  std::snprintf(text, sizeof text, "%02d:%02d", second / 60, second % 60);
  OutlinedText(cr, text, 132, kWidth / 2.0, 180);
  PlainText(cr, clip_.clipName.c_str(), 20, 14, kHeight - 22, 1, 1, 1);
  std::snprintf(text, sizeof text, "%d km/h", static_cast<int>(std::lround(drive_.SpeedKmhAt(t))));
  PlainText(cr, text, 26, kWidth - 14, kHeight - 22, 1, 1, 1, true);
  static const char* const kKindLabels[] = {"NORMAL", "G-SENSOR EVENT", "BUTTON", "PARKING"};
  PlainText(cr, kKindLabels[static_cast<int>(clip_.kind) & 3], 22, 14, 56, 1, 0.85, 0.3);
  if (frame % fps_ < (fps_ + 1) / 2) {
    cairo_set_source_rgb(cr, 0.9, 0.1, 0.1);
    cairo_arc(cr, kWidth - 80, 48, 9, 0, 2 * std::numbers::pi);
    cairo_fill(cr);
    PlainText(cr, "REC", 20, kWidth - 64, 56, 1, 1, 1);
  }
  const double progress = std::min(1.0, t / clip_.seconds);
  FillRect(cr, 0, kHeight - 8, kWidth, 8, 0.05, 0.05, 0.05);
  FillRect(cr, 0, kHeight - 8, kWidth * progress, 8, 0.35, 0.75, 0.95);

  cairo_destroy(cr);
  cairo_surface_flush(surface);
  cairo_surface_destroy(surface);
  DrawFrameSignature(pixels, kWidth, kHeight, stride, second);
}

}  // namespace card

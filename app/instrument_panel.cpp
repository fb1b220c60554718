// The instrument panel: the G-sensor graph, the compass, the speed digits, the
// elapsed time and the caption line, drawn from prepared bitmaps and the
// recording's tables.
#include <algorithm>
#include <array>
#include <cstdio>

#include "app/playback_clock.h"
#include "app/zelvik_player_dlg.h"
#include "device/device_config.h"
#include "platform/resources.h"
#include "platform/text_encoding.h"
#include "playback/screen_dlg.h"
#include "recordings/recording_data.h"

namespace {

constexpr platform::Colour kAxisColours[3] = {platform::Rgb(255, 51, 0), platform::Rgb(0, 204, 255),
                                               platform::Rgb(51, 255, 0)};
constexpr platform::Colour kCaptionColour = platform::Rgb(255, 255, 255);
constexpr platform::raster::Font kValueFont{"Times New Roman", 10};
constexpr platform::raster::Font kCaptionFont{"Times New Roman", 20};
constexpr int kValueX[3] = {70, 151, 235};

constexpr int kGraphLeft = 52;
constexpr int kGraphWidth = 240;  // either clip length fills 240 pixels
constexpr int kLastGSensorSample = 239;
constexpr int kLastGpsSample = 119;

// Compass pictures by heading sector, N, NE, E, SE, S, SW, W, NW.
constexpr std::array<int, 8> kCompassIds = {187, 171, 194, 190, 189, 191, 192, 193};
// Speed digits 0 to 9.
constexpr std::array<int, 10> kSpeedDigitIds = {179, 177, 178, 180, 181, 182, 183, 184, 185, 186};
constexpr int kTimeDigitZeroId = 299;  // 299 to 308 are 0 to 9
constexpr int kTimeColonId = 310;
constexpr int kOneMinuteLabelId = 311;
constexpr int kTwoMinuteLabelId = 315;

const GSensorSample& GSensorAt(int halfSecond) {
  return RecordingTrack.gsensor[std::clamp(halfSecond, 0, kLastGSensorSample)];
}

const GpsSample& GpsAt(int second) { return RecordingTrack.gps[std::clamp(second, 0, kLastGpsSample)]; }

float Axis(const GSensorSample& s, int axis) { return axis == 0 ? s.x : axis == 1 ? s.y : s.z; }

int GraphY(float g) { return static_cast<int>(93.0 - static_cast<double>(g) * 24.0); }

}  // namespace

int CZelvikPlayerDlg::GraphStep() const { return clipLengthCode == 3 ? 1 : 2; }

// The three segments from sample - 1 to sample, X first, then Y, then Z.
void CZelvikPlayerDlg::DrawGraphSegment(platform::DrawContext& dc, int sample) {
  int step = GraphStep();
  const GSensorSample& from = GSensorAt(sample - 1);
  const GSensorSample& to = GSensorAt(sample);
  for (int axis = 0; axis < 3; ++axis)
    dc.Line(kGraphLeft + (sample - 1) * step, GraphY(Axis(from, axis)), kGraphLeft + sample * step,
            GraphY(Axis(to, axis)), kAxisColours[axis]);
}

void CZelvikPlayerDlg::DrawGraphValues(int sample) {
  const GSensorSample& s = GSensorAt(sample);
  platform::DrawContext dc = graphPanel->GetDC();
  dc.Copy(50, 10, graphCaptionBitmap->Width(), graphCaptionBitmap->Height(), *graphCaptionBitmap);
  for (int axis = 0; axis < 3; ++axis) {
    char text[64];
    std::snprintf(text, sizeof text, "%f", static_cast<double>(Axis(s, axis)));
    dc.Text(kValueX[axis], 10, text, kValueFont, kAxisColours[axis]);
  }
}

void CZelvikPlayerDlg::RedrawWholeGraph() {
  if (!graphPanel) return;
  {
    platform::DrawContext dc = graphPanel->GetDC();
    dc.Copy(0, 0, 340, 166, *graphBackgroundBitmap);
    // The curve ends with the tables and with the time axis, whatever the position says.
    int last = std::min({PlaybackClock.graphHalfSecond, kGraphWidth / GraphStep(), kLastGSensorSample});
    for (int i = 1; i <= last; ++i) DrawGraphSegment(dc, i);
  }
  graphPanel->Show(true);
  DrawGraphValues(PlaybackClock.graphHalfSecond);
}

void CZelvikPlayerDlg::StepGraph() {
  int step = GraphStep();
  int samples = kGraphWidth / step;
  int h = PlaybackClock.graphHalfSecond;
  {
    platform::DrawContext dc = graphPanel->GetDC();
    if (h == 0) {
      const GSensorSample& first = GSensorAt(0);
      for (int axis = 0; axis < 3; ++axis) dc.SetPixel(kGraphLeft, GraphY(Axis(first, axis)), kAxisColours[axis]);
    } else if (h == 1 || h == 2) {
      DrawGraphSegment(dc, h);
    } else if (h < samples) {
      // Redraws the last few segments, so the curve drawn by the previous tick is complete.
      for (int sample = h - step; sample <= h; ++sample) DrawGraphSegment(dc, sample);
    }
  }
  DrawGraphValues(h);
  PlaybackClock.graphHalfSecond = PlaybackClock.positionMs / 500;
  if (PlaybackClock.graphHalfSecond >= samples) {
    PlaybackClock.graphHalfSecond = 0;
    RedrawWholeGraph();
  }
}

void CZelvikPlayerDlg::DrawCompass() {
  unsigned sector = GpsAt(PlaybackClock.currentSecond).headingSector;
  if (sector >= kCompassIds.size()) return;
  headingPanel->GetDC().Copy(0, 0, 233, 161, platform::LoadBitmapResource(kCompassIds[sector]));
  headingPanel->Show(true);
}

void CZelvikPlayerDlg::DrawSpeed() {
  if (!videoScreen || !videoScreen->HasMediaControl()) return;
  int v = GpsAt(PlaybackClock.currentSecond).speedKmh;
  if (mileMode) v = static_cast<int>(v * 0.6214);
  auto digit = [](int d) -> const platform::Bitmap& {
    return platform::LoadBitmapResource(kSpeedDigitIds[d >= 0 && d <= 9 ? d : 0]);
  };
  platform::DrawContext dc = speedPanel->GetDC();
  dc.Copy(80, 0, 40, 54, digit(v % 10));
  dc.Copy(40, 0, 40, 54, digit((v / 10) % 10));
  dc.Copy(0, 0, 40, 54, digit(v / 100));
  speedPanel->Show(true);
}

void CZelvikPlayerDlg::DrawElapsedTime(int seconds) {
  auto digit = [](int d) -> const platform::Bitmap& {
    return platform::LoadBitmapResource(kTimeDigitZeroId + ((d % 10) + 10) % 10);
  };
  int minutes = seconds / 60;
  int rest = seconds - 60 * minutes;
  platform::DrawContext dc = GetDC();
  // Tens of minutes stand where a leading zero would: clips never reach ten minutes.
  dc.Copy(431, 528, 7, 12, digit(minutes / 10));
  dc.Copy(438, 528, 7, 12, digit(minutes));
  dc.Copy(445, 528, 11, 12, platform::LoadBitmapResource(kTimeColonId));
  dc.Copy(457, 528, 7, 12, digit(rest / 10));
  dc.Copy(464, 528, 7, 12, digit(rest));
  dc.Copy(643, 522, 89, 24, platform::LoadBitmapResource(clipLengthCode == 3 ? kTwoMinuteLabelId : kOneMinuteLabelId));
}

void CZelvikPlayerDlg::DrawCaption(platform::DrawContext& dc) {
  std::string driver = platform::ToUtf8(ConfigText(deviceConfig.driverName));
  std::string vehicle = platform::ToUtf8(ConfigText(deviceConfig.vehicleNumber));
  std::string caption;
  if (!driver.empty() && !vehicle.empty()) {
    caption = driver + " [ " + vehicle + " ]";
  } else if (!vehicle.empty()) {
    caption = "[ " + vehicle + " ]";
  } else {
    caption = driver;
  }
  if (!caption.empty()) dc.Text(30, 435, caption, kCaptionFont, kCaptionColour);
}

// The media graph's volume: hundredths of a decibel to playbin's amplitude.

#include <gtest/gtest.h>

#include "platform/gtk/media_volume.h"

namespace {

TEST(MediaVolume, HundredthsOfADecibelBecomeAnAmplitude) {
  struct Case {
    long level;
    double amplitude;
  } cases[] = {
      {0, 1.0},      {-602, 0.5},     {-2000, 0.1}, {-4000, 0.01}, {-9999, 1.00115e-5},
      {-10000, 0.0}, {-20000, 0.0},   {500, 1.0},  // out of range: clamped
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.level);
    EXPECT_NEAR(platform::gtk::AmplitudeOfVolume(c.level), c.amplitude, c.amplitude * 0.001 + 1e-9);
  }
}

}  // namespace

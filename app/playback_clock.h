#pragma once

#include <cstdint>

// The clock state derived from the media position on every tick, shared by the
// main window, the playback engine, the clip list and the map view.
struct PlaybackClockState {
  std::int32_t positionMs = 0;       // media position, truncated to milliseconds
  std::int32_t currentSecond = 0;    // positionMs / 1000: the GPS table index
  std::int32_t graphHalfSecond = 0;  // half second up to which the graph is drawn
  std::int32_t tickPeriodMs = 250;   // 500, 250 or 100 by playback rate
  std::uint8_t rearmTickTimer = 0;   // a speed change happened during playback
  std::uint8_t graphNeedsRedraw = 0; // the window was painted: redraw the whole graph
  std::uint8_t tickSinceOpen = 0;    // a tick has run since the clip was opened

  // Back to the start of the clip.
  void Rewind() { positionMs = currentSecond = graphHalfSecond = 0; }
};

extern PlaybackClockState PlaybackClock;

#pragma once

#include <cstdint>
#include <memory>

#include "tools/card/card_plan.h"
#include "tools/card/planned_drive.h"

// Draws the pictures of a demo clip: a road seen through the windscreen that
// moves with the planned speed and turns with the planned course, a tunnel
// where the GPS has no fix, the clip's elapsed time in large digits (mm:ss),
// and the second signature band on top.

namespace card {

class FramePainter {
 public:
  FramePainter(const PlannedClip& clip, int fps);
  ~FramePainter();
  FramePainter(const FramePainter&) = delete;
  FramePainter& operator=(const FramePainter&) = delete;

  // Paints frame `frame` (shown at frame / fps seconds) into kFrameWidth x
  // kFrameHeight BGRx pixels whose rows are `stride` bytes apart.
  void Paint(int frame, std::uint8_t* pixels, int stride);

 private:
  struct Scenery;

  PlannedClip clip_;
  int fps_;
  Drive drive_;
  std::unique_ptr<Scenery> scenery_;
};

}  // namespace card

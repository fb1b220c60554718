#pragma once

#include <string>

#include "tools/card/card_plan.h"

namespace card {

// Writes `clip` to `path` as a real AVI: MJPEG 800 x 480 at `fps` frames a
// second, painted by FramePainter, with a quiet 16 kHz mono PCM tone of the same
// length. Gives the empty string on success, otherwise what went wrong.
std::string EncodeClip(const std::string& path, const PlannedClip& clip, int fps);

}  // namespace card

#pragma once

#include "platform/draw_context.h"
#include "platform/raster/bitmap.h"

// An off-screen buffer over a rectangle of a target: drawing goes into the
// buffer (coordinates relative to the rectangle's top-left corner) and the
// whole buffer is copied onto the target when the CTempMemDC goes out of scope,
// so the screen never shows a half-drawn control.
class CTempMemDC {
 public:
  // The buffer starts as a copy of the target's pixels when `copyFromTarget`,
  // otherwise filled with `background`.
  CTempMemDC(platform::DrawContext& target, platform::Rect rect, bool copyFromTarget,
             platform::Colour background = platform::Rgb(0, 0, 0));
  ~CTempMemDC();
  CTempMemDC(const CTempMemDC&) = delete;
  CTempMemDC& operator=(const CTempMemDC&) = delete;

  platform::DrawContext& DC() { return bufferDc_; }

 private:
  platform::DrawContext& target_;
  platform::Rect rect_;
  platform::Bitmap buffer_;
  platform::DrawContext bufferDc_;
};

#pragma once

#include <gst/gst.h>
#include <gst/video/video.h>

#include <cstdint>
#include <memory>

#include "platform/geometry.h"
#include "platform/raster/bitmap.h"

namespace platform::gtk {

// One decoded BGRx picture as the appsink gave it, kept mapped for reading, so
// that it can be drawn scaled straight into a window without a copy in between.
class VideoPicture {
 public:
  // Takes over the sample; null when it holds no readable BGRx picture.
  static std::shared_ptr<const VideoPicture> FromSample(GstSample* sample);
  ~VideoPicture();
  VideoPicture(const VideoPicture&) = delete;
  VideoPicture& operator=(const VideoPicture&) = delete;

  int Width() const { return GST_VIDEO_FRAME_WIDTH(&frame_); }
  int Height() const { return GST_VIDEO_FRAME_HEIGHT(&frame_); }
  Size GetSize() const { return {Width(), Height()}; }

  // Nearest-neighbour from `from` of the picture to `to` of the target, clipped
  // to both. The target's unused fourth bytes stay 0, as bitmaps keep them.
  void DrawInto(Bitmap& target, Rect to, Rect from) const;
  // The whole picture as a bitmap of its own.
  Bitmap ToBitmap() const;

 private:
  VideoPicture() = default;
  const std::uint32_t* Row(int y) const;

  GstVideoFrame frame_{};
};

}  // namespace platform::gtk

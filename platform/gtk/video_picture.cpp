#include "platform/gtk/video_picture.h"

#include <algorithm>
#include <vector>

namespace platform::gtk {
namespace {

constexpr std::uint32_t kColourBits = 0x00FFFFFF;

}  // namespace

std::shared_ptr<const VideoPicture> VideoPicture::FromSample(GstSample* sample) {
  if (sample == nullptr) return nullptr;
  // The mapped frame holds its own reference to the buffer. The sample goes at
  // once: appsink reuses its sample objects and must find them unshared.
  std::shared_ptr<VideoPicture> picture(new VideoPicture());
  GstCaps* caps = gst_sample_get_caps(sample);
  GstBuffer* buffer = gst_sample_get_buffer(sample);
  GstVideoInfo info;
  const bool mapped = caps != nullptr && buffer != nullptr && gst_video_info_from_caps(&info, caps) &&
                      GST_VIDEO_INFO_FORMAT(&info) == GST_VIDEO_FORMAT_BGRx &&
                      gst_video_frame_map(&picture->frame_, &info, buffer, GST_MAP_READ);
  gst_sample_unref(sample);
  return mapped ? picture : nullptr;
}

VideoPicture::~VideoPicture() {
  if (frame_.buffer != nullptr) gst_video_frame_unmap(&frame_);
}

const std::uint32_t* VideoPicture::Row(int y) const {
  const auto* pixels = static_cast<const std::uint8_t*>(GST_VIDEO_FRAME_PLANE_DATA(&frame_, 0));
  return reinterpret_cast<const std::uint32_t*>(pixels + static_cast<std::ptrdiff_t>(y) * GST_VIDEO_FRAME_PLANE_STRIDE(&frame_, 0));
}

void VideoPicture::DrawInto(Bitmap& target, Rect to, Rect from) const {
  if (to.Empty() || from.Empty() || target.Empty()) return;
  const int x0 = std::max(to.x, 0), x1 = std::min(to.Right(), target.Width());
  const int y0 = std::max(to.y, 0), y1 = std::min(to.Bottom(), target.Height());
  if (x0 >= x1 || y0 >= y1) return;
  // The source column of every target column, or -1 outside the picture.
  std::vector<int> columns(static_cast<std::size_t>(x1 - x0));
  for (int x = x0; x < x1; ++x) {
    const int sx = from.x + static_cast<int>(static_cast<long long>(x - to.x) * from.width / to.width);
    columns[x - x0] = sx >= 0 && sx < Width() ? sx : -1;
  }
  for (int y = y0; y < y1; ++y) {
    const int sy = from.y + static_cast<int>(static_cast<long long>(y - to.y) * from.height / to.height);
    if (sy < 0 || sy >= Height()) continue;
    const std::uint32_t* in = Row(sy);
    std::uint32_t* out = target.Row(y) + x0;
    for (std::size_t c = 0; c < columns.size(); ++c)
      if (columns[c] >= 0) out[c] = in[columns[c]] & kColourBits;
  }
}

Bitmap VideoPicture::ToBitmap() const {
  Bitmap bitmap(Width(), Height());
  for (int y = 0; y < Height(); ++y) {
    const std::uint32_t* in = Row(y);
    std::uint32_t* out = bitmap.Row(y);
    for (int x = 0; x < Width(); ++x) out[x] = in[x] & kColourBits;
  }
  return bitmap;
}

}  // namespace platform::gtk

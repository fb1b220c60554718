#include "tools/card/clip_frames.h"

#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <gst/video/video.h>

#include <cstring>

namespace card {
namespace {

constexpr GstClockTime kWait = 20 * GST_SECOND;

// Waits for the pipeline to settle after a state change or a seek; false with
// the reason on an error or a timeout.
bool WaitUntilReady(GstElement* pipeline, std::string& error) {
  GstBus* bus = gst_element_get_bus(pipeline);
  GstMessage* message =
      gst_bus_timed_pop_filtered(bus, kWait, static_cast<GstMessageType>(GST_MESSAGE_ASYNC_DONE | GST_MESSAGE_ERROR));
  gst_object_unref(bus);
  if (!message) {
    error = "the clip did not get ready in time";
    return false;
  }
  bool ready = true;
  if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR) {
    GError* failure = nullptr;
    gst_message_parse_error(message, &failure, nullptr);
    error = failure ? failure->message : "cannot decode the clip";
    g_clear_error(&failure);
    ready = false;
  }
  gst_message_unref(message);
  return ready;
}

std::optional<ClipFrame> CopyFrame(GstSample* sample) {
  GstVideoInfo info;
  if (!gst_video_info_from_caps(&info, gst_sample_get_caps(sample))) return std::nullopt;
  GstBuffer* buffer = gst_sample_get_buffer(sample);
  GstMapInfo map;
  if (!buffer || !gst_buffer_map(buffer, &map, GST_MAP_READ)) return std::nullopt;
  ClipFrame frame;
  frame.width = GST_VIDEO_INFO_WIDTH(&info);
  frame.height = GST_VIDEO_INFO_HEIGHT(&info);
  frame.stride = frame.width * 4;
  frame.pixels.resize(static_cast<std::size_t>(frame.stride) * frame.height);
  const int sourceStride = GST_VIDEO_INFO_PLANE_STRIDE(&info, 0);
  for (int y = 0; y < frame.height; ++y) {
    std::memcpy(frame.pixels.data() + static_cast<std::size_t>(y) * frame.stride,
                map.data + static_cast<std::size_t>(y) * sourceStride, frame.stride);
  }
  gst_buffer_unmap(buffer, &map);
  return frame;
}

}  // namespace

std::optional<ClipFrame> ReadClipFrame(const std::string& path, double seconds, int width, int height,
                                       std::string* error) {
  gst_init(nullptr, nullptr);
  std::string reason;
  std::optional<ClipFrame> frame;
  gchar* uri = gst_filename_to_uri(path.c_str(), nullptr);
  if (!uri) {
    if (error) *error = "not a file path: " + path;
    return std::nullopt;
  }
  const std::string description = "uridecodebin name=source ! videoconvert ! videoscale add-borders=false ! "
                                  "video/x-raw,format=BGRx,pixel-aspect-ratio=1/1,width=" +
                                  std::to_string(width) + ",height=" + std::to_string(height) +
                                  " ! appsink name=sink sync=false";
  GstElement* pipeline = gst_parse_launch(description.c_str(), nullptr);
  if (!pipeline) {
    g_free(uri);
    if (error) *error = "cannot build the decoding pipeline";
    return std::nullopt;
  }
  GstElement* source = gst_bin_get_by_name(GST_BIN(pipeline), "source");
  g_object_set(source, "uri", uri, nullptr);
  gst_object_unref(source);
  g_free(uri);

  gst_element_set_state(pipeline, GST_STATE_PAUSED);
  if (WaitUntilReady(pipeline, reason)) {
    const auto position = static_cast<gint64>(seconds * GST_SECOND);
    if (!gst_element_seek_simple(pipeline, GST_FORMAT_TIME,
                                 static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE), position)) {
      reason = "the clip cannot seek";
    } else if (WaitUntilReady(pipeline, reason)) {
      GstElement* sink = gst_bin_get_by_name(GST_BIN(pipeline), "sink");
      GstSample* sample = gst_app_sink_try_pull_preroll(GST_APP_SINK(sink), kWait);
      gst_object_unref(sink);
      if (sample) {
        frame = CopyFrame(sample);
        gst_sample_unref(sample);
      }
      if (!frame) reason = "no picture at that time";
    }
  }
  gst_element_set_state(pipeline, GST_STATE_NULL);
  gst_object_unref(pipeline);
  if (!frame && error) *error = reason;
  return frame;
}

}  // namespace card

#include "tools/card/clip_encoder.h"

#include <gst/app/gstappsrc.h>
#include <gst/gst.h>

#include "tools/card/frame_painter.h"

namespace card {
namespace {

constexpr int kAudioRate = 16000;
constexpr int kAudioBuffersPerSecond = 10;
constexpr int kJpegQuality = 75;

// Feeds the painted frames to appsrc from its own streaming thread, as fast as
// the encoder takes them; end of stream after the last one.
struct FrameFeed {
  FramePainter painter;
  int fps;
  int frames;
  int next = 0;
};

void OnNeedData(GstAppSrc* source, guint /*length*/, gpointer data) {
  auto* feed = static_cast<FrameFeed*>(data);
  if (feed->next >= feed->frames) {
    gst_app_src_end_of_stream(source);
    return;
  }
  const int stride = kFrameWidth * 4;
  GstBuffer* buffer = gst_buffer_new_allocate(nullptr, static_cast<gsize>(stride) * kFrameHeight, nullptr);
  GstMapInfo map;
  gst_buffer_map(buffer, &map, GST_MAP_WRITE);
  feed->painter.Paint(feed->next, map.data, stride);
  gst_buffer_unmap(buffer, &map);
  const GstClockTime start = gst_util_uint64_scale(feed->next, GST_SECOND, feed->fps);
  const GstClockTime end = gst_util_uint64_scale(feed->next + 1, GST_SECOND, feed->fps);
  GST_BUFFER_PTS(buffer) = start;
  GST_BUFFER_DURATION(buffer) = end - start;
  ++feed->next;
  gst_app_src_push_buffer(source, buffer);  // takes the buffer
}

std::string ErrorText(GstMessage* message) {
  GError* error = nullptr;
  gchar* debug = nullptr;
  gst_message_parse_error(message, &error, &debug);
  std::string text = error ? error->message : "unknown error";
  if (debug) text += std::string(" (") + debug + ")";
  g_clear_error(&error);
  g_free(debug);
  return text;
}

}  // namespace

std::string EncodeClip(const std::string& path, const PlannedClip& clip, int fps) {
  gst_init(nullptr, nullptr);
  const std::string description =
      "appsrc name=video format=time caps=video/x-raw,format=BGRx,width=" + std::to_string(kFrameWidth) +
      ",height=" + std::to_string(kFrameHeight) + ",framerate=" + std::to_string(fps) +
      "/1 ! queue ! videoconvert ! video/x-raw,format=I420 ! jpegenc quality=" + std::to_string(kJpegQuality) +
      " ! avimux name=mux ! filesink name=file "
      "audiotestsrc wave=sine freq=440 volume=0.03 samplesperbuffer=" +
      std::to_string(kAudioRate / kAudioBuffersPerSecond) +
      " num-buffers=" + std::to_string(clip.seconds * kAudioBuffersPerSecond) +
      " ! audio/x-raw,format=S16LE,rate=" + std::to_string(kAudioRate) + ",channels=1 ! queue ! mux.";
  GError* parseError = nullptr;
  GstElement* pipeline = gst_parse_launch(description.c_str(), &parseError);
  if (!pipeline || parseError) {
    std::string text = parseError ? parseError->message : "cannot build the encoding pipeline";
    g_clear_error(&parseError);
    if (pipeline) gst_object_unref(pipeline);
    return text;
  }

  GstElement* file = gst_bin_get_by_name(GST_BIN(pipeline), "file");
  g_object_set(file, "location", path.c_str(), nullptr);
  gst_object_unref(file);

  FrameFeed feed{FramePainter(clip, fps), fps, clip.seconds * fps};
  GstElement* video = gst_bin_get_by_name(GST_BIN(pipeline), "video");
  GstAppSrcCallbacks callbacks{};
  callbacks.need_data = OnNeedData;
  gst_app_src_set_callbacks(GST_APP_SRC(video), &callbacks, &feed, nullptr);
  gst_object_unref(video);

  std::string result;
  GstBus* bus = gst_element_get_bus(pipeline);
  gst_element_set_state(pipeline, GST_STATE_PLAYING);
  GstMessage* message =
      gst_bus_timed_pop_filtered(bus, GST_CLOCK_TIME_NONE, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
  if (message && GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR) result = ErrorText(message);
  if (message) gst_message_unref(message);
  gst_object_unref(bus);
  // Stopping joins the streaming threads, so the feed outlives every callback.
  gst_element_set_state(pipeline, GST_STATE_NULL);
  gst_object_unref(pipeline);
  return result;
}

}  // namespace card

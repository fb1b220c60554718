#include "tools/bench/bare_preroll.h"

#include <gst/gst.h>

#include <chrono>

namespace bench {

std::optional<double> BarePrerollMs(const std::string& path) {
  gchar* uri = gst_filename_to_uri(path.c_str(), nullptr);
  if (uri == nullptr) return std::nullopt;
  const auto start = std::chrono::steady_clock::now();
  GstElement* playbin = gst_element_factory_make("playbin", nullptr);
  GstElement* video = gst_element_factory_make("fakesink", nullptr);
  GstElement* audio = gst_element_factory_make("fakesink", nullptr);
  g_object_set(video, "sync", TRUE, nullptr);
  g_object_set(audio, "sync", TRUE, nullptr);
  g_object_set(playbin, "uri", uri, "video-sink", video, "audio-sink", audio, nullptr);
  g_free(uri);

  std::optional<double> took;
  if (gst_element_set_state(playbin, GST_STATE_PAUSED) != GST_STATE_CHANGE_FAILURE) {
    GstBus* bus = gst_element_get_bus(playbin);
    const auto kinds = static_cast<GstMessageType>(GST_MESSAGE_ASYNC_DONE | GST_MESSAGE_ERROR);
    GstMessage* message = gst_bus_timed_pop_filtered(bus, 5 * GST_SECOND, kinds);
    if (message != nullptr && GST_MESSAGE_TYPE(message) == GST_MESSAGE_ASYNC_DONE)
      took = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (message != nullptr) gst_message_unref(message);
    gst_object_unref(bus);
  }
  gst_element_set_state(playbin, GST_STATE_NULL);
  gst_object_unref(playbin);
  return took;
}

}  // namespace bench

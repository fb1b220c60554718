#include "platform/gtk/media_warm_up.h"

#include <gst/gst.h>

#include <thread>

#include "platform/gtk/audio_output.h"

namespace platform::gtk {
namespace {

// The elements a playbin builds for the camera's clips (AVI, MJPEG, PCM) and our sinks.
constexpr const char* kElements[] = {"playbin", "typefind",      "avidemux",       "jpegdec", "videoconvert",
                                     "appsink", "audioconvert",  "audioresample",  "volume",  "fakesink"};

void WarmUp() {
  for (const char* name : kElements) {
    if (GstElementFactory* factory = gst_element_factory_find(name)) {
      if (GstPluginFeature* loaded = gst_plugin_feature_load(GST_PLUGIN_FEATURE(factory))) gst_object_unref(loaded);
      gst_object_unref(factory);
    }
  }
  if (GstPlugin* typefinders = gst_plugin_load_by_name("typefindfunctions")) gst_object_unref(typefinders);
  if (GstElement* audio = MakeAudioOutput()) gst_object_unref(gst_object_ref_sink(audio));
}

struct WarmUpThread {
  std::thread thread;
  ~WarmUpThread() {
    if (thread.joinable()) thread.join();
  }
};

}  // namespace

void StartMediaWarmUp() {
  static WarmUpThread warmUp;
  if (!warmUp.thread.joinable()) warmUp.thread = std::thread(WarmUp);
}

}  // namespace platform::gtk

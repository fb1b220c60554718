#include "platform/gtk/audio_output.h"

#include <cstring>

namespace platform::gtk {
namespace {

bool IsSilentSink(GstElement* element) {
  GstElementFactory* factory = gst_element_get_factory(element);
  const char* name = factory != nullptr ? GST_OBJECT_NAME(factory) : "";
  return std::strcmp(name, "fakesink") == 0 || std::strcmp(name, "fakeaudiosink") == 0;
}

// autoaudiosink settles for a silent sink of its own when no output opens; it
// chooses its child on the way to READY.
bool FoundRealOutput(GstElement* autoSink) {
  bool real = false;
  GstIterator* children = gst_bin_iterate_elements(GST_BIN(autoSink));
  GValue item = G_VALUE_INIT;
  while (gst_iterator_next(children, &item) == GST_ITERATOR_OK) {
    if (!IsSilentSink(GST_ELEMENT(g_value_get_object(&item)))) real = true;
    g_value_reset(&item);
  }
  g_value_unset(&item);
  gst_iterator_free(children);
  return real;
}

bool SystemOutputOpens() {
  GstElement* sink = gst_element_factory_make("autoaudiosink", nullptr);
  if (sink == nullptr) return false;
  gst_object_ref_sink(sink);
  bool opens = gst_element_set_state(sink, GST_STATE_READY) == GST_STATE_CHANGE_SUCCESS && GST_IS_BIN(sink) &&
               FoundRealOutput(sink);
  gst_element_set_state(sink, GST_STATE_NULL);
  gst_object_unref(sink);
  return opens;
}

}  // namespace

GstElement* MakeAudioOutput() {
  static const bool systemOutput = SystemOutputOpens();
  if (systemOutput) {
    if (GstElement* sink = gst_element_factory_make("autoaudiosink", nullptr)) return sink;
  }
  GstElement* silent = gst_element_factory_make("fakesink", nullptr);
  if (silent != nullptr) g_object_set(silent, "sync", TRUE, nullptr);
  return silent;
}

}  // namespace platform::gtk

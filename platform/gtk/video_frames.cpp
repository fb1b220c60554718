#include "platform/gtk/video_frames.h"

#include <gst/app/gstappsink.h>

#include <mutex>

namespace platform::gtk {

// What the streaming threads and the user-interface thread share. Idle sources
// and the appsink's callbacks each hold a reference, so it outlives both sides.
struct FrameHandoff {
  std::mutex mutex;
  VideoFrames::Picture latest;        // guarded by mutex
  bool wakePending = false;           // guarded by mutex
  std::function<void()> onPicture;    // user-interface thread only
};

namespace {

using HandoffRef = std::shared_ptr<FrameHandoff>;

void DeleteRef(gpointer ref) { delete static_cast<HandoffRef*>(ref); }

// Runs on the user-interface thread.
gboolean OnWake(gpointer data) {
  FrameHandoff& handoff = **static_cast<HandoffRef*>(data);
  {
    std::lock_guard lock(handoff.mutex);
    handoff.wakePending = false;
  }
  if (handoff.onPicture) handoff.onPicture();
  return G_SOURCE_REMOVE;
}

// Runs on a streaming thread: keeps the picture and wakes the user-interface
// thread once for however many pictures come before it looks.
void Deliver(const HandoffRef& handoff, GstSample* sample) {
  VideoFrames::Picture picture = VideoPicture::FromSample(sample);
  if (!picture) return;
  bool wake = false;
  {
    std::lock_guard lock(handoff->mutex);
    handoff->latest = std::move(picture);
    wake = !handoff->wakePending;
    handoff->wakePending = true;
  }
  if (!wake) return;
  // An idle source rather than g_main_context_invoke: that could run the call
  // right here when this thread happens to acquire the default context.
  GSource* source = g_idle_source_new();
  g_source_set_priority(source, G_PRIORITY_DEFAULT);
  g_source_set_callback(source, OnWake, new HandoffRef(handoff), DeleteRef);
  g_source_attach(source, nullptr);
  g_source_unref(source);
}

GstFlowReturn OnPreroll(GstAppSink* sink, gpointer data) {
  Deliver(*static_cast<HandoffRef*>(data), gst_app_sink_pull_preroll(sink));
  return GST_FLOW_OK;
}

GstFlowReturn OnSample(GstAppSink* sink, gpointer data) {
  Deliver(*static_cast<HandoffRef*>(data), gst_app_sink_pull_sample(sink));
  return GST_FLOW_OK;
}

GstElement* MakeSinkBin(const HandoffRef& handoff) {
  GstElement* bin = gst_bin_new("zelvik-video");
  GstElement* convert = gst_element_factory_make("videoconvert", nullptr);
  GstElement* sink = gst_element_factory_make("appsink", nullptr);
  if (bin == nullptr || convert == nullptr || sink == nullptr) {
    for (GstElement* e : {bin, convert, sink})
      if (e != nullptr) gst_object_unref(gst_object_ref_sink(e));
    return nullptr;
  }
  GstCaps* caps = gst_caps_new_simple("video/x-raw", "format", G_TYPE_STRING, "BGRx", nullptr);
  // Every sample is pulled in the callbacks, so none is left behind to hold up
  // the end of the stream; waiting for one there would hide it.
  g_object_set(sink, "caps", caps, "sync", TRUE, "wait-on-eos", FALSE, "enable-last-sample", FALSE, nullptr);
  gst_caps_unref(caps);
  GstAppSinkCallbacks callbacks{};
  callbacks.new_preroll = OnPreroll;
  callbacks.new_sample = OnSample;
  gst_app_sink_set_callbacks(GST_APP_SINK(sink), &callbacks, new HandoffRef(handoff), DeleteRef);

  gst_bin_add_many(GST_BIN(bin), convert, sink, nullptr);
  gst_element_link(convert, sink);
  GstPad* input = gst_element_get_static_pad(convert, "sink");
  gst_element_add_pad(bin, gst_ghost_pad_new("sink", input));
  gst_object_unref(input);
  return bin;
}

}  // namespace

VideoFrames::VideoFrames(std::function<void()> onPicture) : handoff_(std::make_shared<FrameHandoff>()) {
  handoff_->onPicture = std::move(onPicture);
  bin_ = MakeSinkBin(handoff_);
  if (bin_ != nullptr) gst_object_ref_sink(bin_);
}

VideoFrames::~VideoFrames() {
  handoff_->onPicture = nullptr;  // wake-ups still queued find nobody to call
  if (bin_ != nullptr) gst_object_unref(bin_);
}

VideoFrames::Picture VideoFrames::Latest() {
  std::lock_guard lock(handoff_->mutex);
  return handoff_->latest;
}

void VideoFrames::Clear() {
  std::lock_guard lock(handoff_->mutex);
  handoff_->latest.reset();
}

}  // namespace platform::gtk

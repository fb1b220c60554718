#pragma once

#include <gst/gst.h>

#include <functional>
#include <memory>

#include "platform/gtk/video_picture.h"

namespace platform::gtk {

struct FrameHandoff;

// The pictures of a playbin, handed from its streaming threads to the
// user-interface thread. A sink bin (videoconvert to BGRx, then an appsink)
// takes every picture as it becomes due, the preroll picture included; the
// newest is kept as decoded (no copy) and the user-interface thread is woken
// through an idle source on the default main context. The streaming threads
// never wait for the user-interface thread.
class VideoFrames {
 public:
  using Picture = std::shared_ptr<const VideoPicture>;

  // `onPicture` runs on the user-interface thread when a newer picture has come,
  // never after this object is gone.
  explicit VideoFrames(std::function<void()> onPicture);
  ~VideoFrames();
  VideoFrames(const VideoFrames&) = delete;
  VideoFrames& operator=(const VideoFrames&) = delete;

  // The sink for playbin's "video-sink" (null when the elements are missing).
  GstElement* Sink() const { return bin_; }

  // The newest picture, or null when none has come since the last Clear.
  Picture Latest();
  void Clear();

 private:
  std::shared_ptr<FrameHandoff> handoff_;
  GstElement* bin_ = nullptr;
};

}  // namespace platform::gtk

#include "platform/gtk/gst_media_graph.h"

#include <algorithm>
#include <cmath>
#include <mutex>

#include "platform/gtk/audio_output.h"
#include "platform/gtk/media_volume.h"
#include "platform/gtk/packed_dib.h"

GST_DEBUG_CATEGORY_STATIC(zelvik_media);
#define GST_CAT_DEFAULT zelvik_media

namespace platform::gtk {
namespace {

// playbin's GstPlayFlags: pictures and sound with playbin's own volume; the
// pictures go to our sink bin as decoded, which converts them itself.
constexpr guint kPlayVideo = 1u << 0;
constexpr guint kPlayAudio = 1u << 1;
constexpr guint kPlaySoftVolume = 1u << 4;
constexpr guint kPlayNativeVideo = 1u << 6;

constexpr double kNanoseconds = 1e9;

gint64 ToNanoseconds(double seconds) { return static_cast<gint64>(std::llround(seconds * kNanoseconds)); }

}  // namespace

GstMediaGraph::GstMediaGraph() {
  static std::once_flag debugCategory;
  std::call_once(debugCategory, [] { GST_DEBUG_CATEGORY_INIT(zelvik_media, "zelvik-media", 0, "Zelvik Player media graph"); });

  playbin_ = gst_element_factory_make("playbin", nullptr);
  if (playbin_ == nullptr) {
    GST_ERROR("no playbin: clips cannot be played");
    return;
  }
  gst_object_ref_sink(playbin_);
  frames_ = std::make_unique<VideoFrames>([this] { OnPicture(); });
  // Without a sink of ours playbin would open a video window of its own.
  GstElement* videoSink = frames_->Sink() != nullptr ? frames_->Sink() : gst_element_factory_make("fakesink", nullptr);
  g_object_set(playbin_, "video-sink", videoSink, nullptr);
  if (GstElement* audioSink = MakeAudioOutput()) g_object_set(playbin_, "audio-sink", audioSink, nullptr);
  g_object_set(playbin_, "flags", kPlayVideo | kPlayAudio | kPlaySoftVolume | kPlayNativeVideo, nullptr);

  GstBus* bus = gst_element_get_bus(playbin_);
  busWatched_ = gst_bus_add_watch(bus, OnBusMessage, this) != 0;
  gst_object_unref(bus);
}

GstMediaGraph::~GstMediaGraph() {
  if (playbin_ != nullptr) {
    if (busWatched_) {
      GstBus* bus = gst_element_get_bus(playbin_);
      gst_bus_remove_watch(bus);
      gst_object_unref(bus);
    }
    // Joins the streaming threads: no picture arrives after this.
    gst_element_set_state(playbin_, GST_STATE_NULL);
    gst_object_unref(playbin_);
  }
  frames_.reset();
}

// ---- Rendering ----

bool GstMediaGraph::RenderFile(const std::string& path) {
  if (playbin_ == nullptr) return false;
  Unload();  // a second file starts from an empty graph
  gchar* uri = path.empty() ? nullptr : gst_filename_to_uri(path.c_str(), nullptr);
  if (uri == nullptr) return false;
  g_object_set(playbin_, "uri", uri, nullptr);
  g_free(uri);

  if (gst_element_set_state(playbin_, GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE ||
      !WaitForPreroll(kRenderTimeoutMs)) {
    GST_INFO("cannot render %s", path.c_str());
    Unload();
    return false;
  }
  rendered_ = true;
  StopTime();
  if (rate_ != 1.0) rateChanged_ = true;
  ApplyPending();
  return true;
}

// Reads the bus itself (not the main loop) until the pipeline has prerolled,
// failed, or the time is up.
bool GstMediaGraph::WaitForPreroll(int timeoutMs) {
  GstBus* bus = gst_element_get_bus(playbin_);
  const gint64 deadline = g_get_monotonic_time() + static_cast<gint64>(timeoutMs) * 1000;
  while (!prerolled_ && !failed_) {
    const gint64 leftUs = deadline - g_get_monotonic_time();
    if (leftUs <= 0) break;
    GstMessage* message = gst_bus_timed_pop(bus, static_cast<GstClockTime>(leftUs) * GST_USECOND);
    if (message == nullptr) break;
    HandleMessage(message);
    gst_message_unref(message);
  }
  gst_object_unref(bus);
  return prerolled_ && !failed_;
}

// Back to a graph that shows nothing, has stop time 0 and ignores every call.
void GstMediaGraph::Unload() {
  gst_element_set_state(playbin_, GST_STATE_NULL);
  GstBus* bus = gst_element_get_bus(playbin_);
  while (GstMessage* stale = gst_bus_pop(bus)) gst_message_unref(stale);
  gst_object_unref(bus);
  rendered_ = prerolled_ = failed_ = false;
  state_ = Reported::Stopped;
  stopTime_ = 0.0;
  rateChanged_ = false;
  pendingSeek_.reset();
  seekInFlight_.reset();
  lastPosition_ = 0.0;
  events_.clear();
  endReported_ = false;
  showing_ = false;
  if (frames_) frames_->Clear();
  shown_.reset();
}

// ---- Running ----

void GstMediaGraph::SetState(GstState state) {
  // A failure shows on the bus as an error.
  gst_element_set_state(playbin_, state);
}

void GstMediaGraph::Run() {
  if (!rendered_) return;
  state_ = Reported::Running;
  SetState(GST_STATE_PLAYING);
  // The prerolled picture is here already: show it now, not on the next wake-up.
  ShowPictures();
}

void GstMediaGraph::Pause() {
  if (!rendered_) return;
  state_ = Reported::Paused;
  SetState(GST_STATE_PAUSED);
  ShowPictures();
}

void GstMediaGraph::Stop() {
  if (!rendered_) return;
  state_ = Reported::Stopped;
  SetState(GST_STATE_PAUSED);
}

// Prerolled, and no state change or flushing seek under way: a seek sent now is obeyed.
bool GstMediaGraph::Settled() const {
  if (!prerolled_) return false;
  GstStateChangeReturn result = gst_element_get_state(playbin_, nullptr, nullptr, 0);
  return result == GST_STATE_CHANGE_SUCCESS || result == GST_STATE_CHANGE_NO_PREROLL;
}

// Sends the seek asked for, or the new rate at the current position, once the
// pipeline has settled; otherwise the next settling message sends it.
void GstMediaGraph::ApplyPending() {
  if (!rendered_ || (!pendingSeek_ && !rateChanged_) || !Settled()) return;
  const double target = pendingSeek_ ? *pendingSeek_ : CurrentPosition();
  pendingSeek_.reset();
  rateChanged_ = false;
  const auto flags = static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE);
  if (gst_element_seek(playbin_, rate_, GST_FORMAT_TIME, flags, GST_SEEK_TYPE_SET, ToNanoseconds(target),
                       GST_SEEK_TYPE_NONE, GST_CLOCK_TIME_NONE)) {
    seekInFlight_ = target;
  } else {
    GST_WARNING("seek to %.3f s at rate %.2f refused", target, rate_);
  }
  lastPosition_ = target;
}

std::optional<double> GstMediaGraph::QueryPosition() const {
  gint64 ns = 0;
  if (!gst_element_query_position(playbin_, GST_FORMAT_TIME, &ns) || ns < 0) return std::nullopt;
  return static_cast<double>(ns) / kNanoseconds;
}

double GstMediaGraph::CurrentPosition() {
  if (!rendered_) return 0.0;
  // While a seek waits or runs, the pipeline still answers with the old place.
  if (pendingSeek_) return *pendingSeek_;
  if (seekInFlight_) return *seekInFlight_;
  if (std::optional<double> position = QueryPosition()) {
    lastPosition_ = std::max(0.0, stopTime_ > 0.0 ? std::min(*position, stopTime_) : *position);
  }
  return lastPosition_;
}

double GstMediaGraph::StopTime() {
  if (!rendered_) return 0.0;
  if (stopTime_ <= 0.0) {
    gint64 ns = 0;
    if (gst_element_query_duration(playbin_, GST_FORMAT_TIME, &ns) && ns > 0)
      stopTime_ = static_cast<double>(ns) / kNanoseconds;
  }
  return stopTime_;
}

void GstMediaGraph::SetCurrentPosition(double seconds) {
  if (!rendered_) return;
  seconds = std::max(0.0, stopTime_ > 0.0 ? std::min(seconds, stopTime_) : seconds);
  pendingSeek_ = seconds;
  endReported_ = false;
  showing_ = true;
  ApplyPending();
}

void GstMediaGraph::SetRate(double rate) {
  if (!(rate > 0.0) || rate == rate_) return;
  rate_ = rate;
  rateChanged_ = true;
  ApplyPending();
}

void GstMediaGraph::SetVolume(long hundredthsOfDecibel) {
  if (playbin_ != nullptr) g_object_set(playbin_, "volume", AmplitudeOfVolume(hundredthsOfDecibel), nullptr);
}

// ---- Events ----

gboolean GstMediaGraph::OnBusMessage(GstBus*, GstMessage* message, gpointer self) {
  static_cast<GstMediaGraph*>(self)->HandleMessage(message);
  return G_SOURCE_CONTINUE;
}

void GstMediaGraph::HandleMessage(GstMessage* message) {
  const bool fromPipeline = GST_MESSAGE_SRC(message) == GST_OBJECT_CAST(playbin_);
  switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_ERROR: {
      GError* error = nullptr;
      gchar* debug = nullptr;
      gst_message_parse_error(message, &error, &debug);
      GST_WARNING_OBJECT(GST_MESSAGE_SRC(message), "%s (%s)", error != nullptr ? error->message : "error",
                         debug != nullptr ? debug : "");
      g_clear_error(&error);
      g_free(debug);
      failed_ = true;
      break;
    }
    case GST_MESSAGE_EOS:
      OnEndOfStream();
      break;
    case GST_MESSAGE_ASYNC_DONE:
    case GST_MESSAGE_STATE_CHANGED:
      if (!fromPipeline) break;
      if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ASYNC_DONE) prerolled_ = true;
      if (Settled()) {
        seekInFlight_.reset();
        ApplyPending();
      }
      break;
    case GST_MESSAGE_CLOCK_LOST:
      // The clock went with a sink that left: running again picks a new one.
      if (state_ == Reported::Running) {
        SetState(GST_STATE_PAUSED);
        SetState(GST_STATE_PLAYING);
      }
      break;
    default:
      break;
  }
}

void GstMediaGraph::OnEndOfStream() {
  // An end that was on its way before a seek belongs to the old place.
  if (!rendered_ || endReported_ || pendingSeek_ || seekInFlight_) return;
  endReported_ = true;
  events_.push_back(kEventComplete);
  if (Window* window = Window::FromHandle(notifyWindow_)) window->PostMessage(notifyMessage_, 0, 0);
}

void GstMediaGraph::SetNotifyWindow(Window* window, MessageId message) {
  notifyWindow_ = window != nullptr ? window->Handle() : 0;
  notifyMessage_ = message;
}

bool GstMediaGraph::GetEvent(long& code) {
  if (events_.empty()) return false;
  code = events_.front();
  events_.pop_front();
  return true;
}

// ---- Pictures ----

void GstMediaGraph::ShowPictures() {
  showing_ = true;
  TakeLatestPicture();
  DrawPicture();
}

bool GstMediaGraph::TakeLatestPicture() {
  if (!frames_ || !rendered_ || !showing_) return false;
  VideoFrames::Picture latest = frames_->Latest();
  if (!latest || latest == shown_) return false;
  shown_ = std::move(latest);
  return true;
}

void GstMediaGraph::OnPicture() {
  if (TakeLatestPicture()) DrawPicture();
}

void GstMediaGraph::DrawPicture() {
  Window* window = Window::FromHandle(videoWindow_);
  if (window == nullptr || !shown_) return;
  const Rect from = source_.Empty() ? Rect{0, 0, shown_->Width(), shown_->Height()} : source_;
  const Rect to = destination_.Empty() ? window->ClientRect() : destination_;
  DrawContext dc = window->GetDC();
  shown_->DrawInto(dc.Target(), to, from);
  dc.Touched(to);
}

bool GstMediaGraph::NativeVideoSize(Size& size) {
  if (TakeLatestPicture()) DrawPicture();
  // Before it is shown, the prerolled picture tells the size as well.
  VideoFrames::Picture picture = shown_;
  if (!picture && rendered_ && frames_) picture = frames_->Latest();
  if (!picture) return false;
  size = picture->GetSize();
  return true;
}

void GstMediaGraph::SetVideoWindow(Window* window) { videoWindow_ = window != nullptr ? window->Handle() : 0; }

void GstMediaGraph::SetVideoPosition(Rect source, Rect destination) {
  source_ = source;
  destination_ = destination;
  RepaintVideo();
}

void GstMediaGraph::RepaintVideo() {
  TakeLatestPicture();
  DrawPicture();
}

std::vector<std::uint8_t> GstMediaGraph::CurrentImage() {
  // A newer picture about to be drawn is the one the screen shows next.
  if (TakeLatestPicture()) DrawPicture();
  return shown_ ? PackedDib(shown_->ToBitmap()) : std::vector<std::uint8_t>{};
}

}  // namespace platform::gtk

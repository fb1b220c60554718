#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/geometry.h"
#include "platform/messages.h"

namespace platform {

class Window;

// A media graph that renders one clip: it decodes the file, runs, pauses and
// stops, reports and sets positions in seconds, plays at a rate and a volume,
// announces the end of the stream, and draws the latest picture into a window
// (scaled from a source rectangle of the picture to a destination rectangle of
// the window), like a windowless video renderer.
//
// Everything is called on the user-interface thread. What the decoding threads
// have to say reaches that thread as a posted message (SetNotifyWindow).
class MediaGraph {
 public:
  // The event queued when the stream has played to its end.
  static constexpr long kEventComplete = 1;

  virtual ~MediaGraph() = default;

  // Builds the decoding chain for the file. A file that cannot be rendered
  // (missing, not a clip, no decoder) gives false and leaves a graph that shows
  // nothing and has stop time 0; every other call stays harmless.
  virtual bool RenderFile(const std::string& path) = 0;

  virtual void Run() = 0;
  virtual void Pause() = 0;
  // Stops without moving the position; the last picture stays on screen.
  virtual void Stop() = 0;

  virtual double CurrentPosition() = 0;
  virtual double StopTime() = 0;
  // Works while stopped, paused or running; applied once the graph is ready.
  virtual void SetCurrentPosition(double seconds) = 0;
  virtual void SetRate(double rate) = 0;
  // Hundredths of a decibel, -10000 (silence) to 0 (full volume).
  virtual void SetVolume(long hundredthsOfDecibel) = 0;

  // End of stream is queued once and announced by posting `message` to `window`.
  virtual void SetNotifyWindow(Window* window, MessageId message) = 0;
  // Takes the next queued event; false when there is none.
  virtual bool GetEvent(long& code) = 0;

  // The picture's size; false while there is none.
  virtual bool NativeVideoSize(Size& size) = 0;
  // The window the pictures are drawn into (null: drawn nowhere).
  virtual void SetVideoWindow(Window* window) = 0;
  virtual void SetVideoPosition(Rect source, Rect destination) = 0;
  // Draws the latest picture into the video window again.
  virtual void RepaintVideo() = 0;
  // The picture on screen as a packed device-independent bitmap: a 40-byte
  // header, then 32-bit pixels (blue, green, red, unused), rows bottom-up.
  // Empty when there is no picture.
  virtual std::vector<std::uint8_t> CurrentImage() = 0;
};

// A new, empty graph from the backend of this run.
std::unique_ptr<MediaGraph> CreateMediaGraph();

}  // namespace platform

#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/media_graph.h"
#include "platform/window.h"

namespace bench {

// A clip window of the player's video screen size (601 x 350) on the real
// desktop, and a media graph driven the way the playback engine drives it.
// Times are in milliseconds of the wall clock; a picture counts once its pixels
// are in the window and its second band reads right.
class PlaybackProbe {
 public:
  PlaybackProbe();  // the desktop backend must be installed
  ~PlaybackProbe();

  // Creates a graph, renders the clip and runs it, as the engine's open does, and
  // waits for the first picture in the window.
  std::optional<double> OpenToFirstPicture(const std::string& path);
  // Pauses the open clip, then seeks to `second` and waits for its picture.
  std::optional<double> PausedSeek(int second);
  // CPU time (user and system, all threads) per second of 1x playback, measured
  // over `seconds` of the clip's playing.
  std::optional<double> CpuMsPerSecond(const std::string& path, double seconds);
  double StopTime() { return graph_ ? graph_->StopTime() : 0.0; }
  void Close() { graph_.reset(); }

 private:
  std::optional<int> SecondShown() const;
  bool PumpUntil(const std::function<bool()>& done, double timeoutMs);
  void PumpFor(double ms);

  platform::Window window_;
  std::unique_ptr<platform::MediaGraph> graph_;
};

}  // namespace bench

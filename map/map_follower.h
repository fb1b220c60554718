#pragma once

// What the map view hears from the playback engine and the playback clock: a
// clip was opened, its pictures begin, a new second plays. The map windows
// implement it; the main window holds the one in use.
class MapFollower {
 public:
  virtual ~MapFollower() = default;
  virtual void PrepareMapsForClip() = 0;
  virtual void ShowMapsForNewClip() = 0;
  virtual void UpdateMapsForSecond(int second) = 0;
};

#pragma once

#include <string>
#include <vector>

// The drive a demo clip shows: what its data file says second by second and half
// second by half second, and the motion its picture animates. Everything is a
// pure function of the clip's kind, its place on the card and its length, so
// tests can plan the same drive and compare it with what the player reads back.

namespace card {

// Recording kinds as the camera's recinfo.bin stores them.
enum class ClipKind { Normal = 0, GSensorEvent = 1, Button = 2, Parking = 3 };

// The day every demo clip was recorded.
inline constexpr int kDriveYear = 2026;
inline constexpr int kDriveMonth = 12;
inline constexpr int kDriveDay = 10;

// Where every drive starts from: the player's default map centre.
inline constexpr double kHomeLatitude = 37.392049;
inline constexpr double kHomeLongitude = 126.958955;

// One GPS line as it is written. Without a fix ('V', in the tunnel) the camera
// writes empty fields, which read back as empty texts, speed 0 and course 0.
struct PlannedGps {
  char status = 'A';
  std::string latitudeText;   // decimal degrees, six decimals
  std::string longitudeText;
  int speedKmh = 0;
  int courseDegrees = 0;      // 0 to 359, clockwise from north
};

// One G-sensor line in g, with exactly the values its three-decimal text names.
struct PlannedGSensor {
  double x = 0;  // lateral
  double y = 0;  // longitudinal: braking is negative
  double z = 0;  // vertical, gravity included
};

// The motion of the car, continuous in time; the picture follows it even where
// the GPS has no fix.
class Drive {
 public:
  Drive(ClipKind kind, int clipIndex, int seconds);

  ClipKind Kind() const { return kind_; }
  int ClipIndex() const { return clipIndex_; }
  int Seconds() const { return seconds_; }

  double SpeedKmhAt(double t) const;
  double CourseAt(double t) const;  // degrees, not wrapped
  // The car's way along the road from the start, in metres.
  double DistanceAt(double t) const;
  // The seconds [TunnelStart(), TunnelEnd()) have no fix; empty for a parked car.
  int TunnelStart() const { return tunnelStart_; }
  int TunnelEnd() const { return tunnelEnd_; }
  // The second in which the hard braking begins, or -1.
  int BrakingSecond() const { return brakingSecond_; }
  bool Parked() const { return kind_ == ClipKind::Parking; }

 private:
  ClipKind kind_;
  int clipIndex_;
  int seconds_;
  std::vector<double> distance_;  // metres at every kStep seconds
  int tunnelStart_ = 0;
  int tunnelEnd_ = 0;
  int brakingSecond_ = -1;
};

struct PlannedDrive {
  std::vector<PlannedGps> gps;          // one per second
  std::vector<PlannedGSensor> gsensor;  // one per half second
};

PlannedDrive PlanDrive(const Drive& drive);

// The data file's text: a device line, then for each second its GPS line and its
// two G-sensor lines, CR LF line ends. `startOfDay` is the clip's start in
// seconds after midnight; the lines carry the time of day.
std::string DataFileText(const PlannedDrive& drive, int startOfDay);

}  // namespace card

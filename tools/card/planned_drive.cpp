#include "tools/card/planned_drive.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>

namespace card {
namespace {

constexpr double kStep = 0.05;          // seconds per integration step
constexpr double kGravity = 9.80665;    // m/s² per g
constexpr double kMetresPerDegree = 111320.0;
constexpr double kTopSpeedKmh = 100.0;
constexpr double kBrakingDropKmh = 60.0;
constexpr double kBrakingTime = 1.5;    // seconds: about 1.1 g
constexpr double kRecoveryTime = 12.0;  // seconds to win the lost speed back
constexpr double kTurnsPerClip = 2.0;   // every compass sector, even outside the tunnel

double Round3(double v) { return std::round(v * 1000.0) / 1000.0 + 0.0; }  // + 0.0: never "-0.000"

std::string Fixed(double v, int decimals) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, v, std::chars_format::fixed, decimals);
  return std::string(text, result.ptr);
}

std::string TwoDigits(int v) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", v);
  return text;
}

double BrakingStart(int seconds) { return 0.6 * seconds; }

}  // namespace

Drive::Drive(ClipKind kind, int clipIndex, int seconds)
    : kind_(kind), clipIndex_(clipIndex), seconds_(std::max(1, seconds)) {
  if (!Parked()) {
    tunnelStart_ = static_cast<int>(std::lround(0.35 * seconds_));
    tunnelEnd_ = std::min(seconds_, tunnelStart_ + std::max(1, seconds_ / 10));
  }
  if (kind_ == ClipKind::GSensorEvent) brakingSecond_ = static_cast<int>(BrakingStart(seconds_));

  const int steps = static_cast<int>(std::ceil(seconds_ / kStep)) + 1;
  distance_.resize(steps + 1);
  for (int i = 1; i <= steps; ++i) {
    const double t = (i - 0.5) * kStep;
    distance_[i] = distance_[i - 1] + SpeedKmhAt(t) / 3.6 * kStep;
  }
}

double Drive::SpeedKmhAt(double t) const {
  if (Parked() || t <= 0 || t >= seconds_) return 0.0;
  const double envelope = std::sin(std::numbers::pi * t / seconds_);
  double v = kTopSpeedKmh * envelope + 4.0 * std::sin(1.3 * t + clipIndex_) * envelope;
  if (kind_ == ClipKind::GSensorEvent) {
    const double since = t - BrakingStart(seconds_);
    if (since > 0) {
      v -= since < kBrakingTime ? kBrakingDropKmh * since / kBrakingTime
                                : kBrakingDropKmh * std::max(0.0, 1.0 - (since - kBrakingTime) / kRecoveryTime);
    }
  }
  return std::clamp(v, 0.0, kTopSpeedKmh + 5.0);
}

double Drive::CourseAt(double t) const {
  const double start = 45.0 * (clipIndex_ % 8) + 10.0;
  if (Parked()) return start;
  return start + 360.0 * kTurnsPerClip * t / seconds_;
}

double Drive::DistanceAt(double t) const {
  const double at = std::clamp(t / kStep, 0.0, static_cast<double>(distance_.size() - 1));
  const auto i = static_cast<std::size_t>(at);
  if (i + 1 >= distance_.size()) return distance_.back();
  return distance_[i] + (distance_[i + 1] - distance_[i]) * (at - static_cast<double>(i));
}

PlannedDrive PlanDrive(const Drive& drive) {
  const int seconds = drive.Seconds();
  PlannedDrive plan;
  double latitude = kHomeLatitude + 0.004 * (drive.ClipIndex() % 5);
  double longitude = kHomeLongitude + 0.003 * (drive.ClipIndex() % 7);
  const int stepsPerSecond = static_cast<int>(std::lround(1.0 / kStep));

  for (int second = 0; second < seconds; ++second) {
    PlannedGps gps;
    if (second >= drive.TunnelStart() && second < drive.TunnelEnd()) {
      gps.status = 'V';
    } else {
      gps.latitudeText = Fixed(latitude, 6);
      gps.longitudeText = Fixed(longitude, 6);
      gps.speedKmh = static_cast<int>(std::lround(drive.SpeedKmhAt(second)));
      gps.courseDegrees = static_cast<int>(std::lround(drive.CourseAt(second))) % 360;
    }
    plan.gps.push_back(gps);

    for (int step = 0; step < stepsPerSecond; ++step) {
      const double t = second + (step + 0.5) * kStep;
      const double metres = drive.SpeedKmhAt(t) / 3.6 * kStep;
      const double course = drive.CourseAt(t) * std::numbers::pi / 180.0;
      latitude += metres * std::cos(course) / kMetresPerDegree;
      longitude += metres * std::sin(course) / (kMetresPerDegree * std::cos(latitude * std::numbers::pi / 180.0));
    }
  }

  // Accelerations from the motion, plus road noise that grows with speed.
  std::minstd_rand noise(1000u + static_cast<unsigned>(drive.ClipIndex()));
  const auto jitter = [&noise](double amplitude) {
    return (static_cast<int>(noise() % 2001) - 1000) / 1000.0 * amplitude;
  };
  const double turnRate = 2.0 * std::numbers::pi * kTurnsPerClip / seconds;  // rad/s
  for (int half = 0; half < 2 * seconds; ++half) {
    const double t = half * 0.5 + 0.25;
    const double v = drive.SpeedKmhAt(t) / 3.6;
    const double dv = (drive.SpeedKmhAt(t + 0.25) - drive.SpeedKmhAt(t - 0.25)) / 3.6 / 0.5;
    const double rough = 0.02 + 0.03 * v / (kTopSpeedKmh / 3.6);
    PlannedGSensor g;
    g.x = (drive.Parked() ? 0.0 : v * turnRate / kGravity) + jitter(rough);
    g.y = dv / kGravity + jitter(rough);
    g.z = 1.0 + jitter(rough);
    if (drive.Parked() && half == (4 * seconds) / 3) {  // someone bumps the parked car
      g.x += 0.45;
      g.y -= 0.3;
    }
    plan.gsensor.push_back({Round3(g.x), Round3(g.y), Round3(g.z)});
  }
  return plan;
}

std::string DataFileText(const PlannedDrive& drive, int startOfDay) {
  const std::string date = TwoDigits(kDriveDay) + TwoDigits(kDriveMonth) + TwoDigits(kDriveYear % 100);
  std::string text = "DeviceInfo,ZELVIK-DC1,FW 1.02\r\n";
  for (std::size_t second = 0; second < drive.gps.size(); ++second) {
    const int clock = (startOfDay + static_cast<int>(second)) % 86400;
    const std::string time = TwoDigits(clock / 3600) + TwoDigits(clock / 60 % 60) + TwoDigits(clock % 60);
    const PlannedGps& gps = drive.gps[second];
    if (gps.status == 'V') {
      text += "GPS," + time + "," + date + ",V,,,,,,\r\n";
    } else {
      text += "GPS," + time + "," + date + "," + gps.status + "," + gps.latitudeText + ",N," + gps.longitudeText +
              ",E," + std::to_string(gps.speedKmh) + "," + std::to_string(gps.courseDegrees) + "\r\n";
    }
    for (std::size_t half = 2 * second; half < 2 * second + 2 && half < drive.gsensor.size(); ++half) {
      const PlannedGSensor& g = drive.gsensor[half];
      text += "GsensorData," + time + "," + std::to_string(half % 2) + "," + Fixed(g.x, 3) + "," + Fixed(g.y, 3) +
              "," + Fixed(g.z, 3) + "\r\n";
    }
  }
  return text;
}

}  // namespace card

#include "recordings/recording_data.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string_view>
#include <system_error>

#include "recordings/c_number.h"

RecordingTables RecordingTrack{};

namespace {

constexpr std::string_view kDat = "dat";

// Field n of a comma-separated line; a field the line does not have is empty.
std::string_view Field(std::string_view line, int n) {
  std::size_t start = 0;
  for (int i = 0; i < n; ++i) {
    const std::size_t comma = line.find(',', start);
    if (comma == std::string_view::npos) return {};
    start = comma + 1;
  }
  const std::size_t end = line.find(',', start);
  return line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

std::string_view SkipSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

// The file's 8-bit characters widen one to one; a longer text is cut to 14.
void StoreText(char16_t (&target)[kPositionTextUnits], std::string_view text) {
  std::fill(std::begin(target), std::end(target), u'\0');
  const std::size_t n = std::min<std::size_t>(text.size(), kPositionTextUnits - 1);
  for (std::size_t i = 0; i < n; ++i) target[i] = static_cast<unsigned char>(text[i]);
}

std::int32_t ToInt32(long value) {
  return static_cast<std::int32_t>(std::clamp<long>(value, std::numeric_limits<std::int32_t>::min(),
                                                    std::numeric_limits<std::int32_t>::max()));
}

// Sector 0 is centred on course 0; courses of 338 and more fall into sector 7
// rather than wrapping to 0. The result is kept in 8 bits as it comes.
std::uint8_t HeadingSectorFor(std::int32_t course) {
  long long s = static_cast<long long>(course) + 22;
  if (s >= 360) s = 359;
  return static_cast<std::uint8_t>(s / 45);
}

void StoreGpsLine(std::string_view line, GpsSample& sample) {
  const std::string_view status = SkipSpaces(Field(line, 3));
  sample.fixStatus = status.empty() ? u'\0' : static_cast<unsigned char>(status[0]);
  StoreText(sample.latitudeText, SkipSpaces(Field(line, 4)));
  StoreText(sample.longitudeText, SkipSpaces(Field(line, 6)));
  sample.speedKmh = ToInt32(ReadCInteger(Field(line, 8)));
  sample.headingSector = HeadingSectorFor(ToInt32(ReadCInteger(Field(line, 9))));
}

void StoreGSensorLine(std::string_view line, GSensorSample& sample) {
  sample.x = static_cast<float>(ReadCDouble(Field(line, 3)));
  sample.y = static_cast<float>(ReadCDouble(Field(line, 4)));
  sample.z = static_cast<float>(ReadCDouble(Field(line, 5)));
}

}  // namespace

std::string DataFilePathFor(const std::string& clipPath) {
  const std::size_t slash = clipPath.rfind('/');
  if (slash == std::string::npos || slash == 0) return {};
  if (clipPath.size() - (slash + 1) < kDat.size()) return {};  // no three bytes of name to replace

  std::string result = clipPath;
  result.replace(slash + 1, kDat.size(), kDat);
  result.replace(result.size() - kDat.size(), kDat.size(), kDat);
  return result;
}

void LoadRecordingData(const std::string& dataPath) {
  RecordingTables& track = RecordingTrack;
  track.gpsCount = 0;
  track.gsensorCount = 0;

  std::error_code error;
  std::ifstream file;
  if (!dataPath.empty() && !std::filesystem::is_directory(dataPath, error)) {
    file.open(dataPath, std::ios::binary);
  }
  if (!file.is_open()) {
    track.loaded = 0;
    return;
  }

  std::string buffer;
  while (std::getline(file, buffer)) {
    std::string_view line = buffer;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::string_view first = Field(line, 0);
    if (first.starts_with("GPS")) {
      if (track.gpsCount < kGpsCapacity) StoreGpsLine(line, track.gps[track.gpsCount++]);
    } else if (first.starts_with("GsensorData")) {
      if (track.gsensorCount < kGSensorCapacity) StoreGSensorLine(line, track.gsensor[track.gsensorCount++]);
    }
  }
  track.loaded = 1;
}

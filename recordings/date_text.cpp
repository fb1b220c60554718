#include "recordings/date_text.h"

#include <cstdio>

#include "recordings/c_number.h"

namespace {

std::string UnderscorePart(const std::string& name, int index) {
  std::size_t start = 0;
  for (int i = 0; i < index; ++i) {
    std::size_t next = name.find('_', start);
    if (next == std::string::npos) return {};
    start = next + 1;
  }
  std::size_t end = name.find('_', start);
  return name.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace

std::string MakeDateText(const std::string& fileName, std::time_t lastWrite, long upperBound) {
  std::string part = UnderscorePart(fileName, 2);
  if (part.size() == 8) {
    long value = ReadCInteger(part);
    if (value >= 20000101 && value <= upperBound)
      return part.substr(0, 4) + "." + part.substr(4, 2) + "." + part.substr(6, 2);
  }
  std::tm utc{};
  if (gmtime_r(&lastWrite, &utc) == nullptr) return {};
  char text[32];
  std::snprintf(text, sizeof text, "%d.%d.%d", utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday);
  return text;
}

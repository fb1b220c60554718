#pragma once

#include <ctime>
#include <string>

// The date shown for a clip: the third underscore-separated part of its name
// when that is an eight-digit date from 20000101 to `upperBound`, written
// yyyy.mm.dd, otherwise the year, month and day of `lastWrite` in UTC without
// leading zeros.
std::string MakeDateText(const std::string& fileName, std::time_t lastWrite, long upperBound);

inline constexpr long kScanDateLimit = 21001230;
inline constexpr long kOpenDateLimit = 29991230;

#pragma once

#include <string_view>

// Numbers read from text the way the C library reads them in the "C" locale,
// whatever locale the process runs in: leading white space, an optional sign,
// then as much of a number as the text holds; no number at all reads as 0.

// As strtol with base 10; a value beyond the range of long is clamped to it.
long ReadCInteger(std::string_view text);

// As strtod: decimal and hexadecimal forms, "inf" and "nan"; a value too large
// gives infinity and a value too small gives 0, each with its sign.
double ReadCDouble(std::string_view text);

#include "recordings/c_number.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <system_error>

namespace {

bool IsCSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Skips white space and one sign; tells whether the sign was a minus.
std::string_view SkipSpaceAndSign(std::string_view text, bool& negative) {
  std::size_t i = 0;
  while (i < text.size() && IsCSpace(text[i])) ++i;
  negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  return text.substr(i);
}

// Whether a number that from_chars found out of range is too large rather than
// too small: the place of its first significant digit plus its exponent is above
// zero. Only values far outside the range of double get here, so the estimate
// cannot be wrong.
bool IsTooLarge(std::string_view number, bool hex) {
  const char exponentMark = hex ? 'p' : 'e';
  long place = 0;
  bool seenPoint = false, seenDigit = false;
  std::size_t i = 0;
  for (; i < number.size(); ++i) {
    const char c = number[i];
    if (c == '.') {
      seenPoint = true;
    } else if (c == exponentMark || c == exponentMark - 32) {
      break;
    } else if (!seenDigit && c == '0') {
      if (seenPoint) --place;
    } else if (!seenDigit) {
      seenDigit = true;
      if (seenPoint) --place;
    } else if (!seenPoint) {
      ++place;
    }
  }
  if (hex) place *= 4;
  if (i < number.size()) {
    // Clamped so the sum cannot overflow; the place is bounded by the text's length.
    constexpr long kLimit = 1'000'000'000'000L;
    place += std::clamp(ReadCInteger(number.substr(i + 1)), -kLimit, kLimit);
  }
  return place > 0;
}

}  // namespace

long ReadCInteger(std::string_view text) {
  bool negative = false;
  const std::string_view rest = SkipSpaceAndSign(text, negative);
  if (rest.empty() || rest[0] < '0' || rest[0] > '9') return 0;
  unsigned long magnitude = 0;
  const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), magnitude);
  constexpr unsigned long kMax = std::numeric_limits<long>::max();
  if (error == std::errc::result_out_of_range || magnitude > kMax) {
    return negative ? std::numeric_limits<long>::min() : std::numeric_limits<long>::max();
  }
  const long value = static_cast<long>(magnitude);
  return negative ? -value : value;
}

double ReadCDouble(std::string_view text) {
  bool negative = false;
  std::string_view rest = SkipSpaceAndSign(text, negative);
  if (rest.empty() || rest[0] == '+' || rest[0] == '-') return 0.0;

  auto format = std::chars_format::general;
  const bool hex = rest.size() > 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X') &&
                   (IsHexDigit(rest[2]) || (rest[2] == '.' && rest.size() > 3 && IsHexDigit(rest[3])));
  if (hex) {
    rest.remove_prefix(2);
    format = std::chars_format::hex;
  }

  double value = 0.0;
  const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value, format);
  if (error == std::errc::result_out_of_range) {
    const std::string_view number(rest.data(), static_cast<std::size_t>(end - rest.data()));
    value = IsTooLarge(number, hex) ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (error != std::errc()) {
    value = 0.0;
  }
  return negative ? -value : value;
}

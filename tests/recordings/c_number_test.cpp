#include "recordings/c_number.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace {

TEST(ReadCInteger, ReadsLikeStrtol) {
  constexpr long kMax = std::numeric_limits<long>::max();
  constexpr long kMin = std::numeric_limits<long>::min();
  const std::pair<const char*, long> cases[] = {
      {"45", 45},        {" \t-12", -12},  {"+7", 7},   {"45.7", 45},     {"90x", 90},
      {"", 0},           {"abc", 0},       {"+-5", 0},  {"- 5", 0},       {"0x10", 0},
      {"007", 7},        {"99999999999999999999", kMax}, {"-99999999999999999999", kMin},
      {"-9223372036854775808", kMin},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ReadCInteger(text), value) << '"' << text << '"';
}

TEST(ReadCDouble, ReadsLikeStrtod) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const std::pair<const char*, double> cases[] = {
      {"0.12", 0.12},   {"-1.5", -1.5},   {" +9.8", 9.8},   {"\t1e-2", 0.01},  {".5", 0.5},
      {"5.", 5.0},      {"1.5e", 1.5},    {"1.5e+", 1.5},   {"2E3x", 2000.0},  {"37.5 N", 37.5},
      {"", 0.0},        {"abc", 0.0},     {".", 0.0},       {"+-1", 0.0},      {"1,5", 1.0},
      {"0x1p3", 8.0},   {"-0X.8", -0.5},  {"0x", 0.0},      {"0xg", 0.0},      {"inf", kInf},
      {"-Infinity", -kInf}, {"1e400", kInf}, {"-1e400", -kInf}, {"1e-400", 0.0}, {"-0.000001e-400", 0.0},
      {"12345678901234567890e300", kInf}, {"0.0000000001e-320", 0.0}, {"0x1p99999", kInf},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ReadCDouble(text), value) << '"' << text << '"';
  EXPECT_TRUE(std::isnan(ReadCDouble(" nan(1)")));
  EXPECT_TRUE(std::signbit(ReadCDouble("-1e-400")));
}

}  // namespace

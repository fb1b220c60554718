#include "recordings/date_text.h"

#include <gtest/gtest.h>

namespace {

// 5 January 2009, 23:30 UTC: the time of files whose names carry no date.
constexpr std::time_t kFileTime = 1231198200;

TEST(MakeDateText, TakesTheDateFromTheNameOrElseFromTheFileTime) {
  const struct {
    const char* name;
    long bound;
    const char* text;
  } table[] = {
      {"abc_0001_20090115_123456.avi", kScanDateLimit, "2009.01.15"},
      {"abc_0001_2009011_123456.avi", kScanDateLimit, "2009.1.5"},
      {"abc_0001_20091315x_123456.avi", kScanDateLimit, "2009.1.5"},
      {"abc_0001_20091315_123456.avi", kScanDateLimit, "2009.13.15"},  // month and day are not checked
      {"abc_0001_21001231_123456.avi", kScanDateLimit, "2009.1.5"},
      {"abc_0001_21001231_123456.avi", kOpenDateLimit, "2100.12.31"},
      {"abc_0001_19991231_123456.avi", kOpenDateLimit, "2009.1.5"},
      {"abc_0001_20090115.avi", kScanDateLimit, "2009.1.5"},  // the third part is "20090115.avi"
      {"noparts.avi", kScanDateLimit, "2009.1.5"},
      {"a__20260101_x.avi", kScanDateLimit, "2026.01.01"},
  };
  for (auto row : table) EXPECT_EQ(MakeDateText(row.name, kFileTime, row.bound), row.text) << row.name;
}

}  // namespace

#include "recordings/recording_kinds.h"

#include <array>
#include <string>

#include <gtest/gtest.h>

#include "tests/recordings/scratch_dir.h"

namespace {

// A recinfo.bin with `header` bytes of header and then one word per entry.
std::string RecInfo(const std::vector<std::uint16_t>& words, std::size_t header = 12) {
  std::string bytes(header, '\x5a');
  for (std::uint16_t w : words) {
    bytes += static_cast<char>(w & 0xFF);
    bytes += static_cast<char>(w >> 8);
  }
  return bytes;
}

class RecordingKindsTest : public ::testing::Test {
 protected:
  // Every entry starts as 3 so that the reader must clear what it does not fill.
  RecordingKindsTest() { kinds.fill(3); }
  std::array<std::uint8_t, kRecordingKindEntries> kinds{};
  ScratchDir dir;
};

TEST_F(RecordingKindsTest, ReadsTheTopTwoBitsOfEachWord) {
  // 20 bytes: four entries, only bits 15 and 14 count.
  ReadRecordingKindsFile(dir.Write("recinfo.bin", RecInfo({0x3FFF, 0x4000, 0x8001, 0xC123})), kinds);
  EXPECT_EQ(kinds[0], 0);
  EXPECT_EQ(kinds[1], 1);
  EXPECT_EQ(kinds[2], 2);
  EXPECT_EQ(kinds[3], 3);
  for (std::size_t k = 4; k < kinds.size(); ++k) ASSERT_EQ(kinds[k], 0) << k;
}

TEST_F(RecordingKindsTest, ShortOrMissingFilesGiveNoKinds) {
  const std::pair<const char*, std::string> files[] = {
      {"empty", ""},
      {"header only", RecInfo({})},
      {"header and a byte", RecInfo({}) + "\xff"},
      {"short header", RecInfo({0xFFFF}, 4)},
  };
  for (const auto& [what, bytes] : files) {
    SCOPED_TRACE(what);
    kinds.fill(3);
    ReadRecordingKindsFile(dir.Write("recinfo.bin", bytes), kinds);
    for (std::size_t k = 0; k < kinds.size(); ++k) ASSERT_EQ(kinds[k], 0) << k;
  }
  kinds.fill(3);
  ReadRecordingKindsFile((dir.Path() / "missing.bin").string(), kinds);
  for (std::size_t k = 0; k < kinds.size(); ++k) ASSERT_EQ(kinds[k], 0) << k;
}

TEST_F(RecordingKindsTest, StopsAt3000Entries) {
  std::vector<std::uint16_t> words(3100, 0x8000);
  words[2999] = 0xC000;
  ReadRecordingKindsFile(dir.Write("recinfo.bin", RecInfo(words)), kinds);
  EXPECT_EQ(kinds[0], 2);
  EXPECT_EQ(kinds[2998], 2);
  EXPECT_EQ(kinds[2999], 3);
}

}  // namespace

#include "recordings/recording_data.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/recordings/scratch_dir.h"

namespace {

std::u16string Text(const char16_t* units) { return std::u16string(units); }

class RecordingDataTest : public ::testing::Test {
 protected:
  void SetUp() override { RecordingTrack = {}; }
  void TearDown() override { RecordingTrack = {}; }

  void Load(std::string_view content) { LoadRecordingData(dir.Write("dat_0001.dat", content)); }

  ScratchDir dir;
};

struct GpsCase {
  const char* line;
  char16_t status;
  const char16_t* latitude;
  const char16_t* longitude;
  int speed;
  int sector;
};

TEST_F(RecordingDataTest, GpsLineFields) {
  const GpsCase cases[] = {
      {"GPS,083000,x,A,12.345678,N,123.456789,E,45,90", u'A', u"12.345678", u"123.456789", 45, 2},
      // Courses around the sector edges; 338 and above stay in sector 7.
      {"GPS,,,A,,,,,0,0", u'A', u"", u"", 0, 0},
      {"GPS,,,A,,,,,0,22", u'A', u"", u"", 0, 0},
      {"GPS,,,A,,,,,0,23", u'A', u"", u"", 0, 1},
      {"GPS,,,A,,,,,0,337", u'A', u"", u"", 0, 7},
      {"GPS,,,A,,,,,0,338", u'A', u"", u"", 0, 7},
      {"GPS,,,A,,,,,0,359", u'A', u"", u"", 0, 7},
      {"GPS,,,A,,,,,0,99999999999999", u'A', u"", u"", 0, 7},
      // Division truncates towards zero, the result kept in 8 bits.
      {"GPS,,,A,,,,,0,-23", u'A', u"", u"", 0, 0},
      {"GPS,,,A,,,,,0,-100", u'A', u"", u"", 0, 255},
      // Status: spaces skipped, other characters kept, nothing gives 0.
      {"GPS,,,  V", u'V', u"", u"", 0, 0},
      {"GPS,,,", 0, u"", u"", 0, 0},
      {"GPS,,,   ,1", 0, u"1", u"", 0, 0},
      {"GPS,,,\tA", u'\t', u"", u"", 0, 0},
      // Only leading spaces leave the position texts; a long text is cut to 14.
      {"GPS,,,A, 37.5 N,N,  -126.9 ,E", u'A', u"37.5 N", u"-126.9 ", 0, 0},
      {"GPS,,,A,123456789012345678,N,1.234567890123,E", u'A', u"12345678901234", u"1.234567890123", 0, 0},
      // Integers the C way: white space and sign, stop at the first non-digit.
      {"GPS,,,A,,,,, 45.7,+90x", u'A', u"", u"", 45, 2},
      {"GPS,,,A,,,,,\t-12,abc", u'A', u"", u"", -12, 0},
      {"GPS,,,A,,,,,99999999999,", u'A', u"", u"", 2147483647, 0},
      // "GPS" alone, and any longer word that begins with it.
      {"GPS", 0, u"", u"", 0, 0},
      {"GPSX,,,A,1,,2,,3,90", u'A', u"1", u"2", 3, 2},
  };
  for (const GpsCase& c : cases) {
    SCOPED_TRACE(c.line);
    RecordingTrack = {};
    Load(std::string(c.line) + "\n");
    ASSERT_EQ(RecordingTrack.gpsCount, 1);
    const GpsSample& s = RecordingTrack.gps[0];
    EXPECT_EQ(s.fixStatus, c.status);
    EXPECT_EQ(Text(s.latitudeText), c.latitude);
    EXPECT_EQ(Text(s.longitudeText), c.longitude);
    EXPECT_EQ(s.speedKmh, c.speed);
    EXPECT_EQ(s.headingSector, c.sector);
    EXPECT_EQ(s.latitudeText[kPositionTextUnits - 1], 0);
    EXPECT_EQ(s.longitudeText[kPositionTextUnits - 1], 0);
  }
}

TEST_F(RecordingDataTest, GSensorLineFields) {
  Load("GsensorData,1,2,0.12,-1.5,9.8\n"
       "GsensorData,,, +2e-1 ,.5x,abc\n"
       "GsensorDataX,,,1,2\n");
  ASSERT_EQ(RecordingTrack.gsensorCount, 3);
  const GSensorSample* g = RecordingTrack.gsensor;
  EXPECT_EQ(g[0].x, 0.12f);
  EXPECT_EQ(g[0].y, -1.5f);
  EXPECT_EQ(g[0].z, 9.8f);
  EXPECT_EQ(g[1].x, 0.2f);
  EXPECT_EQ(g[1].y, 0.5f);
  EXPECT_EQ(g[1].z, 0.0f);
  EXPECT_EQ(g[2].x, 1.0f);
  EXPECT_EQ(g[2].y, 2.0f);
  EXPECT_EQ(g[2].z, 0.0f);  // missing field
  EXPECT_EQ(RecordingTrack.gpsCount, 0);
  EXPECT_EQ(RecordingTrack.loaded, 1);
}

TEST_F(RecordingDataTest, OnlyGpsAndGSensorLinesCount) {
  Load("gps,,,A\n"
       "\n"
       "GsensorData,,,1,1,1\n"
       "gsensordata,,,9,9,9\n"
       "Gps,,,A\n"
       " GPS,,,A\n"
       "GPS,,,V\n"
       "HEADER,GPS,,A\n");
  EXPECT_EQ(RecordingTrack.gpsCount, 1);
  EXPECT_EQ(RecordingTrack.gps[0].fixStatus, u'V');
  EXPECT_EQ(RecordingTrack.gsensorCount, 1);
  EXPECT_EQ(RecordingTrack.gsensor[0].x, 1.0f);
}

TEST_F(RecordingDataTest, LineEnds) {
  // CR LF, and a last line without a line end; the CR never reaches a field.
  Load("GPS,,,A,1,N,2.5\r\nGPS,,,\r\nGsensorData,,,1,2,3\r\nGPS,,,A,,,7");
  EXPECT_EQ(RecordingTrack.gpsCount, 3);
  EXPECT_EQ(Text(RecordingTrack.gps[0].longitudeText), u"2.5");
  EXPECT_EQ(RecordingTrack.gps[1].fixStatus, 0);
  EXPECT_EQ(Text(RecordingTrack.gps[2].longitudeText), u"7");
  EXPECT_EQ(RecordingTrack.gsensorCount, 1);
  EXPECT_EQ(RecordingTrack.gsensor[0].z, 3.0f);
}

std::string GpsLines(int count, int firstSpeed) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "GPS,,,A,,,,," + std::to_string(firstSpeed + i) + ",0\n";
  return text;
}

std::string GSensorLines(int count, int firstX) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "GsensorData,,," + std::to_string(firstX + i) + ",0,0\n";
  return text;
}

TEST_F(RecordingDataTest, ExcessLinesAreIgnored) {
  Load(GpsLines(130, 0) + GSensorLines(250, 0));
  EXPECT_EQ(RecordingTrack.gpsCount, kGpsCapacity);
  EXPECT_EQ(RecordingTrack.gsensorCount, kGSensorCapacity);
  EXPECT_EQ(RecordingTrack.gps[kGpsCapacity - 1].speedKmh, kGpsCapacity - 1);
  EXPECT_EQ(RecordingTrack.gsensor[kGSensorCapacity - 1].x, kGSensorCapacity - 1);
  EXPECT_EQ(RecordingTrack.loaded, 1);
}

TEST_F(RecordingDataTest, ShorterLoadKeepsLaterEntries) {
  Load(GpsLines(60, 0) + GSensorLines(120, 0));
  Load(GpsLines(10, 1000) + GSensorLines(20, 1000));
  EXPECT_EQ(RecordingTrack.gpsCount, 10);
  EXPECT_EQ(RecordingTrack.gsensorCount, 20);
  for (int i = 0; i < 60; ++i) EXPECT_EQ(RecordingTrack.gps[i].speedKmh, i < 10 ? 1000 + i : i) << i;
  for (int i = 0; i < 120; ++i) EXPECT_EQ(RecordingTrack.gsensor[i].x, i < 20 ? 1000 + i : i) << i;
}

TEST_F(RecordingDataTest, UnopenableFileKeepsEntries) {
  Load(GpsLines(5, 7) + GSensorLines(5, 7));
  const std::vector<std::string> unopenable = {
      (dir.Path() / "missing.dat").string(),
      dir.Path().string(),  // a folder is no data file
      DataFilePathFor("abc123.avi"),
  };
  for (const std::string& path : unopenable) {
    SCOPED_TRACE(path);
    LoadRecordingData(path);
    EXPECT_EQ(RecordingTrack.loaded, 0);
    EXPECT_EQ(RecordingTrack.gpsCount, 0);
    EXPECT_EQ(RecordingTrack.gsensorCount, 0);
    EXPECT_EQ(RecordingTrack.gps[4].speedKmh, 11);
    EXPECT_EQ(RecordingTrack.gsensor[4].x, 11.0f);
  }
  Load("");  // an empty file opens: loaded with nothing in it
  EXPECT_EQ(RecordingTrack.loaded, 1);
  EXPECT_EQ(RecordingTrack.gpsCount, 0);
}

TEST(DataFilePathFor, ReplacesNameStartAndExtension) {
  const std::pair<std::string, std::string> cases[] = {
      {"/media/E/clips/abc123.avi", "/media/E/clips/dat123.dat"},
      {"/media/E/DCIM/00000/NOR_0001_20261210_083000.avi", "/media/E/DCIM/00000/dat_0001_20261210_083000.dat"},
      {"clips/abc123.avi", "clips/dat123.dat"},
      {"/media/Ü/abc.avi", "/media/Ü/dat.dat"},  // bytes, not characters
      {"/media/E/abc", "/media/E/dat"},
      {"/media/E/abc.x", "/media/E/dadat"},  // the extension is always the last three bytes
      // No '/' after the first byte, or a name too short to replace: no data file.
      {"abc123.avi", ""},
      {"/abc123.avi", ""},
      {"", ""},
      {"/media/E/ab", ""},
      {"/media/E/", ""},
  };
  for (const auto& [clip, data] : cases) EXPECT_EQ(DataFilePathFor(clip), data) << clip;
}

}  // namespace

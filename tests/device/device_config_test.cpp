#include "device/device_config.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/config_path.h"

namespace fs = std::filesystem;

namespace {

const std::vector<std::uint8_t> kDefaultRecord = [] {
  std::vector<std::uint8_t> bytes = {0x01, 0x00, 0x00, 0x00, 0x01, 0x01, 0x00, 0x00};
  bytes.insert(bytes.end(), 10, 0x00);
  bytes.push_back(0x1C);
  bytes.insert(bytes.end(), 60, 0x00);
  bytes.push_back(0x01);
  return bytes;
}();

std::vector<std::uint8_t> Bytes(const DeviceConfig& record) {
  const auto* p = reinterpret_cast<const std::uint8_t*>(&record);
  return {p, p + sizeof record};
}

std::vector<std::uint8_t> FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void WriteFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> Sequence(std::size_t n) {
  std::vector<std::uint8_t> bytes(n);
  for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<std::uint8_t>(i + 1);
  return bytes;
}

class DeviceConfigTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("zelvik-config-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    path_ = folder_ / "config.sys";
    configPath = path_.string();
    std::memset(&deviceConfig, 0xEE, sizeof deviceConfig);
  }
  void TearDown() override {
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(folder_);
  }
  std::vector<fs::path> FolderEntries() const {
    return {fs::directory_iterator(folder_), fs::directory_iterator()};
  }

  fs::path folder_;
  fs::path path_;
};

TEST_F(DeviceConfigTest, DefaultsAreTheCamerasDefaultRecord) {
  DeviceConfig record;
  std::memset(&record, 0x55, sizeof record);
  SetDeviceConfigDefaults(record);
  EXPECT_EQ(Bytes(record), kDefaultRecord);
}

TEST_F(DeviceConfigTest, MissingFileIsCreatedWithTheDefaults) {
  EXPECT_EQ(LoadDeviceConfig(), 1);
  EXPECT_EQ(FileBytes(path_), kDefaultRecord);
  EXPECT_EQ(Bytes(deviceConfig), kDefaultRecord);
  EXPECT_EQ(FolderEntries().size(), 1u) << "no temporary file is left behind";
}

TEST_F(DeviceConfigTest, ShortAndLongFilesLoadTheirFirstBytesAndStayUnchanged) {
  struct Case {
    std::size_t size;
    std::size_t expectedFromFile;
  };
  for (Case c : {Case{19, 19}, Case{80, 80}, Case{100, 80}, Case{0, 0}}) {
    SCOPED_TRACE(c.size);
    std::vector<std::uint8_t> file = Sequence(c.size);
    WriteFile(path_, file);
    EXPECT_EQ(LoadDeviceConfig(), 1);
    std::vector<std::uint8_t> expected(80, 0);
    std::copy_n(file.begin(), c.expectedFromFile, expected.begin());
    EXPECT_EQ(Bytes(deviceConfig), expected);
    EXPECT_EQ(FileBytes(path_), file);
  }
}

TEST_F(DeviceConfigTest, ANineteenByteFileHasEmptyTextsAndAudioOff) {
  WriteFile(path_, Sequence(19));
  ASSERT_EQ(LoadDeviceConfig(), 1);
  EXPECT_TRUE(ConfigText(deviceConfig.vehicleNumber).empty());
  EXPECT_TRUE(ConfigText(deviceConfig.driverName).empty());
  EXPECT_EQ(deviceConfig.audioRecording, 0);
}

TEST_F(DeviceConfigTest, TextFieldsEndAtTheirFirstZeroOrTheirFifteenthUnit) {
  DeviceConfig record{};
  const char* name = "ABCDEFGHIJKLMNO";  // 15 units fill the field: no terminator
  for (int i = 0; i < 15; ++i) record.driverName[2 * i] = static_cast<std::uint8_t>(name[i]);
  record.audioRecording = 1;  // the byte right after the field
  record.vehicleNumber[0] = '1';
  record.vehicleNumber[2] = '2';
  record.vehicleNumber[6] = '9';  // after the terminator: not part of the text
  EXPECT_EQ(ConfigText(record.driverName), u"ABCDEFGHIJKLMNO");
  EXPECT_EQ(ConfigText(record.vehicleNumber), u"12");
  record.vehicleNumber[0] = 0xAC;  // UTF-16LE: the low byte first
  record.vehicleNumber[1] = 0x20;
  EXPECT_EQ(ConfigText(record.vehicleNumber), std::u16string(u"\u20AC2"));
}

TEST_F(DeviceConfigTest, AFolderThatRefusesNewFilesGivesZeroAndTheDefaults) {
  // As root a mode of 0555 does not stop writing, so root tries /proc, which refuses new files.
  fs::path folder = folder_ / "read-only";
  fs::create_directories(folder);
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  configPath = (::geteuid() == 0 ? fs::path("/proc") : folder).append("config.sys").string();
  EXPECT_EQ(LoadDeviceConfig(), 0);
  EXPECT_EQ(Bytes(deviceConfig), kDefaultRecord);
  EXPECT_FALSE(fs::exists(configPath));
}

TEST_F(DeviceConfigTest, AnExistingFileThatCannotBeReadIsNeverReplaced) {
  // A config.sys that opens but cannot be read (here a folder) must keep what it holds.
  fs::create_directories(path_);
  WriteFile(path_ / "inside", {1, 2, 3});
  EXPECT_EQ(LoadDeviceConfig(), 0);
  EXPECT_TRUE(fs::is_directory(path_));
  EXPECT_EQ(FileBytes(path_ / "inside"), (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_EQ(Bytes(deviceConfig), kDefaultRecord);
}

TEST_F(DeviceConfigTest, WriterReplacesTheFileWholeAndNeverEditsItInPlace) {
  std::vector<std::uint8_t> old = Sequence(100);
  WriteFile(path_, old);
  // A second name for the old file's contents: an in-place rewrite would change it too.
  fs::create_hard_link(path_, folder_ / "old-contents");
  DeviceConfig record;
  SetDeviceConfigDefaults(record);
  record.defaultsFlag = 0;
  ASSERT_TRUE(WriteDeviceConfigFile(record));
  EXPECT_EQ(FileBytes(path_), Bytes(record));
  EXPECT_EQ(FileBytes(folder_ / "old-contents"), old);
  EXPECT_EQ(FolderEntries().size(), 2u);
}

TEST_F(DeviceConfigTest, AFailedWriteIsReportedAndLeavesNoTrace) {
  // The new file cannot take the old one's place when a folder stands there.
  fs::create_directories(path_ / "keep");
  DeviceConfig record;
  SetDeviceConfigDefaults(record);
  EXPECT_FALSE(WriteDeviceConfigFile(record));
  EXPECT_TRUE(fs::is_directory(path_ / "keep"));
  EXPECT_EQ(FolderEntries().size(), 1u);
  configPath = "/nonexistent-zelvik-folder/config.sys";
  EXPECT_FALSE(WriteDeviceConfigFile(record));
}

TEST_F(DeviceConfigTest, ReadingAMissingFileGivesFalseAndAZeroRecord) {
  DeviceConfig record;
  std::memset(&record, 0x77, sizeof record);
  EXPECT_FALSE(ReadDeviceConfigFile(record));
  EXPECT_EQ(Bytes(record), std::vector<std::uint8_t>(80, 0));
}

}  // namespace

#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

// A private folder under the system's temporary folder, removed when the test ends.
class ScratchDir {
 public:
  ScratchDir() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() /
            ("zelvik-" + std::to_string(::getpid()) + "-" + test->test_suite_name() + "-" + test->name());
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }

  // Writes `bytes` as they stand to the file `name` and gives its path.
  std::string Write(const std::string& name, std::string_view bytes) const {
    const auto file = path_ / name;
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file.string();
  }

 private:
  std::filesystem::path path_;
};

#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_choosers.h"

namespace platform::headless {

// The folder and file choosers of the simulated desktop: each request is
// recorded and answered with the next scripted answer (cancelled when none is left).
class ScriptedChoosers {
 public:
  struct Request {
    enum class Kind { Folder, OpenFile } kind;
    std::string title;
    std::string startFolder;
    std::vector<FileFilter> filters;
  };

  void AnswerNextFolder(std::optional<std::string> folder) { folders_.push_back(std::move(folder)); }
  void AnswerNextFile(std::optional<std::string> file) { files_.push_back(std::move(file)); }
  const std::vector<Request>& Requests() const { return requests_; }

  std::optional<std::string> ChooseFolder(const std::string& title, const std::string& startFolder);
  std::optional<std::string> ChooseFileToOpen(const std::vector<FileFilter>& filters);

 private:
  static std::optional<std::string> Next(std::deque<std::optional<std::string>>& answers);

  std::deque<std::optional<std::string>> folders_;
  std::deque<std::optional<std::string>> files_;
  std::vector<Request> requests_;
};

}  // namespace platform::headless

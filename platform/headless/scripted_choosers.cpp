#include "platform/headless/scripted_choosers.h"

namespace platform::headless {

std::optional<std::string> ScriptedChoosers::Next(std::deque<std::optional<std::string>>& answers) {
  if (answers.empty()) return std::nullopt;
  std::optional<std::string> answer = std::move(answers.front());
  answers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedChoosers::ChooseFolder(const std::string& title, const std::string& startFolder) {
  requests_.push_back({Request::Kind::Folder, title, startFolder, {}});
  return Next(folders_);
}

std::optional<std::string> ScriptedChoosers::ChooseFileToOpen(const std::vector<FileFilter>& filters) {
  requests_.push_back({Request::Kind::OpenFile, {}, {}, filters});
  return Next(files_);
}

}  // namespace platform::headless

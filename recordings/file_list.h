#pragma once

#include <string>

// One listed clip.
class CFileList {
 public:
  virtual ~CFileList() = default;

  std::string title;     // the file name without its extension (last four characters)
  std::string fileName;  // shown in the list
  std::string pathName;  // the path as the source gave it
  std::string filePath;  // the full path: the sort key and what is opened
  std::string dateText;  // shown in the list
};

#include "tools/bench/bench_clips.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <iostream>

#include "tools/card/card_writer.h"

namespace fs = std::filesystem;

namespace bench {
namespace {

// Four clips of 10 s at the demo card's 15 frames a second (the parking clip is
// twice as long); the rest of a full card plays the same way.
card::CardOptions SmallCard() {
  card::CardOptions options;
  options.clips = 4;
  options.seconds = 10;
  return options;
}

}  // namespace

BenchClips::BenchClips(const std::string& cardDir, std::string& error) {
  std::string dir = cardDir;
  if (dir.empty()) {
    char folder[] = "/tmp/zelvik-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
      error = "cannot make a temporary folder";
      return;
    }
    madeDir_ = dir = folder;
    std::cout << "Making a demo card in " << dir << " ...\n";
    error = card::MakeCard(dir, SmallCard(), 2, std::cout);
    if (!error.empty()) return;
  }
  std::error_code problem;
  const fs::path dcim = fs::path(dir) / "DCIM";
  for (auto it = fs::recursive_directory_iterator(dcim, problem); !problem && it != fs::recursive_directory_iterator();
       it.increment(problem)) {
    if (it->is_regular_file() && it->path().extension() == ".avi") paths_.push_back(it->path().string());
  }
  std::sort(paths_.begin(), paths_.end());
  if (paths_.empty()) error = "no clips under " + dcim.string();
}

BenchClips::~BenchClips() {
  std::error_code ignored;
  if (!madeDir_.empty()) fs::remove_all(madeDir_, ignored);
}

}  // namespace bench

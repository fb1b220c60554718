#pragma once

#include <string>
#include <vector>

namespace bench {

// The clips a benchmark plays: those under a card's DCIM folder, or, without a
// card, those of a small demo card made in a temporary folder for this run.
class BenchClips {
 public:
  // An empty `cardDir` makes a card. `error` says what went wrong when no clip was found.
  BenchClips(const std::string& cardDir, std::string& error);
  ~BenchClips();
  BenchClips(const BenchClips&) = delete;
  BenchClips& operator=(const BenchClips&) = delete;

  const std::vector<std::string>& Paths() const { return paths_; }

 private:
  std::string madeDir_;  // removed again at the end
  std::vector<std::string> paths_;
};

}  // namespace bench

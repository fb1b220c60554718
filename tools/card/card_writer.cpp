#include "tools/card/card_writer.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

#include "tools/card/clip_encoder.h"

namespace card {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kBrokenClipBytes = 64 * 1024;

bool WriteFile(const std::string& path, const void* data, std::size_t size) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  file.close();
  return static_cast<bool>(file);
}

// What a camera leaves when it cannot finish a clip: bytes no decoder knows.
std::vector<char> BrokenClipBytes() {
  std::vector<char> bytes(kBrokenClipBytes);
  std::minstd_rand random(7);
  for (char& b : bytes) b = static_cast<char>(random() & 0xFF);
  return bytes;
}

struct Outcome {
  std::string error;
  double seconds = 0;  // time taken to encode
};

}  // namespace

std::string MakeCard(const std::string& outDir, const CardOptions& options, int jobs, std::ostream& report) {
  const std::vector<PlannedClip> clips = PlanCard(options);
  const std::string dcim = outDir + "/DCIM";
  std::error_code error;
  for (int folder = 0; folder < kClipFolders; ++folder) {
    const std::string path = dcim + "/" + ClipFolderName(folder);
    fs::create_directories(path, error);
    if (error) return "cannot make the folder " + path + ": " + error.message();
  }

  // Data files and the undecodable clip first: they are quick.
  for (const PlannedClip& clip : clips) {
    if (clip.hasDataFile) {
      const std::string text = DataFileText(PlanDrive(clip.MakeDrive()), clip.startOfDay);
      if (!WriteFile(clip.DataPath(dcim), text.data(), text.size())) return "cannot write " + clip.DataPath(dcim);
    }
    if (!clip.decodable) {
      const std::vector<char> bytes = BrokenClipBytes();
      if (!WriteFile(clip.ClipPath(dcim), bytes.data(), bytes.size())) return "cannot write " + clip.ClipPath(dcim);
    }
  }
  const std::vector<std::uint8_t> recinfo = RecInfoBytes(clips);
  if (!WriteFile(dcim + "/recinfo.bin", recinfo.data(), recinfo.size())) return "cannot write " + dcim + "/recinfo.bin";

  // The real clips, several at a time: each pipeline paints and encodes on its own threads.
  std::vector<Outcome> outcomes(clips.size());
  std::atomic<std::size_t> next{0};
  std::mutex reportLock;
  const auto worker = [&] {
    for (std::size_t i = next++; i < clips.size(); i = next++) {
      if (!clips[i].decodable) continue;
      const auto start = std::chrono::steady_clock::now();
      outcomes[i].error = EncodeClip(clips[i].ClipPath(dcim), clips[i], options.fps);
      outcomes[i].seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      std::lock_guard lock(reportLock);
      char line[160];
      std::snprintf(line, sizeof line, "  encoded %s in %.1f s%s\n", clips[i].clipName.c_str(), outcomes[i].seconds,
                    outcomes[i].error.empty() ? "" : " (FAILED)");
      report << line << std::flush;
    }
  };
  std::vector<std::thread> threads;
  const int workers = std::clamp(jobs, 1, static_cast<int>(clips.size()));
  for (int j = 0; j < workers; ++j) threads.emplace_back(worker);
  for (std::thread& thread : threads) thread.join();

  for (std::size_t i = 0; i < clips.size(); ++i) {
    if (!outcomes[i].error.empty()) return "cannot encode " + clips[i].ClipPath(dcim) + ": " + outcomes[i].error;
  }

  report << "Demo card in " << outDir << " (" << options.fps << " frames a second):\n";
  for (const PlannedClip& clip : clips) {
    char line[256];
    std::snprintf(line, sizeof line, "  DCIM/%s/%s  %-14s %3d s  %s%s\n", clip.FolderName().c_str(),
                  clip.clipName.c_str(), KindName(clip.kind), clip.seconds, clip.hasDataFile ? clip.dataName.c_str() : "no data file",
                  clip.decodable ? "" : "  (undecodable: garbage bytes)");
    report << line;
  }
  report << "  DCIM/recinfo.bin  " << recinfo.size() << " bytes\n";
  return {};
}

}  // namespace card

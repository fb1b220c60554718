#include "tools/card/frame_signature.h"

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include <gtest/gtest.h>

namespace {

struct Picture {
  int width, height;
  std::vector<std::uint8_t> pixels;  // BGRx, stride width * 4
  std::uint8_t* Data() { return pixels.data(); }
  int Stride() const { return width * 4; }
};

// A busy picture: random colours everywhere, as a real scene would not be kinder.
Picture Noise(int width, int height, unsigned seed) {
  Picture p{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 4)};
  std::minstd_rand random(seed);
  for (auto& b : p.pixels) b = static_cast<std::uint8_t>(random());
  return p;
}

// Bilinear scaling with a little noise on top: what the player's screen makes of a frame.
Picture ScaleAndSpoil(const Picture& from, int width, int height, int noise, unsigned seed) {
  Picture to{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 4)};
  std::minstd_rand random(seed);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const double sx = std::max(0.0, (x + 0.5) * from.width / width - 0.5);
      const double sy = std::max(0.0, (y + 0.5) * from.height / height - 0.5);
      const int x0 = std::min(static_cast<int>(sx), from.width - 2), y0 = std::min(static_cast<int>(sy), from.height - 2);
      const double fx = sx - x0, fy = sy - y0;
      for (int c = 0; c < 4; ++c) {
        const auto at = [&](int px, int py) { return from.pixels[(static_cast<std::size_t>(py) * from.width + px) * 4 + c]; };
        const double v = (at(x0, y0) * (1 - fx) + at(x0 + 1, y0) * fx) * (1 - fy) +
                         (at(x0, y0 + 1) * (1 - fx) + at(x0 + 1, y0 + 1) * fx) * fy;
        const int spoiled = static_cast<int>(v) + static_cast<int>(random() % (2 * noise + 1)) - noise;
        to.pixels[(static_cast<std::size_t>(y) * width + x) * 4 + c] = static_cast<std::uint8_t>(std::clamp(spoiled, 0, 255));
      }
    }
  }
  return to;
}

TEST(FrameSignature, SurvivesScalingAndNoise) {
  for (int second : {0, 1, 2, 59, 60, 119, 1234, card::kLargestSignedSecond}) {
    SCOPED_TRACE(second);
    Picture frame = Noise(800, 480, 5u + second);
    card::DrawFrameSignature(frame.Data(), frame.width, frame.height, frame.Stride(), second);
    EXPECT_EQ(card::ReadFrameSignature(frame.Data(), frame.width, frame.height, frame.Stride()), second);
    Picture shown = ScaleAndSpoil(frame, 601, 350, 30, 9u + second);
    EXPECT_EQ(card::ReadFrameSignature(shown.Data(), shown.width, shown.height, shown.Stride()), second);
  }
}

TEST(FrameSignature, PicturesWithoutABandReadAsNothing) {
  std::vector<Picture> pictures;
  for (std::uint8_t grey : {0, 128, 255}) {
    pictures.push_back({601, 350, std::vector<std::uint8_t>(601 * 350 * 4, grey)});
  }
  pictures.push_back(Noise(601, 350, 3));
  // A band whose bit cells have been smeared together.
  Picture smeared = Noise(800, 480, 4);
  card::DrawFrameSignature(smeared.Data(), 800, 480, smeared.Stride(), 0x5A5A);
  for (int y = 0; y < card::SignatureBandHeight(480); ++y) {
    std::uint8_t* row = smeared.Data() + y * smeared.Stride();
    std::fill(row + 4 * 200, row + 4 * 300, 128);
  }
  pictures.push_back(smeared);
  for (Picture& p : pictures) {
    EXPECT_EQ(card::ReadFrameSignature(p.Data(), p.width, p.height, p.Stride()), std::nullopt);
  }
  // Too small to hold a band: no answer, and no read outside the pixels.
  Picture tiny = Noise(20, 10, 1);
  EXPECT_EQ(card::ReadFrameSignature(tiny.Data(), tiny.width, tiny.height, tiny.Stride()), std::nullopt);
}

}  // namespace

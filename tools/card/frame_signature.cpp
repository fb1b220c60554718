#include "tools/card/frame_signature.h"

#include <algorithm>

namespace card {
namespace {

// A cell must be at least this far from mid-grey to count as black or white,
// and the two cells of a bit must differ by twice as much.
constexpr int kMargin = 40;

// Whether cell `c` is white for `second`.
bool CellIsWhite(int c, int second) {
  if (c == 0 || c == kSignatureCells - 1) return true;
  if (c == 1 || c == kSignatureCells - 2) return false;
  const int bit = (c - 2) / 2;  // 0 is the most significant
  const bool one = (second >> (kSignatureBits - 1 - bit)) & 1;
  const bool firstOfPair = (c - 2) % 2 == 0;
  return one == firstOfPair;
}

int CellLeft(int c, int width) { return static_cast<int>(static_cast<long long>(c) * width / kSignatureCells); }

// The mean brightness (0 to 255) of the middle half of cell `c`, away from the
// edges that JPEG and scaling blur.
int CellBrightness(const std::uint8_t* pixels, int width, int height, int stride, int c) {
  const int left = CellLeft(c, width), right = CellLeft(c + 1, width);
  const int band = SignatureBandHeight(height);
  const int x0 = left + (right - left) / 4, x1 = std::max(x0 + 1, right - (right - left) / 4);
  const int y0 = band / 4, y1 = std::max(y0 + 1, band - band / 4);
  long long sum = 0;
  for (int y = y0; y < y1; ++y) {
    const std::uint8_t* row = pixels + static_cast<long long>(y) * stride;
    for (int x = x0; x < x1; ++x) sum += row[4 * x] + row[4 * x + 1] + row[4 * x + 2];
  }
  return static_cast<int>(sum / (3LL * (x1 - x0) * (y1 - y0)));
}

}  // namespace

int SignatureBandHeight(int height) { return std::max(1, height / 20); }

void DrawFrameSignature(std::uint8_t* pixels, int width, int height, int stride, int second) {
  second = std::clamp(second, 0, kLargestSignedSecond);
  const int band = std::min(height, SignatureBandHeight(height));
  for (int c = 0; c < kSignatureCells; ++c) {
    const std::uint8_t value = CellIsWhite(c, second) ? 255 : 0;
    const int left = CellLeft(c, width), right = CellLeft(c + 1, width);
    for (int y = 0; y < band; ++y) {
      std::uint8_t* row = pixels + static_cast<long long>(y) * stride;
      std::fill(row + 4 * left, row + 4 * right, value);
    }
  }
}

std::optional<int> ReadFrameSignature(const std::uint8_t* pixels, int width, int height, int stride) {
  // Each cell needs a few pixels of middle to be read at all.
  if (pixels == nullptr || width < 4 * kSignatureCells || SignatureBandHeight(height) < 4) return std::nullopt;
  int brightness[kSignatureCells];
  for (int c = 0; c < kSignatureCells; ++c) brightness[c] = CellBrightness(pixels, width, height, stride, c);

  const auto white = [](int b) { return b >= 128 + kMargin; };
  const auto black = [](int b) { return b <= 127 - kMargin; };
  if (!white(brightness[0]) || !black(brightness[1]) || !black(brightness[kSignatureCells - 2]) ||
      !white(brightness[kSignatureCells - 1])) {
    return std::nullopt;
  }
  int second = 0;
  for (int bit = 0; bit < kSignatureBits; ++bit) {
    const int first = brightness[2 + 2 * bit], last = brightness[3 + 2 * bit];
    if (first - last >= 2 * kMargin) {
      second = second << 1 | 1;
    } else if (last - first >= 2 * kMargin) {
      second = second << 1;
    } else {
      return std::nullopt;
    }
  }
  return second;
}

}  // namespace card

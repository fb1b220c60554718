#pragma once

#include <cstdint>
#include <optional>

// A machine-readable mark of the whole second a picture belongs to: a band of
// black and white cells across the top of the frame. It survives JPEG and
// scaling, so a test can tell "the picture of second N" from the pixels alone.
//
// Layout: the band is the top twentieth of the frame, split into 36 equal cells:
// two guard cells (white, black), then 16 bits of the second, most significant
// first, each as a pair of cells (white-black for 1, black-white for 0), then two
// guard cells (black, white). Every pair must differ, so a picture without the
// band is not misread.
//
// Pixels are 32-bit BGRx, rows top-down, `stride` bytes apart.

namespace card {

inline constexpr int kSignatureBits = 16;
inline constexpr int kSignatureCells = 4 + 2 * kSignatureBits;
inline constexpr int kLargestSignedSecond = (1 << kSignatureBits) - 1;

// Rows 0 to SignatureBandHeight(height) - 1 carry the band.
int SignatureBandHeight(int height);

// Draws the band of `second` (0 to kLargestSignedSecond) over the top of the picture.
void DrawFrameSignature(std::uint8_t* pixels, int width, int height, int stride, int second);

// The second a picture's band names, or nothing when it carries no readable band.
std::optional<int> ReadFrameSignature(const std::uint8_t* pixels, int width, int height, int stride);

}  // namespace card

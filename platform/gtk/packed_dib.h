#pragma once

#include <cstdint>
#include <vector>

#include "platform/raster/bitmap.h"

namespace platform::gtk {

// A bitmap as a packed device-independent bitmap: the 40-byte information header
// (positive height, one plane, 32 bits, uncompressed, image size width x height x 4),
// then the rows bottom-up, each pixel blue, green, red, unused. Empty for an empty bitmap.
std::vector<std::uint8_t> PackedDib(const Bitmap& picture);

}  // namespace platform::gtk

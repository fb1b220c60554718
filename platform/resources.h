#pragma once

#include "platform/raster/bitmap.h"

namespace platform {

// The program's numbered bitmap resources. Returns an empty bitmap for an unknown id.
const Bitmap& LoadBitmapResource(int id);
bool HasBitmapResource(int id);

}  // namespace platform

#include "platform/gtk/media_volume.h"

#include <algorithm>
#include <cmath>

namespace platform::gtk {

double AmplitudeOfVolume(long hundredthsOfDecibel) {
  const long level = std::clamp(hundredthsOfDecibel, -10000L, 0L);
  return level == -10000 ? 0.0 : std::pow(10.0, static_cast<double>(level) / 2000.0);
}

}  // namespace platform::gtk

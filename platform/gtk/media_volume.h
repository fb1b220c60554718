#pragma once

namespace platform::gtk {

// playbin's volume, an amplitude from 0 to 1, for a level in hundredths of a
// decibel: 10^(level / 2000), clamped to full volume, and silence at -10000.
double AmplitudeOfVolume(long hundredthsOfDecibel);

}  // namespace platform::gtk

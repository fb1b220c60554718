#pragma once

#include <gst/gst.h>

namespace platform::gtk {

// The sink for a clip's sound: the system's audio output when one can be opened,
// otherwise a silent sink that still keeps time, so that clips play at their
// speed on a machine without sound. The system is asked once per run.
// Gives a new (floating) element, or null when not even the silent one exists.
GstElement* MakeAudioOutput();

}  // namespace platform::gtk

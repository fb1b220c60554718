#pragma once

namespace platform::gtk {

// Loads, on a thread of its own, what the first clip would otherwise load while
// the user waits: the plugins of the decoding chain and the choice of the audio
// output. Called once GStreamer is initialised; a second call does nothing. The
// thread is joined when the program ends.
void StartMediaWarmUp();

}  // namespace platform::gtk

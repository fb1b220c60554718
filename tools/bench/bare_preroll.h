#pragma once

#include <optional>
#include <string>

namespace bench {

// The floor under opening a clip: milliseconds for a bare playbin with fake sinks
// to preroll the clip (reach PAUSED with its first picture and sound), or nothing
// when it does not preroll within a few seconds.
std::optional<double> BarePrerollMs(const std::string& path);

}  // namespace bench

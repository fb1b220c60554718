#pragma once

#include <ostream>
#include <string>

#include "tools/card/card_plan.h"

namespace card {

// Lays out a demo card under `outDir`: DCIM/recinfo.bin, and in DCIM/00000 and
// DCIM/00001 the planned clips with their data files. Clips are encoded by
// `jobs` threads at once. Says what it made on `report`. Gives the empty string
// on success, otherwise what went wrong.
std::string MakeCard(const std::string& outDir, const CardOptions& options, int jobs, std::ostream& report);

}  // namespace card

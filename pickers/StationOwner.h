#pragma once
// The owner interface lives with the other interfaces between windows; the pickers use
// it under their own namespace.

#include "windows/StationOwner.h"

namespace pickers {
using windows::kChoiceYear;
using windows::kWorldStationRegion;
using windows::StationOwner;
}  // namespace pickers

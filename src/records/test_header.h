#pragma once

#include <string>

#include "acquisition/setup_window.h"
#include "core/platform/clock.h"

namespace records {

// The header line of a test data file, also the live chart's footer:
// "Part #" part "  ,Set Pressure: " pressure " PSI,  Cal Leak: " leak " SCCM,  " date ",  " time.
std::string BuildTestHeader(const acquisition::KM4400SetUp& setup, const core::Clock& clock);

}  // namespace records

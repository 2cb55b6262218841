#pragma once

#include <cstdint>
#include <string>

namespace acquisition {

// The receive path's and the decoder's own state, kept by the main window.
struct AcquisitionState {
  // Calls of Parse since plotting was last started, up to 2: the first two are not decoded.
  std::int16_t EventsSinceStart = 0;
  // The chunks read at the latest and at the previous communication event; never cleared.
  std::string CurrentChunk;
  std::string PreviousChunk;
};

}  // namespace acquisition

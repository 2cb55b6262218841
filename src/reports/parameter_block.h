#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "acquisition/live_packet.h"
#include "core/platform/drawing_surface.h"
#include "records/stored_test_values.h"

namespace reports {

// The column of set-up values at the upper left of a report, from the test file read last.
// The zero-time lines belong to the instrument whose packets arrive now (version "40x").
class ParameterBlock {
 public:
  ParameterBlock(const records::StoredTestValues& stored, const acquisition::LivePacket& packet)
      : stored_(stored), packet_(packet) {}

  static constexpr const char* kPreviewTimeBase = " sec. per div.";
  static constexpr const char* kPrintTimeBase = " sec. per div";

  // The lines of the block, label and value, the time base followed by `timeBaseSuffix`.
  std::vector<std::string> Lines(const std::string& timeBaseSuffix) const;

  // Each writes the block on its surface in the font size the caller has set.
  void PreviewParameterBlock(core::DrawingSurface& picture, std::int16_t right, std::int16_t left,
                             std::int16_t top) const;
  void PrintParameterBlock(core::DrawingSurface& page, std::int16_t right, std::int16_t left,
                           std::int16_t top) const;

 private:
  void Write(core::DrawingSurface& surface, const std::string& timeBaseSuffix, std::int16_t right,
             std::int16_t left, std::int16_t top) const;

  const records::StoredTestValues& stored_;
  const acquisition::LivePacket& packet_;
};

}  // namespace reports

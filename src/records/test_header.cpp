#include "records/test_header.h"

namespace records {

std::string BuildTestHeader(const acquisition::KM4400SetUp& setup, const core::Clock& clock) {
  return "Part #" + setup.PartNumber.Text() + "  ,Set Pressure: " + setup.PressReference.Text() +
         " PSI" + ",  Cal Leak: " + setup.CalLeak.Text() + " SCCM" + ",  " + clock.LongDate() +
         ",  " + clock.LongTime();
}

}  // namespace records

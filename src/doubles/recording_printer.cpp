#include "doubles/recording_printer.h"

namespace doubles {

core::PrintOutcome RecordingPrinter::StartDoc(const std::string& documentPath) {
  if (cancelNext_) {
    std::string why = *cancelNext_;
    cancelNext_.reset();
    return {core::PrintOutcome::Kind::Cancelled, why};
  }
  document_ = documentPath;
  page_.Note("StartDoc \"" + documentPath + "\"");
  return {};
}

core::PrintOutcome RecordingPrinter::EndDoc() {
  page_.Note("EndDoc");
  if (refuseNext_) {
    std::string why = *refuseNext_;
    refuseNext_.reset();
    return {core::PrintOutcome::Kind::Failed, why};
  }
  ++documents_;
  return {core::PrintOutcome::Kind::Printed, "sent to the test printer"};
}

}  // namespace doubles

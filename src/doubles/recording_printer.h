#pragma once

#include <optional>
#include <string>

#include "core/platform/printer.h"
#include "doubles/recording_surface.h"

namespace doubles {

// A printer whose page is a recording surface: the page logs its drawing calls, and
// "StartDoc \"path\"" and "EndDoc" with them. The page measures text as a recording surface
// of 1056 x 816 pixels (a landscape letter page at 96 pixels per inch). The next document
// can be made to fail: cancelled at its start (the print dialog) or refused at its end.
class RecordingPrinter : public core::Printer {
 public:
  static constexpr int kPageWidth = 1056;
  static constexpr int kPageHeight = 816;

  RecordingPrinter() : page_(kPageWidth, kPageHeight) {}

  core::PrintOutcome StartDoc(const std::string& documentPath) override;
  core::DrawingSurface& Page() override { return page_; }
  core::PrintOutcome EndDoc() override;

  void CancelNext(std::string why) { cancelNext_ = std::move(why); }
  void RefuseNext(std::string why) { refuseNext_ = std::move(why); }
  const RecordingSurface& Recording() const { return page_; }
  int Documents() const { return documents_; }

 private:
  RecordingSurface page_;
  std::string document_;
  std::optional<std::string> cancelNext_;
  std::optional<std::string> refuseNext_;
  int documents_ = 0;
};

}  // namespace doubles

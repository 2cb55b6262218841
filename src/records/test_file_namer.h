#pragma once

#include <string>

#include "core/menu_item.h"
#include "core/platform/clock.h"
#include "core/platform/dialogs.h"
#include "core/platform/file_system.h"

namespace records {

// MakeTestFileName and its FileExtensionNumber, kept for the whole run. Names are month, day,
// test series, "." and the extension number; a proposed number skips every number whose file
// is already in the leak folder, so no run replaces an earlier run's test unasked.
class TestFileNamer {
 public:
  TestFileNamer(const core::MenuItem& automatic, const core::Clock& clock, core::Dialogs& dialogs,
                const core::FileSystem& files)
      : automatic_(automatic), clock_(clock), dialogs_(dialogs), files_(files) {}

  static constexpr const char* kReplaceTitle = "Save Test Data";

  // The name of the next test file for `testSeries`, relative to the leak folder; empty when
  // the operator cancels the prompt, refuses to replace a file or types a name part that is
  // not allowed. Asks nothing in the automatic retriggering mode.
  std::string MakeTestFileName(const std::string& testSeries);

  const std::string& FileExtensionNumber() const { return fileExtensionNumber_; }
  // Gives the last number back (to empty below 2), so the next name proposes it again: for a
  // cancelled prompt and for a save that wrote nothing.
  void GiveBackNumber();

 private:
  std::string Base(const std::string& testSeries) const;
  std::string NextFreeNumber(const std::string& base);
  std::string Cancelled();
  bool Exists(const std::string& name) const;

  const core::MenuItem& automatic_;
  const core::Clock& clock_;
  core::Dialogs& dialogs_;
  const core::FileSystem& files_;
  std::string fileExtensionNumber_;
};

}  // namespace records

#include "records/test_file_namer.h"

#include <cstdio>

#include "core/numbers.h"
#include "records/safe_text.h"

namespace records {

std::string TestFileNamer::MakeTestFileName(const std::string& testSeries) {
  std::string base = Base(testSeries);
  fileExtensionNumber_ = NextFreeNumber(base);
  if (automatic_.Checked()) return base + "." + fileExtensionNumber_;

  std::string answer = dialogs_.InputBox(
      "File will be saved to today's date, " + base + ".N where N is file extension number and " +
          base + " is the file name (today's date)",
      "Add File Extension Number To " + base + ".", fileExtensionNumber_);
  if (answer.empty()) return Cancelled();
  if (FieldSafe(answer) != answer || answer.find_first_of("/\\") != std::string::npos) {
    dialogs_.MessageBox("\"" + answer +
                        "\" cannot be a file extension: it must not hold \"/\", \"\\\", " +
                        "quotes or control characters. The test was not saved.");
    return Cancelled();
  }
  std::string name = base + "." + answer;
  if (Exists(name) && !dialogs_.AskYesNo(name + " already exists. Replace it?", kReplaceTitle)) {
    return Cancelled();
  }
  return name;
}

std::string TestFileNamer::Base(const std::string& testSeries) const {
  core::CalendarDate today = clock_.Today();
  char monthDay[32];
  std::snprintf(monthDay, sizeof monthDay, "%02d%02d", today.month, today.day);
  return monthDay + testSeries;
}

// The counter's next number, past every number whose file exists.
std::string TestFileNamer::NextFreeNumber(const std::string& base) {
  double number = core::NumericValue(fileExtensionNumber_) + 1;
  while (Exists(base + "." + core::NumberText(number))) ++number;
  return core::NumberText(number);
}

void TestFileNamer::GiveBackNumber() {
  double number = core::NumericValue(fileExtensionNumber_);
  fileExtensionNumber_ = number > 1 ? core::NumberText(number - 1) : std::string();
}

std::string TestFileNamer::Cancelled() {
  GiveBackNumber();
  return {};
}

bool TestFileNamer::Exists(const std::string& name) const { return files_.FileExists(name); }

}  // namespace records

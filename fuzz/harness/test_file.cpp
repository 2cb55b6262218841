#include <algorithm>
#include <fstream>
#include <string>

#include "fuzz/harness/inputs.h"
#include "fuzz/harness/program_world.h"
#include "records/csv_export.h"
#include "records/test_file_reader.h"
#include "records/test_file_writer.h"

namespace fuzz {
namespace {

bool HasQuote(const std::string& text) { return text.find('"') != std::string::npos; }

// The writer has no escape for a double quote, so only files whose texts hold none can be
// written again.
bool Writable(const records::StoredTestFile& file) {
  const records::StoredTestValues& v = file.values;
  return !HasQuote(v.Header) && !HasQuote(v.TestSeries) &&
         std::none_of(file.data.begin(), file.data.end(),
                      [](const records::DataLine& line) { return HasQuote(line.status); });
}

// What a save would write for the file as read (the full scale flow, kept as text, aside).
records::SavedTest AsSaved(const records::StoredTestFile& file) {
  const records::StoredTestValues& v = file.values;
  const records::StoredScale& s = file.scale;
  records::SavedTest test;
  test.header = v.Header;
  test.scale = {double(s.chartMax), double(s.chartMin), double(s.flowZeroYaxisValue), s.secPerDiv,
                0};
  test.setUp = {v.PartNumber, v.FillTime,     v.StabTime,      v.ReadTime,
                v.Version,    v.FlowSlopeLim, v.PressReference};
  test.limits = {v.LeakLimit, v.CalLeak, v.FlowZero, v.FlowNegLimit, v.PressureTol, v.TimeBase};
  test.zeroTime = {v.MaxSlope, v.TCFactor, v.MinFlow, v.ZeroTime};
  test.testSeries = v.TestSeries;
  test.data = file.data;
  return test;
}

bool SameAsSaved(const records::SavedTest& a, const records::SavedTest& b) {
  return a.header == b.header && a.scale == b.scale && a.setUp == b.setUp && a.limits == b.limits &&
         a.zeroTime == b.zeroTime && a.testSeries == b.testSeries && a.data == b.data;
}

// "&Graph File" on the input as the one file chosen from the leak folder.
void Graph(std::string_view input) {
  ProgramWorld world("");
  app::Program& program = world.program;
  program.Form_Load();
  std::string path = (world.folder.Path() / "home" / "Leak" / "fuzz.1").string();
  std::ofstream(path, std::ios::binary) << input;
  program.loadForm.List1.AddItem("fuzz.1");
  program.selectedFiles[0] = path;
  program.mainForm.Graph.Click();
  program.Exit_Click();
}

}  // namespace

void TestFile(std::string_view input) {
  records::StoredTestFile file;
  try {
    file = records::ReadTestFile(input);
  } catch (const records::TestFileError&) {
    return;  // a damaged file is named in a message; graphing it is covered by the tests
  }
  records::FormatTestCsv(file);
  Graph(input);
  if (!Writable(file)) return;
  records::SavedTest saved = AsSaved(file);
  if (!SameAsSaved(AsSaved(records::ReadTestFile(records::FormatTestFile(saved))), saved))
    throw Finding("a file that reads does not read back the same once written again");
}

}  // namespace fuzz

#include "records/test_saver.h"

#include <algorithm>

#include "core/guard.h"
#include "core/numbers.h"
#include "records/safe_text.h"
#include "records/test_header.h"

namespace records {
namespace {

// A box as a number on lines 2 to 5; one too large to read is written as 0.
double Written(const core::TextBox& box) {
  double value = 0;
  core::Guarded([&] { value = core::NumericValue(box.Text()); });
  return value;
}

// Entries 0 to `count` of the memory, each with the offset in force now.
std::vector<DataLine> DataLines(const trend::ChartMemory& memory, std::int16_t count,
                                std::int32_t offset) {
  std::vector<DataLine> lines;
  auto last = static_cast<std::size_t>(std::max<std::int16_t>(count, 0));
  for (std::size_t i = 0; i <= last; ++i) {
    bool stored =
        i < memory.ChartX.size() && i < memory.ChartY.size() && i < memory.ChartStatus.size();
    lines.push_back(stored ? DataLine{memory.ChartX[i], memory.ChartY[i], offset,
                                      FieldSafe(memory.ChartStatus[i])}
                           : DataLine{0, 0, offset, ""});
  }
  return lines;
}

// "1208A1.3" with its extension raised by one: "1208A1.4".
std::string NextExtension(const std::string& name) {
  std::size_t point = name.rfind('.');
  return name.substr(0, point) + "." +
         core::NumberText(core::NumericValue(name.substr(point + 1)) + 1);
}

}  // namespace

TestSaver::TestSaver(const acquisition::KM4400SetUp& setup, const scaling::GraphSetup& graphSetup,
                     trend::ChartMemory& memory, const trend::PlotState& plot,
                     const core::Clock& clock, core::Dialogs& dialogs, core::FileSystem& files,
                     const TestSaverLinks& links)
    : setup_(setup),
      graphSetup_(graphSetup),
      memory_(memory),
      plot_(plot),
      clock_(clock),
      dialogs_(dialogs),
      files_(files),
      links_(links),
      namer_(links.automatic, clock, dialogs, files) {}

void TestSaver::Save_Click() { Save(false); }

void TestSaver::SaveFinishedTest() { Save(true); }

void TestSaver::Save(bool finishedTest) {
  std::string testSeries = TestSeries(finishedTest);
  std::string name = namer_.MakeTestFileName(testSeries);
  if (name.empty()) return;
  // Read only now: points plotted while the prompt was open belong to the file.
  std::string contents = FormatTestFile(Collect(testSeries));
  std::string path = files_.CurrentDir() + files_.Separator() + name;
  core::FileResult written = files_.WriteFileReplacing(path, contents);
  if (!written) {
    std::string why = "The test could not be saved to " + path + ": " + written.message + ".";
    if (!finishedTest) {
      namer_.GiveBackNumber();
      dialogs_.MessageBox(why +
                          " The recorded test is kept; choose another leak folder and save again.");
      return;
    }
    if (!SaveUnsaved(name, contents, why)) {
      namer_.GiveBackNumber();
      return;
    }
  }
  memory_.Empty();
  if (written && saved_) saved_(path, contents);
}

// The test series as it goes into the name and the file; the operator hears of any change.
std::string TestSaver::TestSeries(bool finishedTest) {
  const std::string& typed = setup_.TestSeries.Text();
  std::string safe = NameSafe(typed);
  if (safe != typed) {
    Tell(finishedTest, "The test series \"" + FieldSafe(typed) +
                           "\" holds characters a file name cannot hold; the test is saved with "
                           "the series \"" +
                           safe + "\".");
  }
  return safe;
}

SavedTest TestSaver::CurrentTest() const { return Collect(FieldSafe(setup_.TestSeries.Text())); }

SavedTest TestSaver::Collect(const std::string& testSeries) const {
  const acquisition::KM4400SetUp& s = setup_;
  const scaling::GraphSetup& g = graphSetup_;
  SavedTest test;
  test.header = FieldSafe(BuildTestHeader(s, clock_));
  test.scale = {Written(g.HistMaxValue), Written(g.HistMinValue), Written(g.FlowZeroYaxisValue),
                Written(g.SecPerDiv), Written(s.MaximumFlow)};
  test.setUp = {Written(s.PartNumber),    Written(s.FillTime), Written(s.StabTime),
                Written(s.ReadTime),      Written(s.Version),  Written(s.FlowSlopeLim),
                Written(s.PressReference)};
  test.limits = {Written(s.LeakLimit),    Written(s.CalLeak),     Written(s.FlowZero),
                 Written(s.FlowNegLimit), Written(s.PressureTol), Written(s.TimeBase)};
  test.zeroTime = {Written(s.MaxSlope), Written(s.TCFactor), Written(s.MinFlow),
                   Written(s.ZeroTime)};
  test.testSeries = testSeries;
  test.data = DataLines(memory_, memory_.ChartCount, plot_.TempCompOffset);
  return test;
}

// The finished test in unsaved/ beside the configuration file, under a name not yet used there.
bool TestSaver::SaveUnsaved(const std::string& name, const std::string& contents,
                            const std::string& why) {
  std::string folder = links_.startDir + files_.Separator() + kUnsavedFolder;
  core::FileResult result;
  if (!files_.DirExists(folder)) result = files_.MakeDir(folder);
  std::string target = name;
  while (result && files_.FileExists(folder + files_.Separator() + target))
    target = NextExtension(target);
  std::string path = folder + files_.Separator() + target;
  if (result) result = files_.WriteFileReplacing(path, contents);
  if (!result) {
    links_.notice.SetText(why + " Nor could it be saved to " + folder + ": " + result.message +
                          ". The test stays in the chart memory.");
    return false;
  }
  links_.notice.SetText(why + " It was saved to " + path + " instead.");
  return true;
}

// A message box from the menu; the notice line inside the packet handling.
void TestSaver::Tell(bool finishedTest, const std::string& text) {
  if (finishedTest) {
    links_.notice.SetText(text);
  } else {
    dialogs_.MessageBox(text);
  }
}

}  // namespace records

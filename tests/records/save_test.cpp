#include <gtest/gtest.h>

#include "records/test_file_reader.h"
#include "records_rig.h"

namespace records_test {
namespace {

std::string Fixture(const std::string& name) {
  return ReadWhole(fs::path(KM_FIXTURES) / "records" / name);
}

class Saving : public testing::Test {
 protected:
  Saving() : rig(testing::UnitTest::GetInstance()->current_test_info()->name()) {
    rig.SetTrendMode(1);  // the operator's save asks for the extension
  }

  std::string Leak(const std::string& name) const { return ReadWhole(rig.Leak() / name); }
  int DataLines(const std::string& name) const {
    return static_cast<int>(records::ReadTestFile(Leak(name)).data.size());
  }

  ProgramRig rig;
};

// The values of the worked example, typed into their boxes.
void TypeExampleValues(app::Program& p) {
  const std::pair<core::TextBox*, const char*> boxes[] = {{&p.setup.PartNumber, "12"},
                                                          {&p.setup.PressReference, "10.0"},
                                                          {&p.setup.CalLeak, "10.6"},
                                                          {&p.graphSetup.HistMaxValue, "1059"},
                                                          {&p.graphSetup.HistMinValue, "392"},
                                                          {&p.graphSetup.FlowZeroYaxisValue, "490"},
                                                          {&p.graphSetup.SecPerDiv, "1.6"},
                                                          {&p.setup.MaximumFlow, "10"},
                                                          {&p.setup.FillTime, "5"},
                                                          {&p.setup.StabTime, "5"},
                                                          {&p.setup.ReadTime, "10"},
                                                          {&p.setup.Version, "1.03"},
                                                          {&p.setup.FlowSlopeLim, "10"},
                                                          {&p.setup.LeakLimit, "10"},
                                                          {&p.setup.FlowZero, "490"},
                                                          {&p.setup.FlowNegLimit, "10"},
                                                          {&p.setup.PressureTol, "20"},
                                                          {&p.setup.TimeBase, "1"},
                                                          {&p.setup.MaxSlope, "10"},
                                                          {&p.setup.TCFactor, "0"},
                                                          {&p.setup.MinFlow, "5"},
                                                          {&p.setup.ZeroTime, "0"},
                                                          {&p.setup.TestSeries, "A1"}};
  for (const auto& [box, text] : boxes) box->SetText(text);
}

TEST_F(Saving, TheWorkedExampleIsWrittenByteForByte) {
  TypeExampleValues(*rig.program);
  rig.program->plotState.TempCompOffset = 0;
  rig.clock.SetSeconds(15 * 3600 + 45 * 60 + 12);
  rig.Store({{0, 612, "F"}, {1, 640, "S"}, {2, 655, "R"}});

  rig.SaveAnswering("1");

  ASSERT_EQ(rig.dialogs.Prompts().size(), 1u);
  const auto& prompt = rig.dialogs.Prompts()[0];
  EXPECT_EQ(prompt.prompt,
            "File will be saved to today's date, 1208A1.N where N is file extension number and "
            "1208A1 is the file name (today's date)");
  EXPECT_EQ(prompt.title, "Add File Extension Number To 1208A1.");
  EXPECT_EQ(prompt.defaultAnswer, "1");
  EXPECT_EQ(Leak("1208A1.1"), Fixture("1208A1.1"));
  EXPECT_EQ(FilesIn(rig.Leak()), std::vector<std::string>{"1208A1.1"});
  EXPECT_TRUE(rig.dialogs.Messages().empty());
}

TEST_F(Saving, TheMemoryIsEmptiedAfterTheFileIsWritten) {
  rig.Store({{0, 612, "F"}, {1, 640, "S"}});
  rig.SaveAnswering("1");
  const trend::ChartMemory& m = rig.program->chartMemory;
  EXPECT_EQ(m.ChartCount, 0);
  EXPECT_EQ(m.ChartIndex, 0);
  EXPECT_EQ(m.ChartX[1], 0);
  EXPECT_EQ(m.ChartStatus[0], "");

  // Nothing plotted since: exactly one data line, position 0, value 0 and no status.
  rig.program->plotState.TempCompOffset = 25;
  rig.SaveAnswering("2");
  auto file = records::ReadTestFile(Leak("1208A1.2"));
  ASSERT_EQ(file.data.size(), 1u);
  EXPECT_EQ(file.data[0], (records::DataLine{0, 0, 25, ""}));
}

TEST_F(Saving, AWrappedMemoryGives771DataLines) {
  std::vector<Point> points;
  for (int i = 0; i < 800; ++i) points.push_back({static_cast<std::int16_t>(i % 770), 300, "R"});
  rig.Store(points);
  ASSERT_TRUE(rig.program->chartMemory.ChartWrapped);
  rig.SaveAnswering("1");
  EXPECT_EQ(DataLines("1208A1.1"), 771);
  EXPECT_FALSE(rig.program->chartMemory.ChartWrapped);
}

TEST_F(Saving, TheCounterProposesTheNextNumberAndACancelGivesItBack) {
  struct Step {
    const char* answer;  // "" cancels
    const char* proposed;
    const char* counterAfter;
  };
  const Step steps[] = {
      {"", "1", ""}, {"1", "1", "1"}, {"07", "2", "2"}, {"", "3", "2"}, {"3", "3", "3"}};
  for (const Step& step : steps) {
    rig.SaveAnswering(step.answer);
    ASSERT_FALSE(rig.dialogs.Prompts().empty());
    EXPECT_EQ(rig.dialogs.Prompts().back().defaultAnswer, step.proposed)
        << "answer " << step.answer;
    EXPECT_EQ(rig.program->Values().Get("FileExtensionNumber"), step.counterAfter);
  }
  EXPECT_EQ(FilesIn(rig.Leak()), (std::vector<std::string>{"1208A1.07", "1208A1.1", "1208A1.3"}));
}

TEST_F(Saving, DateAndSeriesMakeTheName) {
  struct Case {
    core::CalendarDate date;
    const char* series;
    const char* name;
  };
  const Case cases[] = {{{2003, 11, 25}, "A1", "1125A1.1"},
                        {{2004, 1, 5}, "", "0105.1"},
                        {{2004, 2, 9}, "Line 3, left", "0209Line 3, left.1"}};
  for (const Case& c : cases) {
    rig.clock.SetDate(c.date);
    rig.program->setup.TestSeries.SetText(c.series);
    rig.SaveAnswering("1");
    EXPECT_TRUE(fs::exists(rig.Leak() / c.name)) << c.name;
  }
  // The quotes keep a comma inside the series.
  EXPECT_EQ(records::ReadTestFile(Leak("0209Line 3, left.1")).values.TestSeries, "Line 3, left");
}

TEST_F(Saving, ANumberWhoseFileExistsIsNeitherProposedNorReplacedUnasked) {
  WriteWhole(rig.Leak() / "1208A1.1", "earlier test");
  WriteWhole(rig.Leak() / "1208A1.2", "earlier test");

  rig.SaveAnswering("3");
  EXPECT_EQ(rig.dialogs.Prompts().back().defaultAnswer, "3");

  // Typed over an existing file: asked, and No cancels like an empty answer.
  rig.dialogs.QueueAnswer("1");
  rig.SaveAnswering("No");
  EXPECT_EQ(rig.dialogs.Prompts().back().prompt, "1208A1.1 already exists. Replace it?");
  EXPECT_EQ(Leak("1208A1.1"), "earlier test");
  EXPECT_EQ(rig.program->Values().Get("FileExtensionNumber"), "3");

  rig.dialogs.QueueAnswer("2");
  rig.SaveAnswering("Yes");
  EXPECT_NE(Leak("1208A1.2"), "earlier test");
}

TEST_F(Saving, ASecondRunOnTheSameFolderKeepsTheFirstRunsTests) {
  rig.SaveAnswering("1");
  rig.SaveAnswering("2");
  rig.NewRun();
  rig.SetTrendMode(1);
  rig.SaveAnswering("3");
  EXPECT_EQ(rig.dialogs.Prompts().back().defaultAnswer, "3");
  rig.SetTrendMode(2);  // automatic: no prompt, still past the earlier files
  rig.program->mainForm.Save.Click();
  EXPECT_EQ(FilesIn(rig.Leak()),
            (std::vector<std::string>{"1208A1.1", "1208A1.2", "1208A1.3", "1208A1.4"}));
}

TEST_F(Saving, ASeriesThatWouldMakeAPathOrBreakTheFileIsReplacedAndTheOperatorTold) {
  struct Case {
    const char* series;
    const char* safe;
  };
  const Case cases[] = {{"../x", "_._x"}, {"A\\1", "A_1"}, {"A\"1", "A_1"}, {"A\t1", "A_1"}};
  int extension = 0;
  for (const Case& c : cases) {
    rig.program->setup.TestSeries.SetText(c.series);
    std::string number = std::to_string(++extension);
    rig.SaveAnswering(number);
    std::string name = std::string("1208") + c.safe + "." + number;
    ASSERT_TRUE(fs::exists(rig.Leak() / name)) << c.series;
    EXPECT_EQ(records::ReadTestFile(Leak(name)).values.TestSeries, c.safe);
    ASSERT_FALSE(rig.dialogs.Messages().empty());
    EXPECT_NE(rig.dialogs.Messages().back().find(std::string("series \"") + c.safe + "\""),
              std::string::npos);
  }
  EXPECT_EQ(FilesIn(rig.Root() / "home"), std::vector<std::string>{"Leak"});
}

TEST_F(Saving, ATypedExtensionThatWouldMakeAPathIsRefused) {
  rig.SaveAnswering("../../x");
  EXPECT_EQ(rig.dialogs.Messages().size(), 1u);
  EXPECT_TRUE(FilesIn(rig.Leak()).empty());
  EXPECT_EQ(FilesIn(rig.Root() / "home"), std::vector<std::string>{"Leak"});
  EXPECT_EQ(rig.program->Values().Get("FileExtensionNumber"), "");
}

}  // namespace
}  // namespace records_test

#include <gtest/gtest.h>

#include "records/test_file_writer.h"
#include "records_rig.h"
#include "trend/plot_colours.h"

namespace records_test {
namespace {

using records::DataLine;

struct FileShape {
  double chartMax = 1775;
  double chartMin = -200;
  double version = 1.03;
  double zeroTime = 0;
  std::vector<DataLine> data = {
      {0, 612, 0, "F"}, {1, 640, 0, "S"}, {2, 655, 0, "R"}, {0, 0, 0, ""}};
};

std::string FileText(const FileShape& shape) {
  records::SavedTest test;
  test.header =
      "Part #12  ,Set Pressure: 10.0 PSI,  Cal Leak: 10.6 SCCM,  Monday, December 08, 2003,  "
      "3:45:12 PM";
  test.scale = {shape.chartMax, shape.chartMin, 233, 1.6, 10};
  test.setUp = {12, 5, 5, 10, shape.version, 10, 10};
  test.limits = {10, 10.6, 490, 10, 20, 0.1};
  test.zeroTime = {10, 0.5, 5, shape.zeroTime};
  test.testSeries = "A1";
  test.data = shape.data;
  return records::FormatTestFile(test);
}

class Graphing : public testing::Test {
 protected:
  Graphing() : rig(testing::UnitTest::GetInstance()->current_test_info()->name()), p(*rig.program) {
    p.graphSetup.LeakLimitCheckBox.SetValue(0);  // only the traces are drawn
    // Single test triggering: the automatic mode would restart the chart at the first "F".
    rig.SetTrendMode(1);
    for (std::size_t i = 0; i < 8; ++i) p.penColour.ColourSelect[i]->SetText(std::to_string(8 + i));
  }

  std::string Write(const std::string& name, const std::string& text) {
    WriteWhole(rig.Leak() / name, text);
    return (rig.Leak() / name).string();
  }

  // Chooses the files as the file selection window does, then "&Graph File".
  void Graph(const std::vector<std::string>& paths) {
    for (std::size_t i = 0; i < paths.size(); ++i) {
      p.loadForm.List1.AddItem(fs::path(paths[i]).filename().string());
      p.selectedFiles[i] = paths[i];
    }
    rig.chart.ClearCalls();
    p.mainForm.Graph.Click();
  }

  std::string Colour(std::int32_t plot) const {
    return doubles::RecordingSurface::FormatColour(
        trend::PlotColours(p.penColour).PlotColour(plot));
  }
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (const std::string& call : rig.chart.Calls()) {
      if (call.rfind("Line ", 0) == 0) lines.push_back(call);
    }
    return lines;
  }

  ProgramRig rig;
  app::Program& p;
};

TEST_F(Graphing, ASavedTestIsDrawnAgainPointForPoint) {
  rig.Store({{0, 612, "F"}, {1, 640, "S"}, {2, 655, "R"}, {3, 5000, "R"}, {4, -500, "R"}});
  p.graphSetup.HistMaxValue.SetText("1775");
  p.graphSetup.HistMinValue.SetText("-200");
  p.setup.ZeroTime.SetText("0");  // no compensated trace
  rig.SaveAnswering("1");
  Graph({(rig.Leak() / "1208A1.1").string()});

  std::string c = Colour(2);
  // Out-of-range values are drawn at the nearest limit; the memory keeps them as read.
  EXPECT_EQ(Lines(),
            (std::vector<std::string>{"Line 1,640-0,612 " + c, "Line 2,655-1,640 " + c,
                                      "Line 3,1775-2,655 " + c, "Line 4,-200-3,1775 " + c}));
  EXPECT_EQ(p.chartMemory.ChartY[3], 5000);
  EXPECT_EQ(p.chartMemory.ChartX[5], 0);
  EXPECT_NE(std::find(rig.chart.Calls().begin(), rig.chart.Calls().end(), "Scale 0,1775-770,-200"),
            rig.chart.Calls().end());
  EXPECT_FALSE(p.plotState.GraphingStoredFile);
  EXPECT_TRUE(rig.dialogs.Messages().empty());
}

TEST_F(Graphing, ThreeFilesInThreeColoursAndTheFooterNamesTheLast) {
  std::vector<std::string> paths;
  for (int i = 1; i <= 3; ++i) paths.push_back(Write("1208A1." + std::to_string(i), FileText({})));
  p.plotState.ChartPosition = 55;
  Graph(paths);
  std::vector<std::string> lines = Lines();
  ASSERT_EQ(lines.size(), 6u);
  for (int plot = 2; plot <= 4; ++plot) {
    EXPECT_EQ(lines[static_cast<std::size_t>(2 * (plot - 2))], "Line 1,640-0,612 " + Colour(plot));
  }
  EXPECT_EQ(p.mainForm.PlotFooter.Text(),
            "Graphing File  " + paths[2] +
                ",  Part #12  ,Set Pressure: 10.0 PSI,  "
                "Cal Leak: 10.6 SCCM,  Monday, December 08, 2003,  3:45:12 PM");
  EXPECT_EQ(p.mainForm.Text3.Text(), "0");
  EXPECT_FALSE(p.setup.MinFlow.Visible());
  EXPECT_EQ(p.mainForm.Axis[0]->Caption(), "0.0");
  EXPECT_EQ(p.mainForm.Axis[10]->Caption(), "10.0");
  EXPECT_EQ(p.setup.MaximumFlow.Text(), "10");
  EXPECT_EQ(p.setup.CalLeak.Text(), "10.6");
  EXPECT_EQ(p.setup.TimeBase.Text(), "0.1");
  EXPECT_EQ(p.mainForm.NumberSecPerDiv.Text(), "1.6");
  EXPECT_EQ(p.scaleState.ChartMax, 1775);
  EXPECT_EQ(p.chartFrame.ChartYBottom, -200);
  EXPECT_EQ(p.storedTestValues.FullScaleFlow, "10");
  EXPECT_FLOAT_EQ(p.storedTestValues.CalLeak, 10.6f);
  EXPECT_EQ(p.storedTestValues.TestSeries, "A1");
  EXPECT_EQ(p.storedTestValues.Header, "");  // the reports take the header
  EXPECT_FALSE(rig.port.PortOpen());
}

TEST_F(Graphing, PlotNumbersRunFromTwoToNineAndAgain) {
  std::vector<std::string> paths;
  for (int i = 1; i <= 10; ++i) paths.push_back(Write("1208A1." + std::to_string(i), FileText({})));
  Graph(paths);
  std::vector<std::string> lines = Lines();
  ASSERT_EQ(lines.size(), 20u);
  const int plots[] = {2, 3, 4, 5, 6, 7, 8, 9, 2, 3};
  for (std::size_t i = 0; i < 10; ++i)
    EXPECT_EQ(lines[2 * i], "Line 1,640-0,612 " + Colour(plots[i])) << i;
}

TEST_F(Graphing, PositionsPastThePaperAreSkipped) {
  FileShape shape;
  shape.data = {{0, 612, 0, "F"}, {770, 640, 0, "S"}, {2, 655, 0, "R"}};
  Graph({Write("1208A1.1", FileText(shape))});
  EXPECT_EQ(Lines(), std::vector<std::string>{"Line 2,655-0,612 " + Colour(2)});
  EXPECT_EQ(p.chartMemory.ChartX[1], 770);
}

TEST_F(Graphing, AnEmptyEntryStopsGraphingThere) {
  std::string first = Write("1208A1.1", FileText({}));
  std::string third = Write("1208A1.3", FileText({}));
  Graph({first, "", third});
  EXPECT_EQ(rig.dialogs.Messages(),
            std::vector<std::string>{"No File Selected, File Must Be Loaded Before Graphing"});
  EXPECT_EQ(Lines().size(), 2u);
  EXPECT_FALSE(p.plotState.GraphingStoredFile);

  p.loadForm.List1.SetItems({});
  p.mainForm.Graph.Click();
  EXPECT_EQ(rig.dialogs.Messages().size(), 2u);
}

TEST_F(Graphing, DamagedFilesGetAMessageEachAndTheNextFileIsDrawn) {
  FileShape tooLong;
  tooLong.data.assign(900, DataLine{1, 612, 0, "R"});
  std::string good = FileText({});
  std::string header = good.substr(0, good.find("0,612"));
  struct Damaged {
    std::string name;
    std::string text;  // empty: no such file
    const char* says;
  };
  const std::vector<Damaged> damaged = {
      {"missing.1", "", "it cannot be opened"},
      {"short.1", "\"x\"\r\n1,2,3,4,5\r\n", "it has fewer than five header lines"},
      {"letters.1", header + "0,abc,0,\"F\"\r\n", "line 6, field 2: \"abc\" is not a number"},
      {"overflow.1", FileText({.chartMax = 40000}),
       "line 2, field 1: \"40000\" is outside the 16-bit range"},
      {"long.1", FileText(tooLong), "it has 900 data lines and the chart memory holds 773"},
  };
  FileShape offsetTooLarge;
  offsetTooLarge.data = {{0, 612, 40000, "F"}, {1, 640, 40000, "S"}};
  std::vector<std::string> paths;
  for (const Damaged& d : damaged) {
    paths.push_back(d.text.empty() ? (rig.Leak() / d.name).string() : Write(d.name, d.text));
    paths.push_back(Write("good-after-" + d.name, good));
  }
  paths.push_back(Write("offset.1", FileText(offsetTooLarge)));
  paths.push_back(Write("good-after-offset.1", good));
  Graph(paths);

  ASSERT_EQ(rig.dialogs.Messages().size(), damaged.size() + 1);
  EXPECT_EQ(rig.dialogs.Messages().back(),
            (rig.Leak() / "offset.1").string() + " cannot be graphed past line 6: 16-bit overflow.");
  for (std::size_t i = 0; i < damaged.size(); ++i) {
    EXPECT_EQ(rig.dialogs.Messages()[i], (rig.Leak() / damaged[i].name).string() +
                                             " cannot be graphed: " + damaged[i].says + ".");
  }
  EXPECT_EQ(Lines().size(), 2 * (damaged.size() + 1));  // every good file was drawn
  EXPECT_EQ(p.chartMemory.ChartX.size(), 773u);
  EXPECT_FALSE(p.plotState.GraphingStoredFile);
  EXPECT_FALSE(p.Ended());
}

TEST_F(Graphing, CompensatedInstrumentsShowTheZeroTimeGroup) {
  Graph({Write("1208A1.1", FileText({.version = 0.4, .zeroTime = 5}))});
  EXPECT_TRUE(p.setup.MinFlow.Visible());
  EXPECT_TRUE(p.setup.Text4.Visible());
  EXPECT_EQ(p.setup.ZeroTime.Text(), "5");
  EXPECT_EQ(p.setup.TCFactor.Text(), "0.5");
  EXPECT_EQ(p.livePacket.ZeroTime, "5");
}

TEST_F(Graphing, ChoosingGraphAgainDuringAGraphingDoesNothing) {
  std::string path = Write("1208A1.1", FileText({}));
  int nested = 0;
  p.OnPendingEvents([&] {
    ++nested;
    p.mainForm.Graph.Click();
  });
  Graph({path});
  EXPECT_EQ(nested, 4);
  EXPECT_EQ(Lines().size(), 2u);
}

TEST_F(Graphing, ExitDuringAGraphingEndsItAndShutsDown) {
  std::string path = Write("1208A1.1", FileText({}));
  int lines = 0;
  p.OnPendingEvents([&] {
    if (++lines == 2) {
      p.mainForm.Exit.Click();
      EXPECT_FALSE(p.plotState.GraphingStoredFile);
    }
  });
  Graph({path, path});
  EXPECT_TRUE(p.Ended());
  EXPECT_TRUE(Lines().empty());  // the second line was never drawn
  EXPECT_TRUE(fs::exists(rig.Root() / "start" / "testconfig.txt"));
  EXPECT_FALSE(p.plotState.GraphingStoredFile);
}

}  // namespace
}  // namespace records_test

// The spreadsheet export: times and flows as the report's axes read them, points in the order
// taken, and files written beside their tests without replacing anything unasked.
#include <gtest/gtest.h>

#include "records/csv_export.h"
#include "records_rig.h"

namespace {
using records_test::Point;
using records_test::ProgramRig;
using records_test::ReadWhole;
using records_test::WriteWhole;

const std::string kHeaderRow = "\"Time (s)\",\"Flow\",\"Compensated Flow\",\"Test Status\"\r\n";

std::string Fixture() { return ReadWhole(std::string(KM_FIXTURES) + "/records/1208A1.1"); }

std::string FileWith(const std::string& scale, const std::string& data) {
  return "\"Part #12\"\r\n" + scale + "\r\n12,5,5,10,1.03,10,10\r\n10,10.6,490,10,20,1\r\n" +
         "10,0,5,0,\"A1\"\r\n" + data;
}

TEST(CsvExport, RowsReadAsTheReportsAxesDo) {
  struct Case {
    const char* name;
    std::string file;
    std::string rows;
  };
  const Case cases[] = {
      {"the worked example; its unused last entry is no point", Fixture(),
       "0,2.14411247803163,2.14411247803163,\"F\"\r\n"
       "0.16,2.63620386643234,2.63620386643234,\"S\"\r\n"
       "0.32,2.89982425307557,2.89982425307557,\"R\"\r\n"},
      {"the offset gives the compensated flow", FileWith("1000,0,500,2,20", "1,600,10,\"R\"\r\n"),
       "0.2,4,4.4,\"R\"\r\n"},
      {"a wrapped memory comes out by chart position",
       FileWith("1000,0,500,1,10", "5,700,0,\"R\"\r\n1,600,0,\"S\"\r\n3,650,0,\"S\"\r\n"),
       "0.1,2,2,\"S\"\r\n0.3,3,3,\"S\"\r\n0.5,4,4,\"R\"\r\n"},
      {"no scale when the chart maximum is the flow zero", FileWith("500,0,500,1,10", "2,600,0,\"R\"\r\n"),
       "0.2,,,\"R\"\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(records::FormatTestCsv(records::ReadTestFile(c.file)), kHeaderRow + c.rows);
  }
}

class CsvExporting : public ::testing::Test {
 protected:
  CsvExporting() : rig(::testing::UnitTest::GetInstance()->current_test_info()->name()) {}
  app::Program& program() { return *rig.program; }
  void Export() { program().mainForm.ExportCsv.Click(); }
  ProgramRig rig;
};

TEST_F(CsvExporting, ChosenFilesGoBesideThemAndADamagedOneIsNamed) {
  WriteWhole(rig.Leak() / "1208A1.1", Fixture());
  WriteWhole(rig.Leak() / "1208A1.2", "\"only a header\"\r\n");
  program().selectedFiles[0] = (rig.Leak() / "1208A1.1").string();
  program().selectedFiles[1] = (rig.Leak() / "1208A1.2").string();
  Export();

  auto csv = rig.Leak() / "csv" / "1208A1.1.csv";
  EXPECT_EQ(ReadWhole(csv), records::FormatTestCsv(records::ReadTestFile(Fixture())));
  EXPECT_FALSE(std::filesystem::exists(rig.Leak() / "csv" / "1208A1.2.csv"));
  ASSERT_EQ(rig.dialogs.Messages().size(), 1u);
  EXPECT_EQ(rig.dialogs.Messages()[0].rfind((rig.Leak() / "1208A1.2").string() + " cannot be exported: ", 0), 0u);
  EXPECT_EQ(program().mainForm.Notice.Text(), "Exported as CSV: " + csv.string());
  // The test files stay as they were, and the file list the operator picks from holds them only.
  EXPECT_EQ(ReadWhole(rig.Leak() / "1208A1.1"), Fixture());
}

TEST_F(CsvExporting, AnEarlierExportIsReplacedOnlyWhenTheOperatorSaysSo) {
  WriteWhole(rig.Leak() / "1208A1.1", Fixture());
  program().selectedFiles[0] = (rig.Leak() / "1208A1.1").string();
  std::filesystem::create_directory(rig.Leak() / "csv");
  auto csv = rig.Leak() / "csv" / "1208A1.1.csv";
  WriteWhole(csv, "kept");

  rig.dialogs.QueueAnswer("No");
  Export();
  EXPECT_EQ(ReadWhole(csv), "kept");
  ASSERT_EQ(rig.dialogs.Prompts().size(), 1u);
  EXPECT_EQ(rig.dialogs.Prompts()[0].prompt, "1208A1.1.csv already exists. Replace it?");

  rig.dialogs.QueueAnswer("Yes");
  Export();
  EXPECT_NE(ReadWhole(csv), "kept");
}

TEST_F(CsvExporting, WithNothingChosenTheChartMemoryIsExportedAndKept) {
  rig.Store({{0, 612, "F"}, {1, 640, "S"}, {2, 655, "R"}});
  program().graphSetup.HistMaxValue.SetText("1059");
  program().graphSetup.FlowZeroYaxisValue.SetText("490");
  program().setup.MaximumFlow.SetText("10");
  std::int16_t count = program().chartMemory.ChartCount;
  Export();

  std::string csv = ReadWhole(rig.Leak() / "csv" / "chart memory.csv");
  EXPECT_EQ(csv.substr(0, kHeaderRow.size()), kHeaderRow);
  EXPECT_NE(csv.find("0,2.14411247803163,2.14411247803163,\"F\"\r\n"), std::string::npos);
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 4);
  EXPECT_EQ(program().chartMemory.ChartCount, count);
}

TEST_F(CsvExporting, AFolderThatCannotBeMadeIsAMessage) {
  WriteWhole(rig.Leak() / "csv", "a file where the folder would go");
  rig.Store({{0, 612, "F"}});
  Export();
  ASSERT_EQ(rig.dialogs.Messages().size(), 1u);
  EXPECT_NE(rig.dialogs.Messages()[0].find("could not be written"), std::string::npos);
  EXPECT_EQ(program().mainForm.Notice.Text(), "");
}

}  // namespace

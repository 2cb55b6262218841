// What a report does at the edges the file and the selection can reach: every confirmed
// entry up to 512, one file's data only per curve, the tables' end, an empty entry 0, files
// that cannot be read or drawn, and what emptying the selection covers.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "doubles/recording_surface.h"
#include "records/records_rig.h"

namespace {
using records_test::ProgramRig;
using records_test::WriteWhole;

// A test data file of `lines` data lines at positions 0, 1, 2, ... and value `y`.
std::string TestFile(int lines, int y, const char* status = "F", int offset = 0) {
  std::string text =
      "\"Part #12  ,3:45:12 PM\"\r\n1775,233,490,1.6,10\r\n12,5,5,10,1.03,10,10\r\n"
      "5,10.6,490,10,20,0.1\r\n10,0.5,5,20,\"A1\"\r\n";
  for (int i = 0; i < lines; ++i) {
    text += std::to_string(i) + "," + std::to_string(y) + "," + std::to_string(offset) + ",\"" +
            status + "\"\r\n";
  }
  return text;
}

// The lines drawn in one colour.
long LinesIn(const doubles::RecordingSurface& surface, const std::string& colour) {
  return std::count_if(surface.Calls().begin(), surface.Calls().end(), [&](const std::string& c) {
    return c.rfind("Line ", 0) == 0 && c.size() > 7 && c.substr(c.size() - 7) == colour;
  });
}

class ReportLimits : public ::testing::Test {
 protected:
  // Plot colours 8 to 15, none of them the black of the axes.
  ReportLimits() : rig_(::testing::UnitTest::GetInstance()->current_test_info()->name()) {
    for (int i = 0; i < 8; ++i)
      program().penColour.ColourSelect[static_cast<std::size_t>(i)]->SetText(std::to_string(8 + i));
  }

  std::string Put(const std::string& name, const std::string& text) {
    WriteWhole(rig_.Leak() / name, text);
    return (rig_.Leak() / name).string();
  }
  app::Program& program() { return *rig_.program; }
  std::string Colour(int plot) {
    core::Rgb rgb = trend::PlotColours(program().penColour).PlotColour(plot);
    return doubles::RecordingSurface::FormatColour(rgb);
  }

  ProgramRig rig_;
};

TEST_F(ReportLimits, AShorterFileAfterALongerOneDrawsOnlyItsOwnLines) {
  program().selectedFiles[0] = Put("1208A1.1", TestFile(500, 600));
  program().selectedFiles[1] = Put("1208A1.2", TestFile(300, 700));
  program().mainForm.PrintPreview.Click();
  EXPECT_EQ(LinesIn(rig_.picture, Colour(2)), 499);
  EXPECT_EQ(LinesIn(rig_.picture, Colour(3)), 299);
  EXPECT_TRUE(rig_.dialogs.Messages().empty());
}

TEST_F(ReportLimits, AnEmptyEntryZeroLeavesTheAxesToTheFirstFileDrawn) {
  program().selectedFiles[1] = Put("1208A1.1", TestFile(3, 600));
  program().mainForm.PrintPreview.Click();
  const auto& calls = rig_.picture.Calls();
  EXPECT_NE(std::find(calls.begin(), calls.end(), "Line 0,1775-0,233 #000000"), calls.end());
  program().mainForm.Print.Click();
  const auto& page = rig_.printer.Recording().Calls();
  EXPECT_NE(std::find(page.begin(), page.end(), "Line 0,233-0,1775 #000000"), page.end());
}

// The file list of the selection window shows no file here: the confirmed entries count.
TEST_F(ReportLimits, TheLastEntryIsReportedAndEmptiedWhateverTheFileListShows) {
  ASSERT_EQ(program().loadForm.File1.ListCount(), 0);
  program().selectedFiles[512] = Put("1208A1.1", TestFile(3, 600));
  program().mainForm.PrintPreview.Click();
  EXPECT_EQ(LinesIn(rig_.picture, Colour(2)), 2);
  program().printDrawForm.Command2.Click();
  EXPECT_EQ(program().selectedFiles[512], "");

  program().selectedFiles[512] = Put("1208A1.1", TestFile(3, 600));
  program().mainForm.Print.Click();
  EXPECT_EQ(rig_.printer.Documents(), 1);
  EXPECT_EQ(program().selectedFiles[512], "");
}

TEST_F(ReportLimits, AFileLongerThanTheTablesIsNamedAndDrawnToTheirEnd) {
  program().selectedFiles[0] = Put("1208A1.1", TestFile(900, 600));
  program().mainForm.PrintPreview.Click();
  ASSERT_EQ(rig_.dialogs.Messages().size(), 1u);
  EXPECT_EQ(rig_.dialogs.Messages()[0], (rig_.Leak() / "1208A1.1").string() +
                                            " has 900 data lines; the report shows the first 773.");
  // The last segment joins positions 768 and 769.
  EXPECT_EQ(LinesIn(rig_.picture, Colour(2)), 769);
}

TEST_F(ReportLimits, FilesThatCannotBeReadOrDrawnAreNamedAndTheReportGoesOn) {
  program().selectedFiles[0] = (rig_.Leak() / "missing").string();
  // A compensated value past the 16-bit range ends that file's curve.
  program().selectedFiles[1] = Put("1208A1.2", TestFile(3, 30000, "R", 40000));
  program().selectedFiles[2] = Put("1208A1.3", TestFile(3, 600));
  program().mainForm.Print.Click();
  const auto& messages = rig_.dialogs.Messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0],
            (rig_.Leak() / "missing").string() + " cannot be reported: it cannot be opened.");
  EXPECT_NE(messages[1].find("1208A1.2 cannot be reported in full: "), std::string::npos);
  EXPECT_EQ(rig_.printer.Documents(), 1);
  EXPECT_EQ(LinesIn(rig_.printer.Recording(), Colour(2)), 1);  // before the failing value
  EXPECT_EQ(LinesIn(rig_.printer.Recording(), Colour(3)), 2);
  EXPECT_TRUE(program().selectedFiles[2].empty());
}

}  // namespace

#include "history/index_row_reader.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QLocale>
#include <fstream>
#include <functional>
#include <sstream>

#include "records/test_file_writer.h"

namespace history {
namespace {

constexpr FileStamp kStamp{1234, 1'700'000'000'000};

std::int64_t LocalMs(int year, int month, int day, int hour, int minute, int second) {
  return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::LocalTime)
      .toMSecsSinceEpoch();
}

// Chart maximum 1090 over a flow zero of 490 at full scale 10: 60 chart units a flow unit, so
// the read phase below reads 5.0, 7.5 and last 2.5 (with its offsets), above a limit of 5.
records::SavedTest KnownFlows() {
  records::SavedTest test;
  test.header =
      "Part #12  ,Set Pressure: 10.0 PSI,  Cal Leak: 10.6 SCCM,  Monday, December 08, 2003,  "
      "3:45:12 PM";
  test.scale = {1090, 392, 490, 1.6, 10};
  test.setUp = {12, 5, 5, 10, 1.03, 10, 10};
  test.limits = {5, 10.6, 490, 10, 20, 1};
  test.zeroTime = {10, 0, 5, 2};
  test.testSeries = "A1";
  test.data = {{0, 1080, 0, "F"}, {1, 1080, 0, "S"}, {2, 700, 90, "R"}, {3, 900, 40, "R"},
               {4, 600, 40, "R"}, {5, 1080, 0, "Y"}, {6, 1080, 0, "r"}, {0, 0, 0, ""}};
  return test;
}

TestIndexRow RowOf(const records::SavedTest& test) {
  return IndexRowOf("/leak/1208A1.1", records::FormatTestFile(test), kStamp);
}

TEST(IndexRowOf, ReadsTheValuesAndTheReadPhaseFlowsOfAFile) {
  TestIndexRow row = RowOf(KnownFlows());
  EXPECT_EQ(row.path, "/leak/1208A1.1");
  EXPECT_EQ(row.size, 1234);
  EXPECT_EQ(row.modifiedMs, kStamp.modifiedMs);
  EXPECT_EQ(row.headerDate, "Monday, December 08, 2003");
  EXPECT_EQ(row.headerTime, "3:45:12 PM");
  EXPECT_TRUE(row.testedAtFromHeader);
  EXPECT_EQ(row.testedAtMs, LocalMs(2003, 12, 8, 15, 45, 12));
  EXPECT_EQ(row.partNumber, 12);
  EXPECT_EQ(row.setPressure, 10);
  EXPECT_EQ(row.calLeak, 10.6);
  EXPECT_EQ(row.testSeries, "A1");
  EXPECT_EQ(row.fullScaleFlow, "10");
  EXPECT_EQ(row.leakLimit, 5);
  EXPECT_EQ(row.zeroTime, 2);
  EXPECT_EQ(row.dataLines, 8);
  ASSERT_TRUE(row.readHighest && row.readLast);
  EXPECT_DOUBLE_EQ(*row.readHighest, 7.5);
  EXPECT_DOUBLE_EQ(*row.readLast, 2.5);
  EXPECT_TRUE(row.aboveLimit);
  EXPECT_EQ(row.damage, "");
}

TEST(IndexRowOf, ReadsTheStoredExampleFile) {
  std::ifstream in(KM_FIXTURES "/records/1208A1.1", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  TestIndexRow row = IndexRowOf("1208A1.1", text.str(), kStamp);
  EXPECT_EQ(row.header,
            "Part #12  ,Set Pressure: 10.0 PSI,  Cal Leak: 10.6 SCCM,  Monday, December 08, "
            "2003,  3:45:12 PM");
  EXPECT_EQ(row.testedAtMs, LocalMs(2003, 12, 8, 15, 45, 12));
  EXPECT_EQ(row.calLeak, 10.6);
  EXPECT_EQ(row.leakLimit, 10);
  EXPECT_EQ(row.dataLines, 4);
  // One read-phase line at 655 over a flow zero of 490, chart maximum 1059, full scale 10.
  ASSERT_TRUE(row.readHighest);
  EXPECT_DOUBLE_EQ(*row.readHighest, (655.0 - 490) / (1059 - 490) * 10);
  EXPECT_EQ(row.readLast, row.readHighest);
  EXPECT_FALSE(row.aboveLimit);
}

struct FlowCase {
  const char* name;
  std::function<void(records::SavedTest&)> change;
  std::optional<double> highest;
  std::optional<double> last;
};

TEST(IndexRowOf, PlacesAFlowOnlyWhereTheScaleAndTheReadPhaseAllowIt) {
  const FlowCase cases[] = {
      {"no read-phase line",
       [](records::SavedTest& t) {
         std::erase_if(t.data, [](auto& l) { return l.status == "R"; });
       },
       std::nullopt, std::nullopt},
      {"full scale 0", [](records::SavedTest& t) { t.scale[4] = 0; }, std::nullopt, std::nullopt},
      {"chart maximum on the flow zero", [](records::SavedTest& t) { t.scale[0] = 490; },
       std::nullopt, std::nullopt},
      {"offset lifts the point",
       [](records::SavedTest& t) {
         t.data = {{0, 490, 300, "R"}, {1, 400, 0, "R"}};
       },
       5.0, -1.5},
      {"full scale 20 doubles the flows", [](records::SavedTest& t) { t.scale[4] = 20; }, 15.0,
       5.0},
  };
  for (const FlowCase& c : cases) {
    SCOPED_TRACE(c.name);
    records::SavedTest test = KnownFlows();
    c.change(test);
    TestIndexRow row = RowOf(test);
    EXPECT_EQ(row.readHighest, c.highest);
    EXPECT_EQ(row.readLast, c.last);
    EXPECT_EQ(row.aboveLimit, c.highest && *c.highest > 5);
  }
}

TEST(IndexRowOf, TakesTheTestTimeFromTheHeaderOrElseFromTheFile) {
  QDateTime noon(QDate(2024, 3, 1), QTime(12, 0, 0), Qt::LocalTime);
  QString systemTime = QLocale::system().timeFormat(QLocale::LongFormat).remove('t').trimmed();
  struct HeaderCase {
    std::string header;
    std::optional<std::int64_t> testedAt;  // none: the file's modification time
  };
  const HeaderCase cases[] = {
      {"Part #1  ,Set Pressure: 1 PSI,  Cal Leak: 1 SCCM,  Friday, March 01, 2024,  12:00:00 PM",
       noon.toMSecsSinceEpoch()},
      {"Part #1,  Friday, March 1, 2024,  12:00:00 AM",
       noon.addSecs(-12 * 3600).toMSecsSinceEpoch()},
      {"Part #1,  " + QLocale::system().toString(noon.date(), QLocale::LongFormat).toStdString() +
           ",  " + QLocale::system().toString(noon.time(), systemTime).toStdString(),
       noon.toMSecsSinceEpoch()},
      // As the program's clock writes them: the long time with its zone ("12:00:00 UTC").
      {"Part #1,  " + QLocale::system().toString(noon.date(), QLocale::LongFormat).toStdString() +
           ",  " + QLocale::system().toString(noon.time(), QLocale::LongFormat).toStdString(),
       noon.toMSecsSinceEpoch()},
      {"Part #1,  someday,  3:45:12 PM", std::nullopt},
      {"Part #1 without a date", std::nullopt},
  };
  for (const HeaderCase& c : cases) {
    SCOPED_TRACE(c.header);
    records::SavedTest test = KnownFlows();
    test.header = c.header;
    TestIndexRow row = RowOf(test);
    EXPECT_EQ(row.testedAtFromHeader, c.testedAt.has_value());
    EXPECT_EQ(row.testedAtMs, c.testedAt.value_or(kStamp.modifiedMs));
    EXPECT_EQ(row.header, c.header);
  }
}

TEST(IndexRowOf, KeepsARowForADamagedFileWithTheReason) {
  std::string text = records::FormatTestFile(KnownFlows());
  text.replace(text.find("900,40"), 6, "900,4x");
  TestIndexRow row = IndexRowOf("/leak/1208A1.1", text, kStamp);
  EXPECT_NE(row.damage.find("line 9"), std::string::npos) << row.damage;
  EXPECT_EQ(row.path, "/leak/1208A1.1");
  EXPECT_EQ(row.size, kStamp.size);
  EXPECT_EQ(row.testedAtMs, kStamp.modifiedMs);
  EXPECT_FALSE(row.testedAtFromHeader);
  EXPECT_EQ(row.header, "");
  EXPECT_FALSE(row.readHighest);
  EXPECT_FALSE(row.aboveLimit);
}

}  // namespace
}  // namespace history

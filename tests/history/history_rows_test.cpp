#include "history/history_rows.h"

#include <gtest/gtest.h>

#include "history/history_csv.h"

namespace history {
namespace {

TestIndexRow Row(const std::string& name, double part, std::optional<double> highest,
                 std::int64_t testedAtMs, const std::string& damage = {}) {
  TestIndexRow row;
  row.path = "/leak/" + name;
  row.partNumber = part;
  row.testSeries = "A1";
  row.leakLimit = 5;
  row.readHighest = highest;
  row.aboveLimit = highest && *highest > row.leakLimit;
  row.testedAtMs = testedAtMs;
  row.damage = damage;
  return row;
}

std::vector<std::string> Names(const std::vector<const TestIndexRow*>& rows) {
  std::vector<std::string> names;
  for (const TestIndexRow* row : rows) names.push_back(FileNameOf(row->path));
  return names;
}

TEST(HistoryRows, FilterTakesEachBoundAndPart) {
  std::int64_t day = DayStartMs("2003-12-08").value();
  std::vector<TestIndexRow> rows{Row("a", 12, 2.5, day + 1000), Row("b", 12, 6, day + 86400000),
                                 Row("c", 7, 3, day - 1), Row("d", 12, std::nullopt, day, "short")};
  struct Case {
    const char* what;
    HistoryFilter filter;
    std::vector<std::string> expected;
  } cases[] = {
      {"none", {}, {"a", "b", "c", "d"}},
      {"from the day's midnight on", {day, std::nullopt, std::nullopt, "", false}, {"a", "b", "d"}},
      {"to the end is exclusive",
       {std::nullopt, day + 86400000, std::nullopt, "", false},
       {"a", "c", "d"}},
      {"part number leaves damaged rows out",
       {std::nullopt, std::nullopt, 12.0, "", false},
       {"a", "b"}},
      {"series trimmed and any case",
       {std::nullopt, std::nullopt, std::nullopt, " a1 ", false},
       {"a", "b", "c", "d"}},
      {"above the limit only", {std::nullopt, std::nullopt, std::nullopt, "", true}, {"b"}},
  };
  for (const Case& c : cases) {
    std::vector<const TestIndexRow*> shown;
    for (const auto& row : rows) {
      if (Matches(row, c.filter)) shown.push_back(&row);
    }
    EXPECT_EQ(Names(shown), c.expected) << c.what;
  }
}

TEST(HistoryRows, SortsNumbersAsNumbersMissingFirstAndKeepsTies) {
  std::vector<TestIndexRow> rows{Row("a", 12, 10, 3), Row("b", 9, 2.5, 1),
                                 Row("c", 100, std::nullopt, 2), Row("d", 9, 2.5, 4)};
  std::vector<const TestIndexRow*> shown{&rows[0], &rows[1], &rows[2], &rows[3]};
  SortRows(shown, HistoryColumn::ReadHighest, true);
  EXPECT_EQ(Names(shown), (std::vector<std::string>{"c", "b", "d", "a"}));
  SortRows(shown, HistoryColumn::ReadHighest, false);
  EXPECT_EQ(Names(shown), (std::vector<std::string>{"a", "b", "d", "c"}));
  SortRows(shown, HistoryColumn::PartNumber, true);  // 9 < 12 < 100, not as text
  EXPECT_EQ(Names(shown), (std::vector<std::string>{"b", "d", "a", "c"}));
  SortRows(shown, HistoryColumn::Tested, true);
  EXPECT_EQ(Names(shown), (std::vector<std::string>{"b", "c", "a", "d"}));
}

TEST(HistoryRows, CellsOfGoodAndDamagedRows) {
  TestIndexRow good = Row("1208A1.1", 12, 2.34567, 0);
  good.readLast = 2.0;
  good.fullScaleFlow = "10";
  EXPECT_EQ(CellOf(good, HistoryColumn::ReadHighest), "2.346");
  EXPECT_EQ(CellOf(good, HistoryColumn::ReadLast), "2");
  EXPECT_EQ(CellOf(good, HistoryColumn::Folder), "/leak");
  EXPECT_EQ(CellOf(good, HistoryColumn::AboveLimit), "");
  TestIndexRow damaged = Row("1208A1.2", 0, std::nullopt, 0, "no data line");
  EXPECT_EQ(CellOf(damaged, HistoryColumn::PartNumber), "");
  EXPECT_EQ(CellOf(damaged, HistoryColumn::Remark), "no data line");
  EXPECT_EQ(CellOf(damaged, HistoryColumn::File), "1208A1.2");
}

TEST(HistoryRows, DayStartTakesOnlyIsoDates) {
  EXPECT_TRUE(DayStartMs(" 2003-12-08 "));
  for (const char* text : {"", "2003-13-01", "12/08/2003", "2003-12-08x"}) {
    EXPECT_FALSE(DayStartMs(text)) << text;
  }
}

TEST(HistoryCsv, QuotesOnlyWhatNeedsItAndEndsEveryLineWithCrLf) {
  TestIndexRow row = Row("1208A1.1", 12, 2.5, 0);
  row.testSeries = "A,\"1\"";
  row.damage = "";
  std::vector<const TestIndexRow*> rows{&row};
  std::string csv = HistoryCsv(
      rows, {HistoryColumn::File, HistoryColumn::TestSeries, HistoryColumn::ReadHighest});
  EXPECT_EQ(csv, "File,Test Series,Read Highest\r\n1208A1.1,\"A,\"\"1\"\"\",2.5\r\n");
  row.testSeries = "line\nbreak";
  EXPECT_EQ(HistoryCsv(rows, {HistoryColumn::TestSeries}), "Test Series\r\n\"line\nbreak\"\r\n");
}

}  // namespace
}  // namespace history

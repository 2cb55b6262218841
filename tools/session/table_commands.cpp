#include "session/table_commands.h"

#include <algorithm>

#include "core/table_box.h"
#include "history/control_chart_window.h"
#include "history/test_index_row.h"
#include "session/name_lookup.h"
#include "session/script_error.h"
#include "session/session.h"

namespace session {
namespace {

core::TableBox& TableOf(Session& s, const ControlRef& ref) {
  return As<core::TableBox>(FindControl(s.Program(), ref), ref, "table", "");
}

int ColumnOf(const core::TableBox& table, const ControlRef& ref, const std::string& heading) {
  int column = table.ColumnOf(heading);
  if (column < 0) {
    throw ScriptError(ref.Written() + " has no column " + Quoted(heading) + "; its columns are " +
                      QuotedList(table.Headings()));
  }
  return column;
}

std::vector<std::string> ColumnCells(const core::TableBox& table, int column) {
  std::vector<std::string> cells;
  for (const auto& row : table.Rows())
    cells.push_back(row.cells.at(static_cast<std::size_t>(column)));
  return cells;
}

// The row whose first cell reads `text`; a ScriptError when none or several do.
int RowOf(const core::TableBox& table, const ControlRef& ref, const std::string& text) {
  std::vector<std::string> firsts = ColumnCells(table, 0);
  auto count = std::count(firsts.begin(), firsts.end(), text);
  if (count == 1)
    return static_cast<int>(std::find(firsts.begin(), firsts.end(), text) - firsts.begin());
  throw ScriptError(ref.Written() + (count == 0 ? " has no row " : " has several rows ") +
                    Quoted(text) + "; its first column reads " + QuotedList(firsts));
}

history::ControlChartWindow& ControlChartOf(Session& s) {
  auto* chart =
      dynamic_cast<history::ControlChartWindow*>(&FindWindow(s.Program(), "ControlChart"));
  if (!chart) throw ScriptError("the program has no control chart window");
  return *chart;
}

void ClickHeading(Session& s, const Args& a) {
  core::TableBox& table = TableOf(s, a.Control(0));
  int column = ColumnOf(table, a.Control(0), a.Text(1));
  s.Event([&table, column] { table.ClickHeading(column); });
}

void Select(Session& s, const Args& a) {
  core::TableBox& table = TableOf(s, a.Control(0));
  std::vector<int> rows;
  for (const auto& text : a.Texts(1)) rows.push_back(RowOf(table, a.Control(0), text));
  s.Event([&table, rows] { table.SetSelection(rows); });
}

void ClickPoint(Session& s, const Args& a) {
  history::ControlChartWindow& chart = ControlChartOf(s);
  auto points = static_cast<std::int64_t>(chart.Chart().points.size());
  if (a.Count(0) < 1 || a.Count(0) > points) {
    throw ScriptError("the control chart has " + std::to_string(points) + " points, no point " +
                      std::to_string(a.Count(0)));
  }
  int index = static_cast<int>(a.Count(0) - 1);
  s.Event([&chart, index] { chart.ClickPoint(index); });
}

void Column(Session& s, const Args& a) {
  core::TableBox& table = TableOf(s, a.Control(0));
  std::vector<std::string> actual = ColumnCells(table, ColumnOf(table, a.Control(0), a.Text(1)));
  s.Check(actual == a.Texts(2), "column " + QuotedList(a.Texts(2)), "column " + QuotedList(actual));
}

void Headings(Session& s, const Args& a) {
  const auto& actual = TableOf(s, a.Control(0)).Headings();
  s.Check(actual == a.Texts(1), "headings " + QuotedList(a.Texts(1)),
          "headings " + QuotedList(actual));
}

void Marked(Session& s, const Args& a) {
  core::TableBox& table = TableOf(s, a.Control(0));
  std::vector<std::string> actual;
  for (const auto& row : table.Rows()) {
    if (row.marked) actual.push_back(row.cells.front());
  }
  s.Check(actual == a.Texts(1), "marked " + QuotedList(a.Texts(1)), "marked " + QuotedList(actual));
}

void Selected(Session& s, const Args& a) {
  core::TableBox& table = TableOf(s, a.Control(0));
  std::vector<std::string> actual;
  for (int row : table.Selection())
    actual.push_back(table.Rows()[static_cast<std::size_t>(row)].cells.front());
  s.Check(actual == a.Texts(1), "selected " + QuotedList(a.Texts(1)),
          "selected " + QuotedList(actual));
}

// The control chart's points by file name, in time order; `beyond` only those beyond a
// control limit or the leak limit.
void ChartPoints(Session& s, const Args& a, bool beyond) {
  const history::ControlChart& chart = ControlChartOf(s).Chart();
  std::vector<std::string> actual;
  for (std::size_t i = 0; i < chart.points.size(); ++i) {
    if (!beyond || chart.beyondControl[i] || chart.beyondLeakLimit[i]) {
      actual.push_back(history::FileNameOf(chart.points[i].path));
    }
  }
  const char* what = beyond ? "beyond " : "points ";
  s.Check(actual == a.Texts(0), what + QuotedList(a.Texts(0)), what + QuotedList(actual));
}

}  // namespace

const std::vector<Form>& TableForms() {
  static const std::vector<Form> forms{
      {"click <Window.Control> heading <\"text\">", Phase::Running, ClickHeading},
      {"select <Window.Control> <\"text\"...>", Phase::Running, Select},
      {"chart-point <count>", Phase::Running, ClickPoint},
      {"expect <Window.Control> column <\"text\"> <\"text\"...>", Phase::Anytime, Column},
      {"expect <Window.Control> headings <\"text\"...>", Phase::Anytime, Headings},
      {"expect <Window.Control> marked <\"text\"...>", Phase::Anytime, Marked},
      {"expect <Window.Control> selected <\"text\"...>", Phase::Anytime, Selected},
      {"expect chart-points <\"text\"...>", Phase::Anytime,
       [](Session& s, const Args& a) { ChartPoints(s, a, false); }},
      {"expect chart-beyond <\"text\"...>", Phase::Anytime,
       [](Session& s, const Args& a) { ChartPoints(s, a, true); }},
  };
  return forms;
}

}  // namespace session

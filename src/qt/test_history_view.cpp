#include "qt/test_history_view.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "qt/control_bindings.h"
#include "qt/form_parts.h"
#include "qt/table_bindings.h"

namespace qtui {
namespace {

// The window opens wide enough for the file, date, part and flow columns side by side.
constexpr int kWindowCharacters = 130;
constexpr int kWindowLines = 32;

// A caption and its box; the caption's mnemonic moves to the box.
void AddFilter(QHBoxLayout& row, const QString& caption, core::TextBox& box, int characters,
               const QString& hint, QWidget& window) {
  QLabel* label = MakeFixedText(caption, window);
  QLineEdit* edit = MakeLineEdit(box, window);
  edit->setFixedWidth(BoxWidth(*edit, characters));
  edit->setPlaceholderText(hint);
  label->setBuddy(edit);
  row.addWidget(label);
  row.addWidget(edit);
  row.addSpacing(BoxWidth(*label, 0));
}

QHBoxLayout* FilterRow(history::TestHistoryWindow& m, QWidget& window) {
  auto* row = new QHBoxLayout;
  AddFilter(*row, "&From:", m.DateFrom, 11, "yyyy-mm-dd", window);
  AddFilter(*row, "&To:", m.DateTo, 11, "yyyy-mm-dd", window);
  AddFilter(*row, "P&art #:", m.PartNumber, 8, QString(), window);
  AddFilter(*row, "Test &Series:", m.TestSeries, 14, QString(), window);
  row->addWidget(MakeCheckBox(m.AboveLimitOnly, window));
  row->addWidget(MakeCheckBox(m.WholePlant, window));
  row->addStretch();
  return row;
}

QHBoxLayout* ScanRow(history::TestHistoryWindow& m, QWidget& window) {
  auto* row = new QHBoxLayout;
  row->addWidget(MakeLabel(m.Summary, window), 1);
  QProgressBar* progress = MakeProgressBar(m.ScanProgress, window);
  progress->setMinimumWidth(BoxWidth(*progress, 30));
  row->addWidget(progress);
  row->addWidget(MakeButton(m.CancelScan, window));
  return row;
}

QHBoxLayout* ButtonRow(history::TestHistoryWindow& m, QWidget& window) {
  auto* row = new QHBoxLayout;
  for (core::Button* button : {&m.Refresh, &m.GraphButton, &m.PreviewButton, &m.PrintButton,
                               &m.ExportButton, &m.ControlChartButton}) {
    row->addWidget(MakeButton(*button, window));
  }
  row->addStretch();
  row->addWidget(MakeButton(m.CloseButton, window));
  return row;
}

}  // namespace

QWidget* BuildTestHistoryView(history::TestHistoryWindow& model) {
  QWidget* window = MakeWindow();
  auto* layout = new QVBoxLayout(window);
  layout->addLayout(FilterRow(model, *window));
  layout->addWidget(MakeTableView(model.Tests, *window), 1);
  layout->addLayout(ScanRow(model, *window));
  layout->addLayout(ButtonRow(model, *window));
  window->resize(BoxWidth(*window, kWindowCharacters),
                 window->fontMetrics().height() * kWindowLines);
  return window;
}

}  // namespace qtui

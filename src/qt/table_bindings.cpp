#include "qt/table_bindings.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QSignalBlocker>
#include <QTableView>
#include <algorithm>

#include "qt/control_bindings.h"
#include "qt/table_box_model.h"

namespace qtui {
namespace {

// Columns are sized from their heading and the rows that show plus this many more, so that a
// table of thousands of tests opens at once.
constexpr int kRowsSized = 50;

std::vector<int> SelectedRows(const QItemSelectionModel& selection) {
  std::vector<int> rows;
  for (const QModelIndex& index : selection.selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

// Selects the box's rows in the view, in runs, without telling the box back.
void ShowSelection(const core::TableBox& box, QTableView& view) {
  QItemSelectionModel& selection = *view.selectionModel();
  if (SelectedRows(selection) == box.Selection()) return;
  QItemSelection runs;
  const std::vector<int>& rows = box.Selection();
  int lastColumn = view.model()->columnCount() - 1;
  for (std::size_t first = 0; first < rows.size();) {
    std::size_t last = first;
    while (last + 1 < rows.size() && rows[last + 1] == rows[last] + 1) ++last;
    runs.select(view.model()->index(rows[first], 0), view.model()->index(rows[last], lastColumn));
    first = last + 1;
  }
  {
    QSignalBlocker quiet(&selection);
    selection.select(runs, QItemSelectionModel::ClearAndSelect);
  }
  view.viewport()->update();
}

void ShowSort(const core::TableBox& box, QTableView& view) {
  QHeaderView& header = *view.horizontalHeader();
  header.setSortIndicatorShown(box.SortColumn() >= 0);
  header.setSortIndicator(box.SortColumn(),
                          box.SortAscending() ? Qt::AscendingOrder : Qt::DescendingOrder);
}

}  // namespace

QTableView* MakeTableView(core::TableBox& box, QWidget& parent) {
  auto* view = new QTableView(&parent);
  auto* model = new TableBoxModel(box, view);
  model->SetFont(view->font());
  view->setModel(model);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setSelectionMode(QAbstractItemView::ExtendedSelection);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setWordWrap(false);
  view->verticalHeader()->hide();
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
  view->horizontalHeader()->setSectionsClickable(true);
  view->horizontalHeader()->setHighlightSections(false);
  view->horizontalHeader()->setResizeContentsPrecision(kRowsSized);
  // The box's owner sorts; the heading shows what the box says, whatever the click did.
  QObject::connect(view->horizontalHeader(), &QHeaderView::sectionClicked, view,
                   [&box, view](int column) {
                     box.ClickHeading(column);
                     ShowSort(box, *view);
                   });
  QObject::connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, view,
                   [&box, view] { box.SetSelection(SelectedRows(*view->selectionModel())); });
  QObject::connect(view, &QTableView::doubleClicked, view,
                   [&box](const QModelIndex& index) { box.DblClick(index.row()); });
  MirrorWidget(box, *view, [&box, view, model] {
    if (model->Follow()) view->resizeColumnsToContents();
    ShowSelection(box, *view);
    ShowSort(box, *view);
  });
  view->resizeColumnsToContents();
  return view;
}

}  // namespace qtui

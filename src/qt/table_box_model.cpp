#include "qt/table_box_model.h"

namespace qtui {

TableBoxModel::TableBoxModel(const core::TableBox& box, QObject* parent)
    : QAbstractTableModel(parent),
      box_(box),
      shownRows_(box.Rows().data()),
      shownCount_(box.RowCount()),
      shownHeadings_(box.Headings()) {}

int TableBoxModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : shownCount_;
}

int TableBoxModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shownHeadings_.size());
}

QVariant TableBoxModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= box_.RowCount()) return {};
  const core::TableBox::Row& row = box_.Rows()[index.row()];
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: {
      // A row may hold fewer cells than there are headings: the rest are blank.
      if (index.column() >= static_cast<int>(row.cells.size())) return QString();
      return QString::fromStdString(row.cells[index.column()]);
    }
    case Qt::BackgroundRole:
      return row.marked ? QVariant(MarkedBackground()) : QVariant();
    case Qt::FontRole:
      return row.marked ? QVariant(marked_) : QVariant();
    default:
      return {};
  }
}

QVariant TableBoxModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  if (section < 0 || section >= static_cast<int>(shownHeadings_.size())) return {};
  return QString::fromStdString(shownHeadings_[section]);
}

void TableBoxModel::SetFont(const QFont& font) {
  marked_ = font;
  marked_.setBold(true);
}

bool TableBoxModel::Follow() {
  if (box_.Rows().data() == shownRows_ && box_.RowCount() == shownCount_ &&
      box_.Headings() == shownHeadings_) {
    return false;
  }
  beginResetModel();
  shownRows_ = box_.Rows().data();
  shownCount_ = box_.RowCount();
  shownHeadings_ = box_.Headings();
  endResetModel();
  return true;
}

}  // namespace qtui

#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>

#include "core/table_box.h"

namespace qtui {

// The item model a table view reads a table box through: cells, headings and marks are read
// from the box where they are, never copied, so a table of ten thousand tests shows at once.
// It keeps only what tells whether the box's rows or headings were replaced since last shown.
class TableBoxModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  TableBoxModel(const core::TableBox& box, QObject* parent);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

  // The font of the view, made bold for marked rows.
  void SetFont(const QFont& font);
  // The box changed: true when its rows or headings were replaced, and the views were reset.
  bool Follow();

  // Marked rows' background: light red, dark text still reads on it.
  static QColor MarkedBackground() { return QColor(255, 205, 205); }

 private:
  const core::TableBox& box_;
  QFont marked_;
  // The box replaces its rows wholesale: a new row buffer or count means new rows.
  const core::TableBox::Row* shownRows_ = nullptr;
  int shownCount_ = 0;
  std::vector<std::string> shownHeadings_;
};

}  // namespace qtui

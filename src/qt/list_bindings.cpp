#include "qt/list_bindings.h"

#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>
#include <filesystem>

#include "qt/control_bindings.h"

namespace qtui {
namespace {

constexpr const char* kParentFolder = "..";

QStringList ToStringList(const std::vector<std::string>& items) {
  QStringList list;
  for (const std::string& item : items) list << QString::fromStdString(item);
  return list;
}

// Shows `items` with `selected` highlighted, without telling the model back.
void ShowItems(QListWidget& widget, const QStringList& items, int selected) {
  QSignalBlocker quiet(&widget);
  QStringList shown;
  for (int i = 0; i < widget.count(); ++i) shown << widget.item(i)->text();
  if (shown != items) {
    widget.clear();
    widget.addItems(items);
  }
  widget.setCurrentRow(selected);
}

}  // namespace

QListWidget* MakeListWidget(core::ListBox& list, QWidget& parent) {
  auto* widget = new QListWidget(&parent);
  QObject::connect(widget, &QListWidget::itemClicked, widget,
                   [&list, widget](QListWidgetItem* item) { list.Click(widget->row(item)); });
  QObject::connect(widget, &QListWidget::itemDoubleClicked, widget,
                   [&list, widget](QListWidgetItem* item) { list.DblClick(widget->row(item)); });
  MirrorWidget(list, *widget, [&list, widget] {
    ShowItems(*widget, ToStringList(list.Items()), list.ListIndex());
  });
  return widget;
}

QComboBox* MakeDriveBox(core::ListBox& drives, QWidget& parent) {
  auto* box = new QComboBox(&parent);
  QObject::connect(box, &QComboBox::activated, box,
                   [&drives](int index) { drives.SetListIndex(index); });
  MirrorWidget(drives, *box, [&drives, box] {
    QSignalBlocker quiet(box);
    QStringList items = ToStringList(drives.Items());
    QStringList shown;
    for (int i = 0; i < box->count(); ++i) shown << box->itemText(i);
    if (shown != items) {
      box->clear();
      box->addItems(items);
    }
    box->setCurrentIndex(drives.ListIndex());
  });
  return box;
}

QListWidget* MakeFolderListWidget(core::FolderList& folders, QWidget& parent) {
  auto* widget = new QListWidget(&parent);
  QObject::connect(
      widget, &QListWidget::itemDoubleClicked, widget, [&folders](QListWidgetItem* item) {
        std::filesystem::path open(folders.Path());
        std::string name = item->text().toStdString();
        folders.Open((name == kParentFolder ? open.parent_path() : open / name).string());
      });
  MirrorWidget(folders, *widget, [&folders, widget] {
    QStringList items;
    std::filesystem::path open(folders.Path());
    if (open.has_relative_path()) items << kParentFolder;
    items << ToStringList(folders.Folders());
    ShowItems(*widget, items, -1);
    widget->setToolTip(QString::fromStdString(folders.Path()));
  });
  return widget;
}

}  // namespace qtui

#include "qt/load_form_view.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/control_bindings.h"
#include "qt/form_parts.h"
#include "qt/list_bindings.h"

namespace qtui {
namespace {

// Room for a folder path and for test file names such as "1208A1.12" several times over.
constexpr int kListCharacters = 28;
constexpr int kListRows = 12;

void SizeList(QListWidget& list, int rows) {
  list.setMinimumWidth(BoxWidth(list, kListCharacters));
  list.setMinimumHeight(list.fontMetrics().height() * rows);
}

QVBoxLayout* BrowseColumn(records::LoadForm& m, QWidget& window) {
  auto* column = new QVBoxLayout;
  QComboBox* drives = MakeDriveBox(m.Drive1, window);
  drives->setMinimumWidth(BoxWidth(*drives, kListCharacters));
  column->addWidget(drives);
  QLabel* open = MakeFixedText(QString(), window);
  open->setObjectName("Dir1Path");
  open->setFixedWidth(BoxWidth(*open, kListCharacters));
  Mirror(m.Dir1, *open, [&m, open] {
    QString path = QString::fromStdString(m.Dir1.Path());
    open->setText(open->fontMetrics().elidedText(path, Qt::ElideMiddle, open->width()));
    open->setToolTip(path);
  });
  column->addWidget(open);
  QListWidget* folders = MakeFolderListWidget(m.Dir1, window);
  SizeList(*folders, kListRows / 2);
  column->addWidget(folders);
  QListWidget* files = MakeListWidget(m.File1, window);
  SizeList(*files, kListRows);
  column->addWidget(files);
  return column;
}

QVBoxLayout* ChosenColumn(records::LoadForm& m, QWidget& window) {
  auto* column = new QVBoxLayout;
  column->addWidget(MakeCaption(m.Label1, window));
  QListWidget* chosen = MakeListWidget(m.List1, window);
  SizeList(*chosen, kListRows);
  column->addWidget(chosen);
  QGroupBox* frame = MakeFrame(records::LoadForm::kLeakFolderFrame, window);
  auto* folder = new QVBoxLayout(frame);
  QLineEdit* path = MakeLineEdit(m.SelectedPath, *frame);
  path->setMinimumWidth(BoxWidth(*path, kListCharacters));
  folder->addWidget(path);
  folder->addWidget(MakeButton(m.RefreshFile, *frame), 0, Qt::AlignRight);
  column->addWidget(frame);
  return column;
}

}  // namespace

QWidget* BuildLoadFormView(records::LoadForm& model) {
  QWidget* window = MakeWindow();
  auto* layout = new QVBoxLayout;
  auto* columns = new QHBoxLayout;
  columns->addLayout(BrowseColumn(model, *window));
  columns->addLayout(ChosenColumn(model, *window));
  layout->addLayout(columns);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(MakeButton(model.OKButton, *window));
  buttons->addWidget(MakeButton(model.CancelButton, *window));
  layout->addLayout(buttons);
  FixWindowSize(*window, *layout);
  return window;
}

}  // namespace qtui

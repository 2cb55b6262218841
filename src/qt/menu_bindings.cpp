#include "qt/menu_bindings.h"

#include <QAction>
#include <QMenu>

#include "qt/control_bindings.h"

namespace qtui {
namespace {

void MirrorAction(core::MenuItem& item, QAction& action) {
  action.setObjectName(QString::fromStdString(item.Name()));
  Mirror(item, action, [&item, &action] {
    action.setText(QString::fromStdString(item.Caption()));
    // Only a checked item shows the check mark, as the design's menus do; Qt's own toggle on
    // trigger is undone here, since the item's click decides the mark.
    action.setCheckable(item.Checked());
    action.setChecked(item.Checked());
    action.setEnabled(item.Enabled());
    action.setVisible(item.Visible());
  });
}

void AddSubmenu(QWidget& parent, core::MenuItem& item) {
  auto* menu = new QMenu(QString::fromStdString(item.Caption()), &parent);
  AddMenuItems(*menu, item.Items());
  parent.addAction(menu->menuAction());
  MirrorAction(item, *menu->menuAction());
}

void AddSeparator(QWidget& parent, core::MenuItem& item) {
  auto* separator = new QAction(&parent);
  separator->setSeparator(true);
  separator->setObjectName(QString::fromStdString(item.Name()));
  parent.addAction(separator);
}

void AddAction(QWidget& parent, core::MenuItem& item) {
  auto* action = new QAction(&parent);
  QObject::connect(action, &QAction::triggered, action, [&item, action] {
    item.Click();
    // An item whose click leaves its mark unchanged notifies nothing; show the mark again.
    action->setCheckable(item.Checked());
    action->setChecked(item.Checked());
  });
  parent.addAction(action);
  MirrorAction(item, *action);
}

}  // namespace

void AddMenuItem(QWidget& menuOrBar, core::MenuItem& item) {
  if (item.IsSeparator()) {
    AddSeparator(menuOrBar, item);
  } else if (!item.Items().empty()) {
    AddSubmenu(menuOrBar, item);
  } else {
    AddAction(menuOrBar, item);
  }
}

void AddMenuItems(QWidget& menuOrBar, std::span<core::MenuItem* const> items) {
  for (core::MenuItem* item : items) AddMenuItem(menuOrBar, *item);
}

}  // namespace qtui

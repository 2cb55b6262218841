#pragma once

#include <span>

#include "core/menu_item.h"

class QWidget;

namespace qtui {

// Adds a menu item to a menu bar or menu: a submenu for an item with items, a separator line,
// or an action that runs the item's click. Captions keep their "&" access keys; check marks,
// enabled state and visibility follow the item.
void AddMenuItem(QWidget& menuOrBar, core::MenuItem& item);
void AddMenuItems(QWidget& menuOrBar, std::span<core::MenuItem* const> items);

}  // namespace qtui

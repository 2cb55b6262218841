#pragma once

#include "core/folder_list.h"
#include "core/list_box.h"

class QComboBox;
class QListWidget;
class QWidget;

namespace qtui {

// Widgets that mirror the list controls, as control_bindings.h does for the others.

// A plain list or a file list: a click or double-click on an item is the control's.
QListWidget* MakeListWidget(core::ListBox& list, QWidget& parent);
// A drive list: choosing a drive selects it in the control.
QComboBox* MakeDriveBox(core::ListBox& drives, QWidget& parent);
// A folder list: the open folder's parent ("..") and subfolders; a double-click opens one.
QListWidget* MakeFolderListWidget(core::FolderList& folders, QWidget& parent);

}  // namespace qtui

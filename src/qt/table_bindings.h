#pragma once

#include "core/table_box.h"

class QTableView;
class QWidget;

namespace qtui {

// A table view mirroring a table box, as control_bindings.h does for the other controls:
// several rows may be selected, a heading click asks the box's owner to sort (the heading
// shows the box's sort), and a double-click on a row is the box's.
QTableView* MakeTableView(core::TableBox& box, QWidget& parent);

}  // namespace qtui

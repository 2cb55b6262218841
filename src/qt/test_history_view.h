#pragma once

#include "history/test_history_window.h"

class QWidget;

namespace qtui {

// The Test History window: the filters along the top, the table of tests, the summary with the
// scan's progress and its Cancel, and the ways on (graph, preview, print, export, control
// chart) with Close along the bottom. A window the operator may resize: the table takes the room.
QWidget* BuildTestHistoryView(history::TestHistoryWindow& model);

}  // namespace qtui

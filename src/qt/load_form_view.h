#pragma once

#include "records/load_form.h"

class QWidget;

namespace qtui {

// The file selection window: drives, folders and files on the left, the chosen names and the
// leak-file folder on the right, OK and Cancel below.
QWidget* BuildLoadFormView(records::LoadForm& model);

}  // namespace qtui

#pragma once

#include <string>

#include "core/platform/file_system.h"

class QWidget;

namespace qtui {

// The main window's size and place between runs, kept in a file of its own beside the
// settings file, so that file keeps its format: one line, Qt's record of the window's
// geometry in Base64. Qt puts a window recorded on a screen that is gone back on one there is.
inline constexpr const char* kMainWindowPlaceFile = "mainwindow.txt";

// Before the window is first shown: puts it where the file says. A missing or damaged file
// leaves it where the window system puts it.
void RestoreMainWindowPlace(QWidget& window, const core::FileSystem& files,
                            const std::string& folder);
// At the end of the run. A place that cannot be kept is passed over: it is a convenience, and
// the settings file has already said what went wrong with the folder.
void SaveMainWindowPlace(const QWidget& window, core::FileSystem& files, const std::string& folder);

}  // namespace qtui

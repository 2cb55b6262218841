#include "qt/main_window_place.h"

#include <QByteArray>
#include <QWidget>

namespace qtui {
namespace {

std::string PathIn(const core::FileSystem& files, const std::string& folder) {
  return folder + files.Separator() + kMainWindowPlaceFile;
}

}  // namespace

void RestoreMainWindowPlace(QWidget& window, const core::FileSystem& files,
                            const std::string& folder) {
  auto text = files.ReadFile(PathIn(files, folder));
  if (!text) return;
  auto decoded = QByteArray::fromBase64Encoding(QByteArray::fromStdString(*text).trimmed(),
                                                QByteArray::AbortOnBase64DecodingErrors);
  if (decoded) window.restoreGeometry(*decoded);
}

void SaveMainWindowPlace(const QWidget& window, core::FileSystem& files,
                         const std::string& folder) {
  files.WriteFileReplacing(PathIn(files, folder),
                           window.saveGeometry().toBase64().toStdString() + "\n");
}

}  // namespace qtui

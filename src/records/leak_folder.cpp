#include "records/leak_folder.h"

namespace records {

void LeakFolder::MakeLeakFolderCurrent(const std::string& promptTitle) {
  core::FileResult result = files_.ChangeDir(loadForm_.SelectedPath.Text());
  if (result.error == core::FileError::PathNotFound) {
    Prompt(promptTitle);
  } else if (result.error != core::FileError::None) {
    dialogs_.MessageBox(kAccessError);
  }
}

void LeakFolder::Prompt(const std::string& title) {
  std::string answer = dialogs_.InputBox(
      "Path " + loadForm_.SelectedPath.Text() + " not found. Enter new path to create", title, "");
  if (answer.empty()) {
    UseRoot();
    return;
  }
  core::FileResult made = files_.MakeDir(answer);
  core::FileResult entered = made ? files_.ChangeDir(answer) : made;
  if (!entered) {
    // Saving needs a folder that exists: say why this one could not be used and fall back.
    dialogs_.MessageBox("Path " + answer + " could not be created: " + entered.message +
                        ". Leak files will be saved to " + files_.RootFolder());
    UseRoot();
    return;
  }
  loadForm_.Dir1.SetText(files_.CurrentDir());
  loadForm_.SelectedPath.SetText(answer);
  loadForm_.Dir1.SetText(files_.CurrentDir());
}

void LeakFolder::UseRoot() {
  files_.ChangeDir(files_.RootFolder());
  loadForm_.Dir1.SetText(files_.CurrentDir());
  loadForm_.SelectedPath.SetText(files_.RootFolder());
}

}  // namespace records

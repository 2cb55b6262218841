#include "records/load_form.h"

namespace records {

LoadForm::LoadForm(const std::string& defaultLeakFolder)
    : Window("LoadForm", "Open File For Graphing or Printing"), SelectedPath("SelectedPath", defaultLeakFolder) {
  RegisterAll(Drive1, Dir1, File1, Label1, List1, SelectedPath, RefreshFile, OKButton, CancelButton);
  File1.SetToolTip("Click File to add to list for printing");
  List1.SetToolTip("Double click file to remove");
  SelectedPath.SetToolTip("Folder in which leak files can be saved");
  RefreshFile.SetToolTip("Click to update list of leak files or new leak file folder");
}

}  // namespace records

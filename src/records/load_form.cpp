#include "records/load_form.h"

namespace records {

LoadForm::LoadForm(const std::string& defaultLeakFolder)
    : Window("LoadForm", "Open File For Graphing or Printing"), SelectedPath("SelectedPath", defaultLeakFolder) {
  RegisterAll(SelectedPath, Dir1);
  SelectedPath.SetToolTip("Folder in which leak files can be saved");
}

}  // namespace records

#include "records/load_form_actions.h"

#include <algorithm>

#include "records/leak_folder.h"

namespace records {

LoadFormActions::LoadFormActions(LoadForm& form, SelectedFiles& selected, core::FileSystem& files,
                                 core::Dialogs& dialogs)
    : form_(form), selected_(selected), files_(files), dialogs_(dialogs) {
  form_.SetLoadAction([this] { Form_Load(); });
  form_.Drive1.OnChange([this] { Drive1_Change(); });
  form_.Dir1.OnChange([this] { Dir1_Change(); });
  form_.File1.OnClick([this] { File1_Click(); });
  form_.List1.OnDblClick([this] { List1_DblClick(); });
  form_.OKButton.OnClick([this] { OKButton_Click(); });
  form_.RefreshFile.OnClick([this] { RefreshFile_Click(); });
  form_.CancelButton.OnClick([this] { CancelButton_Click(); });
}

void LoadFormActions::Form_Load() { RefreshLists(); }

void LoadFormActions::Drive1_Change() {
  if (showingDrive_) return;
  std::string drive = form_.Drive1.Selected();
  if (!drive.empty()) form_.Dir1.Open(drive);
}

void LoadFormActions::Dir1_Change() {
  form_.Dir1.SetFolders(files_.ListDirs(form_.Dir1.Path()));
  form_.File1.SetItems(files_.ListFiles(form_.Dir1.Path()));
  SelectDriveOfFolder();
}

void LoadFormActions::File1_Click() {
  std::string name = form_.File1.Selected();
  if (!name.empty()) form_.List1.AddItem(name);
}

void LoadFormActions::List1_DblClick() { form_.List1.RemoveItem(form_.List1.ListIndex()); }

void LoadFormActions::OKButton_Click() {
  Confirm();
  form_.Hide();
}

void LoadFormActions::RefreshFile_Click() {
  RefreshLists();
  Confirm();
}

void LoadFormActions::CancelButton_Click() { form_.Hide(); }

std::string LoadFormActions::FullName(const std::string& name) const {
  const std::string& folder = form_.Dir1.Path();
  if (!folder.empty() && folder.back() == files_.Separator()) return folder + name;
  return folder + files_.Separator() + name;
}

// The names of List1 with the folder open now, whatever folder each was clicked in. Entries
// past the list are emptied, so a name the operator removed reaches no graph and no report.
void LoadFormActions::Confirm() {
  const auto& names = form_.List1.Items();
  for (std::size_t i = 0; i < selected_.size(); ++i) {
    selected_[i] = i < names.size() ? FullName(names[i]) : std::string();
  }
  LeakFolder(files_, dialogs_, form_).MakeLeakFolderCurrent(LeakFolder::kNotFoundTitle);
  RefreshLists();
}

void LoadFormActions::RefreshLists() {
  form_.Drive1.SetItems(files_.ListDrives());
  Dir1_Change();
}

// The drive shown is the one that holds the open folder (the longest that does).
void LoadFormActions::SelectDriveOfFolder() {
  const std::string& folder = form_.Dir1.Path();
  int best = -1;
  std::size_t bestLength = 0;
  for (int i = 0; i < form_.Drive1.ListCount(); ++i) {
    const std::string& drive = form_.Drive1.Items()[static_cast<std::size_t>(i)];
    bool holds = folder.rfind(drive, 0) == 0 &&
                 (folder.size() == drive.size() || drive.back() == files_.Separator() ||
                  folder[drive.size()] == files_.Separator());
    if (holds && drive.size() >= bestLength) {
      best = i;
      bestLength = drive.size();
    }
  }
  showingDrive_ = true;
  form_.Drive1.SetListIndex(best);
  showingDrive_ = false;
}

}  // namespace records

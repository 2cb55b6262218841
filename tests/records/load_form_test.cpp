#include <gtest/gtest.h>

#include "records_rig.h"

namespace records_test {
namespace {

class FileSelection : public testing::Test {
 protected:
  FileSelection()
      : rig(testing::UnitTest::GetInstance()->current_test_info()->name()),
        form(rig.program->loadForm) {
    for (const char* name : {"1208A1.1", "1208A1.2", ".hidden"}) WriteWhole(rig.Leak() / name, "x");
    fs::create_directories(rig.Leak() / "old");
    WriteWhole(rig.Leak() / "old" / "1107B.1", "x");
    rig.program->mainForm.OpenFile.Click();
    form.RefreshFile.Click();  // the lists show what was there when last refreshed
  }

  void ClickFile(const std::string& name) {
    const auto& items = form.File1.Items();
    auto found = std::find(items.begin(), items.end(), name);
    ASSERT_NE(found, items.end()) << name;
    form.File1.Click(static_cast<int>(found - items.begin()));
  }
  std::string Selected(int i) const {
    return rig.program->selectedFiles[static_cast<std::size_t>(i)];
  }
  std::string InLeak(const std::string& name) const { return (rig.Leak() / name).string(); }

  ProgramRig rig;
  records::LoadForm& form;
};

TEST_F(FileSelection, OpensOnTheLeakFolderListingItsOrdinaryFiles) {
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(form.Dir1.Path(), rig.Leak().string());
  EXPECT_EQ(form.Dir1.Folders(), std::vector<std::string>{"old"});
  EXPECT_EQ(form.File1.Items(), (std::vector<std::string>{"1208A1.1", "1208A1.2"}));
  EXPECT_EQ(form.Drive1.Selected(), (rig.Root() / "home").string());
}

TEST_F(FileSelection, OkTurnsTheListIntoFullNamesAndARemovedNameStaysRemoved) {
  ClickFile("1208A1.1");
  ClickFile("1208A1.2");
  ClickFile("1208A1.1");
  form.OKButton.Click();
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(Selected(0), InLeak("1208A1.1"));
  EXPECT_EQ(Selected(1), InLeak("1208A1.2"));
  EXPECT_EQ(Selected(2), InLeak("1208A1.1"));
  EXPECT_EQ(rig.files->CurrentDir(), rig.Leak().string());

  rig.program->mainForm.OpenFile.Click();
  form.List1.DblClick(1);
  form.List1.DblClick(-1);  // nothing selected: nothing removed
  EXPECT_EQ(form.List1.Items(), (std::vector<std::string>{"1208A1.1", "1208A1.1"}));
  form.OKButton.Click();
  EXPECT_EQ(Selected(1), InLeak("1208A1.1"));
  EXPECT_EQ(Selected(2), "");
}

TEST_F(FileSelection, NamesTakeTheFolderOpenAtConfirmation) {
  ClickFile("1208A1.1");
  form.Dir1.Open((rig.Leak() / "old").string());
  EXPECT_EQ(form.File1.Items(), std::vector<std::string>{"1107B.1"});
  ClickFile("1107B.1");
  form.RefreshFile.Click();
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(Selected(0), (rig.Leak() / "old" / "1208A1.1").string());
  EXPECT_EQ(Selected(1), (rig.Leak() / "old" / "1107B.1").string());

  form.Dir1.Open("/");
  EXPECT_EQ(rig.program->loadForm.Dir1.Path(), "/");
  form.OKButton.Click();
  EXPECT_EQ(Selected(0), "/1208A1.1");  // no doubled separator at a root
}

TEST_F(FileSelection, CancelChangesNothingButKeepsTheList) {
  ClickFile("1208A1.1");
  form.OKButton.Click();
  rig.program->mainForm.OpenFile.Click();
  ClickFile("1208A1.2");
  form.SelectedPath.SetText((rig.Root() / "elsewhere").string());
  form.CancelButton.Click();
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(Selected(0), InLeak("1208A1.1"));
  EXPECT_EQ(Selected(1), "");
  EXPECT_EQ(rig.files->CurrentDir(), rig.Leak().string());
  EXPECT_EQ(form.List1.ListCount(), 2);
}

TEST_F(FileSelection, OnlyTheFirst513NamesAreConfirmed) {
  for (int i = 0; i < 515; ++i) ClickFile("1208A1.2");
  form.OKButton.Click();
  EXPECT_EQ(Selected(512), InLeak("1208A1.2"));
  EXPECT_EQ(rig.program->Values().Get("SelectedFiles(513)"), std::nullopt);
}

TEST_F(FileSelection, AMissingLeakFolderIsCreatedOnRequestOrTheRootUsed) {
  std::string wanted = (rig.Root() / "home" / "Leak2").string();
  form.SelectedPath.SetText((rig.Root() / "nowhere").string());
  rig.dialogs.QueueAnswer(wanted);
  form.OKButton.Click();
  ASSERT_EQ(rig.dialogs.Prompts().size(), 1u);
  EXPECT_EQ(rig.dialogs.Prompts()[0].title, "Path Not Found");
  EXPECT_EQ(rig.dialogs.Prompts()[0].prompt,
            "Path " + (rig.Root() / "nowhere").string() + " not found. Enter new path to create");
  EXPECT_TRUE(fs::is_directory(wanted));
  EXPECT_EQ(rig.files->CurrentDir(), wanted);
  EXPECT_EQ(form.SelectedPath.Text(), wanted);
  EXPECT_FALSE(form.Visible());

  form.SelectedPath.SetText((rig.Root() / "nowhere").string());
  rig.dialogs.QueueCancel();
  form.RefreshFile.Click();
  EXPECT_EQ(rig.files->CurrentDir(), (rig.Root() / "home").string());
  EXPECT_EQ(form.SelectedPath.Text(), (rig.Root() / "home").string());
  EXPECT_EQ(form.Dir1.Path(), (rig.Root() / "home").string());

  // A folder that cannot be made (its parent is missing): said, and the root used.
  form.SelectedPath.SetText((rig.Root() / "nowhere").string());
  rig.dialogs.QueueAnswer((rig.Root() / "no" / "such").string());
  form.OKButton.Click();
  ASSERT_EQ(rig.dialogs.Messages().size(), 1u);
  EXPECT_EQ(rig.files->CurrentDir(), (rig.Root() / "home").string());
}

}  // namespace
}  // namespace records_test

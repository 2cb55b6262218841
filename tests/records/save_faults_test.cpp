// Saves that cannot be written, on a real file system: a read-only leak folder, a missing one,
// a full disk (a file-size limit) and a name the file system refuses.
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>

#include <csignal>

#include "records/test_file_reader.h"
#include "records_rig.h"

namespace records_test {
namespace {

// Makes the leak folder unwritable: a read-only tmpfs over it for root, who ignores
// permissions, and plain permissions for anyone else. False when neither can be done. The
// mount lives in a mount namespace of this test process alone, so it goes with the process.
bool MakeReadOnly(const fs::path& folder) {
  if (::geteuid() != 0) {
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    return true;
  }
  if (::unshare(CLONE_NEWNS) != 0 ||
      ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
    return false;
  }
  return ::mount("tmpfs", folder.c_str(), "tmpfs", MS_RDONLY, "size=64k") == 0;
}

// Limits the size of every file this process writes, as a nearly full disk does.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }

 private:
  rlimit saved_{};
  void (*previous_)(int) = nullptr;
};

class SaveFaults : public testing::Test {
 protected:
  SaveFaults() : rig(testing::UnitTest::GetInstance()->current_test_info()->name()) {}
  ~SaveFaults() override { ::umount(rig.Leak().c_str()); }

  // No file, whole or partial, reached the leak folder.
  void ExpectNothingInLeakFolder() {
    std::error_code ec;
    if (fs::is_directory(rig.Leak(), ec)) {
      EXPECT_EQ(FilesIn(rig.Leak()), std::vector<std::string>{});
    }
  }

  void ExpectManualSaveKeepsTheMemory() {
    std::vector<Point> points;
    for (int i = 0; i < 500; ++i) points.push_back({static_cast<std::int16_t>(i), 612, "R"});
    rig.Store(points);
    rig.SetTrendMode(1);
    rig.SaveAnswering("1");
    rig.SetTrendMode(2);
    ASSERT_EQ(rig.dialogs.Messages().size(), 1u);
    EXPECT_NE(rig.dialogs.Messages()[0].find("could not be saved"), std::string::npos);
    EXPECT_EQ(rig.program->chartMemory.ChartCount, 500);
    EXPECT_EQ(rig.program->chartMemory.ChartY[499], 612);
    ExpectNothingInLeakFolder();
  }

  void ExpectAutomaticSaveGoesToUnsaved(const std::string& name) {
    rig.FinishTest();
    EXPECT_EQ(FilesIn(rig.Unsaved()), std::vector<std::string>{name});
    EXPECT_NE(ReadWhole(rig.Unsaved() / name).find(",\"R\"\r\n"), std::string::npos);
    EXPECT_NE(
        rig.program->mainForm.Notice.Text().find("saved to " + (rig.Unsaved() / name).string()),
        std::string::npos)
        << rig.program->mainForm.Notice.Text();
    EXPECT_EQ(rig.program->chartMemory.ChartCount, 0);
    ExpectNothingInLeakFolder();
  }

  ProgramRig rig;
};

TEST_F(SaveFaults, AReadOnlyLeakFolder) {
  if (!MakeReadOnly(rig.Leak())) GTEST_SKIP() << "cannot make a read-only folder here";
  ExpectManualSaveKeepsTheMemory();
  ExpectAutomaticSaveGoesToUnsaved("1208A1.1");
  EXPECT_FALSE(rig.program->Ended());
}

TEST_F(SaveFaults, AMissingLeakFolder) {
  fs::remove_all(rig.Leak());
  ExpectManualSaveKeepsTheMemory();
  ExpectAutomaticSaveGoesToUnsaved("1208A1.1");
  EXPECT_FALSE(fs::exists(rig.Leak()));
}

TEST_F(SaveFaults, ARefusedName) {
  rig.program->setup.TestSeries.SetText(std::string(300, 'A'));
  ExpectManualSaveKeepsTheMemory();
  rig.FinishTest();  // refused in unsaved/ too
  EXPECT_EQ(FilesIn(rig.Unsaved()), std::vector<std::string>{});
  EXPECT_NE(rig.program->mainForm.Notice.Text().find("stays in the chart memory"),
            std::string::npos);
  EXPECT_GT(rig.program->chartMemory.ChartCount, 0);
  EXPECT_FALSE(rig.program->Ended());
}

TEST_F(SaveFaults, AFullDiskKeepsTheMemoryAndLeavesNoPartialFile) {
  {
    FileSizeLimit limit(100);
    ExpectManualSaveKeepsTheMemory();
    rig.FinishTest();
  }
  EXPECT_EQ(FilesIn(rig.Unsaved()), std::vector<std::string>{});
  EXPECT_NE(rig.program->mainForm.Notice.Text().find("stays in the chart memory"),
            std::string::npos);
  std::int16_t kept = rig.program->chartMemory.ChartCount;
  EXPECT_GT(kept, 0);

  // Room again: the kept test is saved whole, under the number the failed saves gave back.
  rig.program->mainForm.Save.Click();
  EXPECT_EQ(FilesIn(rig.Leak()), std::vector<std::string>{"1208A1.1"});
  EXPECT_EQ(records::ReadTestFile(ReadWhole(rig.Leak() / "1208A1.1")).data.size(),
            static_cast<std::size_t>(kept) + 1);
  EXPECT_FALSE(rig.program->Ended());
}

TEST_F(SaveFaults, AnEarlierUnsavedTestIsNotReplaced) {
  fs::remove_all(rig.Leak());
  fs::create_directories(rig.Unsaved());
  WriteWhole(rig.Unsaved() / "1208A1.1", "earlier test");
  rig.FinishTest();
  EXPECT_EQ(FilesIn(rig.Unsaved()), (std::vector<std::string>{"1208A1.1", "1208A1.2"}));
  EXPECT_EQ(ReadWhole(rig.Unsaved() / "1208A1.1"), "earlier test");
}

}  // namespace
}  // namespace records_test

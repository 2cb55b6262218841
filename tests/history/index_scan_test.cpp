#include "history/index_scan.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "core/platform/local_file_system.h"
#include "records/test_file_writer.h"

namespace history {
namespace {
namespace fs = std::filesystem;

// The real file system, counting the files read.
class CountingFiles : public core::LocalFileSystem {
 public:
  using core::LocalFileSystem::LocalFileSystem;
  std::optional<std::string> ReadFile(const std::string& path) const override {
    ++reads;
    return core::LocalFileSystem::ReadFile(path);
  }
  mutable int reads = 0;
};

std::string TestText(double leakLimit) {
  records::SavedTest test;
  test.header = "Part #12  ,Set Pressure: 10.0 PSI,  Monday, December 08, 2003,  3:45:12 PM";
  test.scale = {1090, 392, 490, 1.6, 10};
  test.limits = {leakLimit, 10.6, 490, 10, 20, 1};
  test.testSeries = "A1";
  test.data = {{0, 700, 90, "R"}};
  return records::FormatTestFile(test);
}

class IndexScanTest : public ::testing::Test {
 protected:
  IndexScanTest() {
    fs::create_directory(leak_);
    EXPECT_TRUE(index_.Opened()) << index_.LastError();
  }

  std::string Write(const std::string& name, const std::string& text) {
    std::string path = (fs::path(leak_) / name).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  // Runs a scan of the leak folder to its end, two files a step.
  ScanSummary Scan(std::vector<std::string> folders = {}) {
    scan_.Start(folders.empty() ? std::vector<std::string>{leak_} : folders);
    while (scan_.Step(2)) {
    }
    EXPECT_EQ(scan_.Done(), scan_.Total());
    EXPECT_EQ(scan_.LastError(), "");
    return scan_.Summary();
  }
  std::vector<std::string> IndexedNames() const {
    std::vector<std::string> names;
    for (const TestIndexRow& row : index_.AllRows()) names.push_back(FileNameOf(row.path));
    std::sort(names.begin(), names.end());
    return names;
  }

  QTemporaryDir temp_;
  std::string leak_ = (fs::path(temp_.path().toStdString()) / "Leak").string();
  CountingFiles files_{temp_.path().toStdString(), temp_.path().toStdString()};
  TestIndex index_{(fs::path(temp_.path().toStdString()) / "data" / "index.sqlite").string()};
  IndexScan scan_{index_, files_};
};

TEST(IndexScanNames, TakesTestDataFilesOnly) {
  for (const char* name : {"1208A1.1", "0101", "1208A1.1.bak", "1231Z9.12"}) {
    EXPECT_TRUE(IndexScan::IsTestFileName(name)) << name;
  }
  for (const char* name : {"1208A1.1.pdf", "1208A1.1.CSV", "1208A1.1.Png", "1208A1.1.part",
                           "1208notes.TXT", "testconfig.txt", "12a8A1.1", "120", ""}) {
    EXPECT_FALSE(IndexScan::IsTestFileName(name)) << name;
  }
}

TEST_F(IndexScanTest, IndexesNewFilesAndKeepsADamagedOneWithItsReason) {
  Write("1208A1.1", TestText(5));
  Write("1208A1.2", TestText(10));
  Write("1208A1.3", "\"only a header\"\r\n");
  Write("1208A1.1.pdf", "%PDF");
  Write("1208A1.1.csv", "x,y");
  Write("readme", "not a test");
  scan_.Start({leak_});
  EXPECT_TRUE(scan_.Running());
  EXPECT_EQ(scan_.Total(), 3);
  EXPECT_TRUE(scan_.Step(2));
  EXPECT_EQ(scan_.Done(), 2);
  EXPECT_FALSE(scan_.Step(2));
  EXPECT_FALSE(scan_.Running());
  EXPECT_EQ(scan_.Summary(), (ScanSummary{3, 0, 0, 1}));
  EXPECT_EQ(IndexedNames(), (std::vector<std::string>{"1208A1.1", "1208A1.2", "1208A1.3"}));
  std::optional<TestIndexRow> damaged = index_.RowOf((fs::path(leak_) / "1208A1.3").string());
  ASSERT_TRUE(damaged);
  EXPECT_NE(damaged->damage, "");
  std::optional<TestIndexRow> good = index_.RowOf((fs::path(leak_) / "1208A1.1").string());
  ASSERT_TRUE(good && good->readHighest);
  EXPECT_DOUBLE_EQ(*good->readHighest, 5.0);
  EXPECT_EQ(good->size, static_cast<std::int64_t>(fs::file_size(fs::path(leak_) / "1208A1.1")));
}

TEST_F(IndexScanTest, ReadsAgainOnlyWhatChangedAndDropsWhatIsGone) {
  Write("1208A1.1", TestText(5));
  std::string touched = Write("1208A1.2", TestText(5));
  std::string gone = Write("1208A1.3", TestText(5));
  Write("1208A1.4", TestText(5));
  Scan();
  files_.reads = 0;

  Write("1208A1.1", TestText(7.25));  // another size
  fs::last_write_time(touched, fs::last_write_time(touched) + std::chrono::seconds(5));
  fs::remove(gone);
  EXPECT_EQ(Scan(), (ScanSummary{0, 2, 1, 0}));
  EXPECT_EQ(files_.reads, 2);
  EXPECT_EQ(IndexedNames(), (std::vector<std::string>{"1208A1.1", "1208A1.2", "1208A1.4"}));
  EXPECT_EQ(index_.RowOf((fs::path(leak_) / "1208A1.1").string())->leakLimit, 7.25);

  files_.reads = 0;
  EXPECT_EQ(Scan(), ScanSummary{});
  EXPECT_EQ(files_.reads, 0);
}

TEST_F(IndexScanTest, AFileGoneBetweenListingAndReadingLeavesNoRow) {
  std::string changed = Write("1208A1.1", TestText(5));
  Scan();
  Write("1208A1.1", TestText(7.25));
  std::string fresh = Write("1208A1.2", TestText(5));
  scan_.Start({leak_});
  ASSERT_EQ(scan_.Total(), 2);
  fs::remove(changed);
  fs::remove(fresh);
  EXPECT_FALSE(scan_.Step(10));
  EXPECT_EQ(scan_.LastError(), "");
  EXPECT_EQ(scan_.Summary(), (ScanSummary{0, 0, 1, 0}));
  EXPECT_TRUE(index_.AllRows().empty());
}

TEST_F(IndexScanTest, ACancelledScanLeavesWholeRowsAndALaterScanFinishes) {
  for (const char* name : {"1208A1.1", "1208A1.2", "1208A1.3", "1208A1.4", "1208A1.5"}) {
    Write(name, TestText(5));
  }
  scan_.Start({leak_});
  scan_.Step(2);
  scan_.Cancel();
  EXPECT_FALSE(scan_.Running());
  EXPECT_FALSE(scan_.Step(2));
  EXPECT_EQ(scan_.Done(), 2);
  EXPECT_EQ(IndexedNames().size(), 2u);
  EXPECT_EQ(Scan(), (ScanSummary{3, 0, 0, 0}));
  EXPECT_EQ(IndexedNames().size(), 5u);
}

TEST_F(IndexScanTest, AFolderThatCannotBeLookedAtKeepsItsRows) {
  Write("1208A1.1", TestText(5));
  std::string other = (fs::path(temp_.path().toStdString()) / "Other").string();
  fs::create_directory(other);
  std::ofstream(fs::path(other) / "0101B2.1", std::ios::binary) << TestText(5);
  Scan({leak_, other});
  fs::rename(leak_, leak_ + ".unplugged");
  fs::remove(fs::path(other) / "0101B2.1");
  EXPECT_EQ(Scan({leak_, other}), (ScanSummary{0, 0, 1, 0}));
  EXPECT_EQ(IndexedNames(), std::vector<std::string>{"1208A1.1"});
}

}  // namespace
}  // namespace history

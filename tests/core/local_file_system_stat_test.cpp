#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "core/platform/local_file_system.h"

namespace core {
namespace {
namespace fs = std::filesystem;

TEST(LocalFileSystemStat, TellsTheSizeAndModificationTimeOfOrdinaryFilesOnly) {
  fs::path folder = fs::temp_directory_path() / ("km-stat-" + std::to_string(::getpid()));
  fs::create_directories(folder / "sub");
  std::ofstream(folder / "1208A1.1", std::ios::binary) << "12345";
  auto written = std::chrono::file_clock::from_sys(
      std::chrono::sys_days{std::chrono::year{2003} / 12 / 8} + std::chrono::milliseconds(1500));
  fs::last_write_time(folder / "1208A1.1", written);
  LocalFileSystem files(folder.string(), folder.string());

  std::optional<FileStat> stat = files.Stat("1208A1.1");  // relative to the working folder
  ASSERT_TRUE(stat);
  EXPECT_EQ(stat->size, 5);
  EXPECT_EQ(stat->modifiedMs, 1'070'841'601'500);
  EXPECT_EQ(files.Stat((folder / "missing").string()), std::nullopt);
  EXPECT_EQ(files.Stat((folder / "sub").string()), std::nullopt);
  fs::remove_all(folder);
}

}  // namespace
}  // namespace core

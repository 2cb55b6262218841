#include "soak/leak_folder_check.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "records/test_file_reader.h"

namespace soak {
namespace {

// A saved test reads and holds its fill ("F") and its read phase ("R"): the end ("Y") saves it.
bool HoldsAFinishedTest(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  try {
    records::StoredTestFile file = records::ReadTestFile(text.str());
    auto holds = [&](const char* status) {
      return std::any_of(file.data.begin(), file.data.end(),
                         [&](const records::DataLine& line) { return line.status == status; });
    };
    return holds("F") && holds("R");
  } catch (const records::TestFileError&) {
    return false;
  }
}

}  // namespace

LeakFolderCheck CheckLeakFolder(const std::string& folder) {
  LeakFolderCheck check;
  std::vector<long long> numbers;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    std::string extension = entry.path().extension().string();
    numbers.push_back(extension.size() > 1 ? std::atoll(extension.c_str() + 1) : 0);
    if (!HoldsAFinishedTest(entry.path())) ++check.unreadable;
  }
  std::sort(numbers.begin(), numbers.end());
  check.files = static_cast<long long>(numbers.size());
  check.highestNumber = numbers.empty() ? 0 : numbers.back();
  check.contiguous = true;
  for (std::size_t i = 0; i < numbers.size(); ++i)
    if (numbers[i] != static_cast<long long>(i) + 1) check.contiguous = false;
  return check;
}

long long FilesIn(const std::string& folder) {
  std::error_code ec;
  long long count = 0;
  for (auto it = std::filesystem::directory_iterator(folder, ec);
       !ec && it != std::filesystem::directory_iterator(); it.increment(ec))
    if (it->is_regular_file()) ++count;
  return count;
}

}  // namespace soak

// Every kept fuzz input (fuzz/findings/<target>/, the seeds in fuzz/corpus/<target>/ and the
// folders named in fuzz/corpus/<target>.seeds) runs through its harness without a fault.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz/harness/inputs.h"

namespace {

struct Target {
  const char* name;
  void (*run)(std::string_view);
};

void PrintTo(const Target& target, std::ostream* out) { *out << target.name; }

const Target kTargets[] = {
    {"packet_stream", fuzz::PacketStream},   {"configuration", fuzz::ConfigurationFile},
    {"port_devices", fuzz::PortDevicesFile}, {"session_script", fuzz::SessionScript},
    {"test_file", fuzz::TestFile},
};

std::string Contents(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The kept findings, the seeds, and the folders the target's .seeds file names (one path from
// the repository root a line), as scripts/fuzz.sh hands them to libFuzzer.
std::vector<std::filesystem::path> InputFolders(const std::string& name) {
  std::filesystem::path fuzzDir(KM_FUZZ_DIR);
  std::vector<std::filesystem::path> folders = {fuzzDir / "findings" / name,
                                                fuzzDir / "corpus" / name};
  std::ifstream seeds(fuzzDir / "corpus" / (name + ".seeds"));
  for (std::string line; std::getline(seeds, line);)
    if (!line.empty()) folders.push_back(fuzzDir.parent_path() / line);
  return folders;
}

class KeptInputs : public testing::TestWithParam<Target> {};

TEST_P(KeptInputs, RunWithoutFault) {
  int replayed = 0;
  for (const auto& folder : InputFolders(GetParam().name)) {
    if (!std::filesystem::exists(folder)) continue;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
      if (!entry.is_regular_file()) continue;
      SCOPED_TRACE(entry.path().string());
      EXPECT_NO_THROW(GetParam().run(Contents(entry.path())));
      ++replayed;
    }
  }
  EXPECT_GT(replayed, 0) << "no seeds for " << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Fuzz, KeptInputs, testing::ValuesIn(kTargets),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

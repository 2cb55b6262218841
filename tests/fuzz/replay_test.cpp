// Every kept fuzz input (fuzz/findings/<target>/ and the seeds in fuzz/corpus/<target>/) runs
// through its harness without a fault.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>

#include "fuzz/harness/inputs.h"

namespace {

struct Target {
  const char* name;
  void (*run)(std::string_view);
};

void PrintTo(const Target& target, std::ostream* out) { *out << target.name; }

const Target kTargets[] = {
    {"packet_stream", fuzz::PacketStream},
    {"configuration", fuzz::ConfigurationFile},
    {"port_devices", fuzz::PortDevicesFile},
    {"session_script", fuzz::SessionScript},
};

std::string Contents(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class KeptInputs : public testing::TestWithParam<Target> {};

TEST_P(KeptInputs, RunWithoutFault) {
  int replayed = 0;
  for (const char* kind : {"findings", "corpus"}) {
    std::filesystem::path folder = std::filesystem::path(KM_FUZZ_DIR) / kind / GetParam().name;
    if (!std::filesystem::exists(folder)) continue;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
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

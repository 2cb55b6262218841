#include <string>

#include "fuzz/harness/inputs.h"
#include "fuzz/harness/program_world.h"

namespace fuzz {
namespace {

// Starts a program on the configuration text, ends it, and returns what it wrote.
std::string StartAndExit(const std::string& configuration) {
  ProgramWorld world(configuration);
  world.program.Form_Load();
  world.program.Exit_Click();
  auto written = world.files.ReadFile(world.StartFile(app::Configuration::kFileName));
  if (!written) throw Finding("shut-down wrote no configuration file");
  return *written;
}

}  // namespace

void ConfigurationFile(std::string_view input) {
  std::string once = StartAndExit(std::string(input));
  if (StartAndExit(once) != once)
    throw Finding("the written configuration does not read back the same");
}

}  // namespace fuzz

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <string>
#include <vector>

#include "child_process.h"
#include "sim/sim_options.h"
#include "sim/simulator.h"

namespace sim {
namespace {

using test_support::ChildProcess;

struct Outcome {
  int exitCode = -1;
  std::string out;
  std::string errors;
};

Outcome RunSimulator(const std::vector<std::string>& args) {
  ChildProcess sim(KM_SIM_BINARY, args);
  Outcome outcome;
  outcome.out = sim.ReadRemainingOutput();
  outcome.errors = sim.ReadAllErrors();
  const int status = sim.Wait();
  outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return outcome;
}

TEST(SimulatorCommandLine, ExitsWithTwoAndAReasonOnBadArguments) {
  const std::vector<std::vector<std::string>> cases = {
      {"--rate", "fast"}, {"--bogus"}, {"--pty", "--stdout"}, {"--count"}, {"--time-base", "5"},
  };
  for (const auto& args : cases) {
    const Outcome outcome = RunSimulator(args);
    EXPECT_EQ(outcome.exitCode, 2) << args[0];
    EXPECT_EQ(outcome.out, "");
    EXPECT_NE(outcome.errors.find(args[0]), std::string::npos) << outcome.errors;
  }
}

TEST(SimulatorCommandLine, HelpGoesToStandardOutput) {
  const Outcome outcome = RunSimulator({"--help"});
  EXPECT_EQ(outcome.exitCode, 0);
  EXPECT_EQ(outcome.out.rfind("Usage: km4400-sim", 0), 0u);
  EXPECT_EQ(outcome.errors, "");
}

TEST(SimulatorCommandLine, StandardOutputCarriesTheGeneratedStream) {
  const std::vector<std::vector<std::string>> cases = {
      {"--count", "3", "--rate", "0"},
      {"--stdout", "--count", "200", "--rate", "0", "--seed", "5", "--leak", "20", "--truncate",
       "0.1", "--split", "0.05", "--burst", "3", "--time-base", "1", "--fill-time", "4"},
  };
  for (const auto& args : cases) {
    const ParseResult parsed = ParseArgs(args);
    ASSERT_EQ(parsed.outcome, ParseResult::Outcome::kRun);
    const Outcome outcome = RunSimulator(args);
    EXPECT_EQ(outcome.exitCode, 0) << outcome.errors;
    EXPECT_EQ(outcome.out, GenerateStream(parsed.options, static_cast<int>(*parsed.options.count)));
  }
}

}  // namespace
}  // namespace sim

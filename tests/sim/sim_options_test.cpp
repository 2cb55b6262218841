#include "sim/sim_options.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace sim {
namespace {

using Outcome = ParseResult::Outcome;

TEST(ParseArgs, DefaultsGiveOneTestEveryTwentyToFortySeconds) {
  const ParseResult result = ParseArgs({});
  ASSERT_EQ(result.outcome, Outcome::kRun);
  EXPECT_EQ(result.options, SimOptions{});
  EXPECT_EQ(result.options.output, OutputKind::kStdout);
  EXPECT_FALSE(result.options.count.has_value());

  const TestCycle cycle(result.options.cycle, PacketSeconds(result.options), 1);
  double seconds = 0;
  for (const Phase phase :
       {Phase::kReady, Phase::kZero, Phase::kFill, Phase::kStab, Phase::kRead}) {
    seconds += cycle.PhaseSeconds(phase);
  }
  EXPECT_GE(seconds, 20.0);
  EXPECT_LE(seconds, 40.0);
  EXPECT_NEAR(PacketSeconds(result.options), 0.070, 1e-9);
}

TEST(ParseArgs, AppliesEachOption) {
  struct Case {
    std::vector<std::string> args;
    std::function<void(SimOptions&)> expect;
  };
  const std::vector<Case> cases = {
      {{"--pty"}, [](SimOptions& o) { o.output = OutputKind::kPty; }},
      {{"--stdout"}, [](SimOptions&) {}},
      {{"--device", "/dev/ttyS1"},
       [](SimOptions& o) {
         o.output = OutputKind::kDevice;
         o.devicePath = "/dev/ttyS1";
       }},
      {{"--device=/tmp/line"},
       [](SimOptions& o) {
         o.output = OutputKind::kDevice;
         o.devicePath = "/tmp/line";
       }},
      {{"--count", "25"}, [](SimOptions& o) { o.count = 25; }},
      {{"--rate", "0"}, [](SimOptions& o) { o.rate = 0.0; }},
      {{"--rate=2.5"}, [](SimOptions& o) { o.rate = 2.5; }},
      {{"--seed", "4294967295"}, [](SimOptions& o) { o.seed = 4294967295u; }},
      {{"--zero-time", "0"}, [](SimOptions& o) { o.cycle.instrument.zeroTime = 0; }},
      {{"--fill-time", "999"}, [](SimOptions& o) { o.cycle.instrument.fillTime = 999; }},
      {{"--stab-time", "1"}, [](SimOptions& o) { o.cycle.instrument.stabTime = 1; }},
      {{"--read-time", "30"}, [](SimOptions& o) { o.cycle.instrument.readTime = 30; }},
      {{"--ready-time", "0.5"}, [](SimOptions& o) { o.cycle.readySeconds = 0.5; }},
      {{"--time-base", "1"}, [](SimOptions& o) { o.cycle.instrument.timeBaseCode = 1; }},
      {{"--version", "388"}, [](SimOptions& o) { o.cycle.instrument.version = 388; }},
      {{"--zero-select", "1"}, [](SimOptions& o) { o.cycle.instrument.zeroSelect = 1; }},
      {{"--flow-scale", "9999"}, [](SimOptions& o) { o.cycle.instrument.flowScaleCount = 9999; }},
      {{"--flow-zero", "0"}, [](SimOptions& o) { o.cycle.instrument.flowZero = 0; }},
      {{"--leak", "-30"}, [](SimOptions& o) { o.cycle.leakCounts = -30; }},
      {{"--tc-factor", "0000"}, [](SimOptions& o) { o.cycle.instrument.tcFactor = "0000"; }},
      {{"--part", "7"}, [](SimOptions& o) { o.cycle.instrument.partNumber = 7; }},
      {{"--garbage", "0.1"}, [](SimOptions& o) { o.faults.garbage = 0.1; }},
      {{"--truncate", "1"}, [](SimOptions& o) { o.faults.truncate = 1.0; }},
      {{"--split=0.5"}, [](SimOptions& o) { o.faults.split = 0.5; }},
      {{"--burst", "0"}, [](SimOptions& o) { o.faults.burst = 0; }},
      {{"--burst", "12"}, [](SimOptions& o) { o.faults.burst = 12; }},
      {{"--linger", "2"}, [](SimOptions& o) { o.lingerSeconds = 2.0; }},
      {{"--count", "3", "--rate", "0", "--seed", "9"},
       [](SimOptions& o) {
         o.count = 3;
         o.rate = 0.0;
         o.seed = 9;
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[0]);
    SimOptions expected;
    c.expect(expected);
    const ParseResult result = ParseArgs(c.args);
    ASSERT_EQ(result.outcome, Outcome::kRun) << result.message;
    EXPECT_EQ(result.options, expected);
  }
}

TEST(ParseArgs, RejectsBadArgumentsSayingWhatIsWrong) {
  struct Case {
    std::vector<std::string> args;
    std::string mentions;
  };
  const std::vector<Case> cases = {
      {{"--bogus"}, "unknown option '--bogus'"},
      {{"count"}, "unknown option 'count'"},
      {{"--count"}, "--count needs a value"},
      {{"--count", "0"}, "--count"},
      {{"--count", "ten"}, "not a whole number"},
      {{"--count", "5x"}, "not a whole number"},
      {{"--rate", "-1"}, "--rate"},
      {{"--rate", "nan"}, "not a number"},
      {{"--rate", "inf"}, "not a number"},
      {{"--seed", "4294967296"}, "--seed"},
      {{"--seed", "-1"}, "--seed"},
      {{"--zero-time", "1000"}, "--zero-time"},
      {{"--fill-time", "0"}, "--fill-time"},
      {{"--stab-time", "0"}, "--stab-time"},
      {{"--read-time", "0"}, "--read-time"},
      {{"--ready-time", "-2"}, "--ready-time"},
      {{"--time-base", "3"}, "--time-base"},
      {{"--version", "1000"}, "--version"},
      {{"--zero-select", "0"}, "--zero-select"},
      {{"--flow-scale", "10000"}, "--flow-scale"},
      {{"--flow-zero", "-1"}, "--flow-zero"},
      {{"--leak", "10000"}, "--leak"},
      {{"--tc-factor", "0.5"}, "4 printable characters"},
      {{"--tc-factor", "0.5\x02"}, "4 printable characters"},
      {{"--part", "100"}, "--part"},
      {{"--garbage", "1.5"}, "--garbage"},
      {{"--truncate", "-0.1"}, "--truncate"},
      {{"--split", "half"}, "not a number"},
      {{"--burst", "1"}, "at least 2"},
      {{"--linger", "-1"}, "--linger"},
      {{"--device", ""}, "needs a path"},
      {{"--pty=yes"}, "takes no value"},
      {{"--pty", "--stdout"}, "only one of"},
      {{"--device", "/dev/ttyS0", "--pty"}, "only one of"},
  };
  for (const Case& c : cases) {
    const ParseResult result = ParseArgs(c.args);
    EXPECT_EQ(result.outcome, Outcome::kError) << c.args[0];
    EXPECT_NE(result.message.find(c.mentions), std::string::npos)
        << "message \"" << result.message << "\" should mention \"" << c.mentions << "\"";
  }
}

TEST(ParseArgs, HelpWinsOverOtherOptions) {
  for (const auto& args :
       std::vector<std::vector<std::string>>{{"--help"}, {"--count", "3", "--help"}}) {
    EXPECT_EQ(ParseArgs(args).outcome, Outcome::kHelp);
  }
}

}  // namespace
}  // namespace sim

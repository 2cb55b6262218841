#include "sim/test_cycle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>
#include <string>
#include <vector>

namespace sim {
namespace {

struct StatusRun {
  char status;
  std::vector<int> flows;
};

// Consecutive packets with the same test status.
std::vector<StatusRun> Runs(TestCycle& cycle, int packets) {
  std::vector<StatusRun> runs;
  for (int i = 0; i < packets; ++i) {
    const PacketFields f = cycle.Next();
    if (runs.empty() || runs.back().status != f.testStatus) {
      runs.push_back({f.testStatus, {}});
    }
    runs.back().flows.push_back(f.flowRateCount);
  }
  return runs;
}

double Mean(const std::vector<int>& values, std::size_t from, std::size_t to) {
  return std::accumulate(values.begin() + from, values.begin() + to, 0.0) / (to - from);
}

CycleSettings Settings(int timeBase, int zero, int fill, int stab, int read, double ready) {
  CycleSettings s;
  s.instrument.timeBaseCode = timeBase;
  s.instrument.zeroTime = zero;
  s.instrument.fillTime = fill;
  s.instrument.stabTime = stab;
  s.instrument.readTime = read;
  s.readySeconds = ready;
  return s;
}

struct CycleCase {
  const char* name;
  CycleSettings settings;
  double packetSeconds;
  std::string order;       // one test, starting from ready
  double phaseSeconds[5];  // ready, zero, fill, stab, read
};

TEST(TestCycle, StepsThroughThePhasesForTheirConfiguredTimes) {
  const std::vector<CycleCase> cases = {
      {"tenths", Settings(2, 20, 50, 100, 50, 5.0), 0.07, "YZFSR", {5.0, 2.0, 5.0, 10.0, 5.0}},
      {"seconds", Settings(1, 2, 3, 6, 4, 1.5), 0.1, "YZFSR", {1.5, 2.0, 3.0, 6.0, 4.0}},
      {"no zero time", Settings(2, 0, 30, 40, 20, 2.0), 0.07, "YFSR", {2.0, 0, 3.0, 4.0, 2.0}},
      {"no ready time", Settings(2, 10, 20, 30, 20, 0.0), 0.05, "ZFSR", {0, 1.0, 2.0, 3.0, 2.0}},
      {"slow packets", Settings(1, 3, 5, 10, 5, 4.0), 0.3, "YZFSR", {4.0, 3.0, 5.0, 10.0, 5.0}},
  };
  for (const CycleCase& c : cases) {
    SCOPED_TRACE(c.name);
    const double testSeconds =
        std::accumulate(std::begin(c.phaseSeconds), std::end(c.phaseSeconds), 0.0);
    TestCycle cycle(c.settings, c.packetSeconds, 3);
    const std::vector<StatusRun> runs =
        Runs(cycle, static_cast<int>(std::ceil(2.5 * testSeconds / c.packetSeconds)));

    ASSERT_GT(runs.size(), 2 * c.order.size());
    for (std::size_t i = 0; i < 2 * c.order.size(); ++i) {
      const char status = c.order[i % c.order.size()];
      ASSERT_EQ(runs[i].status, status) << "run " << i;
      const std::size_t phase = std::string("YZFSR").find(status);
      EXPECT_NEAR(runs[i].flows.size() * c.packetSeconds, c.phaseSeconds[phase], c.packetSeconds)
          << "run " << i << " (" << status << ")";
    }
  }
}

TEST(TestCycle, FlowFollowsALeakTest) {
  for (const int leak : {0, 40, -25}) {
    SCOPED_TRACE("leak " + std::to_string(leak));
    CycleSettings settings = Settings(2, 50, 50, 100, 50, 3.0);
    settings.leakCounts = leak;
    const int zero = settings.instrument.flowZero;
    TestCycle cycle(settings, 0.07, 11);
    const std::vector<StatusRun> runs = Runs(cycle, 600);
    ASSERT_GE(runs.size(), 5u);
    const std::vector<int>& ready = runs[0].flows;
    const std::vector<int>& drift = runs[1].flows;
    const std::vector<int>& fill = runs[2].flows;
    const std::vector<int>& stab = runs[3].flows;
    const std::vector<int>& read = runs[4].flows;

    for (const int flow : ready) {
      EXPECT_NEAR(flow, zero, 8);
    }
    EXPECT_GT(Mean(drift, drift.size() * 3 / 4, drift.size()),
              Mean(drift, 0, drift.size() / 4) + 1.5)
        << "zero time should drift upwards";
    // Pressurising: far above zero within the first second of fill.
    EXPECT_LT(fill.front(), fill[3]);
    EXPECT_GT(fill[14], zero + 2000);
    // Stabilisation decays towards zero plus leak.
    const std::size_t mid = stab.size() / 2;
    EXPECT_GT(stab.front(), stab[mid] + 100);
    EXPECT_GT(stab[mid], stab.back());
    EXPECT_NEAR(stab.back(), zero + leak, 15);
    EXPECT_NEAR(Mean(read, 0, read.size()), zero + leak, 4);
    for (const int flow : read) {
      EXPECT_NEAR(flow, zero + leak, 12);
    }
  }
}

TEST(TestCycle, KeepsCountsWithinFourDigits) {
  struct Extreme {
    int flowZero;
    int leak;
    int clampedTo;
  };
  for (const Extreme e : {Extreme{9990, 0, 9999}, Extreme{3, -50, 0}}) {
    CycleSettings settings = Settings(2, 10, 20, 30, 20, 1.0);
    settings.instrument.flowZero = e.flowZero;
    settings.leakCounts = e.leak;
    TestCycle cycle(settings, 0.07, 5);
    bool clamped = false;
    for (int i = 0; i < 300; ++i) {
      const int flow = cycle.Next().flowRateCount;
      ASSERT_GE(flow, 0);
      ASSERT_LE(flow, 9999);
      clamped = clamped || flow == e.clampedTo;
    }
    EXPECT_TRUE(clamped) << "flow zero " << e.flowZero;
  }
}

TEST(TestCycle, ReportsTheInstrumentSettingsInEveryPacket) {
  CycleSettings settings = Settings(1, 4, 6, 8, 5, 2.0);
  settings.instrument.version = 388;
  settings.instrument.partNumber = 31;
  settings.instrument.tcFactor = "0000";
  settings.instrument.zeroSelect = 1;
  settings.instrument.flowScaleCount = 300;
  TestCycle cycle(settings, 0.2, 9);
  for (int i = 0; i < 200; ++i) {
    PacketFields f = cycle.Next();
    ASSERT_NE(std::string("YZFSR").find(f.testStatus), std::string::npos);
    f.testStatus = settings.instrument.testStatus;
    f.flowRateCount = settings.instrument.flowRateCount;
    ASSERT_EQ(f, settings.instrument) << "packet " << i;
  }
}

TEST(TestCycle, SameSeedGivesTheSamePackets) {
  const CycleSettings settings;
  TestCycle first(settings, 0.07, 42);
  TestCycle again(settings, 0.07, 42);
  TestCycle other(settings, 0.07, 43);
  bool differs = false;
  for (int i = 0; i < 500; ++i) {
    const PacketFields f = first.Next();
    ASSERT_EQ(f, again.Next()) << "packet " << i;
    differs = differs || f != other.Next();
  }
  EXPECT_TRUE(differs);
}

TEST(TestCycle, RejectsACycleThatCannotRun) {
  const std::vector<std::pair<CycleSettings, double>> cases = {
      {Settings(3, 20, 50, 100, 50, 5.0), 0.07}, {Settings(0, 20, 50, 100, 50, 5.0), 0.07},
      {Settings(2, 20, 0, 100, 50, 5.0), 0.07},  {Settings(2, 20, 50, 0, 50, 5.0), 0.07},
      {Settings(2, 20, 50, 100, 0, 5.0), 0.07},  {Settings(2, 20, 50, 100, 50, -1.0), 0.07},
      {Settings(2, 20, 50, 100, 50, 5.0), 0.0},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    EXPECT_THROW(TestCycle(cases[i].first, cases[i].second, 1), std::invalid_argument)
        << "case " << i;
  }
}

}  // namespace
}  // namespace sim

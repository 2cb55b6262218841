#include "sim/runner.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <string_view>
#include <vector>

#include "sim/simulator.h"

namespace sim {
namespace {

// Keeps every write; says the reader has gone once `limit` writes were taken.
class RecordingOutput : public Output {
 public:
  explicit RecordingOutput(std::size_t limit = SIZE_MAX) : limit_(limit) {}

  bool Write(std::string_view bytes) override {
    writes.emplace_back(bytes);
    return writes.size() < limit_;
  }

  std::vector<std::string> writes;

 private:
  std::size_t limit_;
};

SimOptions Unpaced() {
  SimOptions options;
  options.rate = 0.0;
  options.seed = 8;
  return options;
}

TEST(RunStream, WritesTheSimulatorsBatchesAsTheyAre) {
  SimOptions options = Unpaced();
  options.count = 130;
  options.faults.split = 0.1;
  options.faults.burst = 7;
  options.faults.garbage = 0.2;
  RecordingOutput output;
  const volatile std::sig_atomic_t stop = 0;

  RunStream(options, output, stop);

  std::vector<std::string> expected;
  Simulator simulator(options);
  for (std::int64_t sent = 0; sent < *options.count;) {
    Batch batch = simulator.NextBatch(*options.count - sent);
    sent += batch.packets;
    expected.insert(expected.end(), batch.writes.begin(), batch.writes.end());
  }
  EXPECT_EQ(output.writes, expected);
  std::string joined;
  for (const std::string& write : output.writes) {
    joined += write;
  }
  EXPECT_EQ(joined, GenerateStream(options, 130));
}

TEST(RunStream, EndsWhenTheReaderGoesAway) {
  RecordingOutput output(3);
  const volatile std::sig_atomic_t stop = 0;
  RunStream(Unpaced(), output, stop);  // no count: only the output can end it
  EXPECT_EQ(output.writes.size(), 3u);
}

TEST(RunStream, WritesNothingOnceStopped) {
  RecordingOutput output;
  const volatile std::sig_atomic_t stop = 1;
  RunStream(Unpaced(), output, stop);
  EXPECT_TRUE(output.writes.empty());
}

}  // namespace
}  // namespace sim

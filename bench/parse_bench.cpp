// Decoding speed of the packet decoder against the 9600-baud line rate.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "acquisition/acquisition_state.h"
#include "acquisition/live_packet.h"
#include "acquisition/packet_decoder.h"
#include "acquisition/packet_sink.h"
#include "acquisition/setup_window.h"
#include "acquisition/status_window.h"
#include "core/text_box.h"
#include "doubles/fake_clock.h"

namespace {

// Packets per second the line can carry: 960 characters a second, 67 characters a packet.
constexpr double kLinePacketsPerSecond = 960.0 / 67.0;

// Calibration and plotting cost nothing here: only the decoder is measured.
class NullSink : public acquisition::PacketSink {
 public:
  void CalibrateData() override {}
  std::int32_t CalcChartBias() override { return 0; }
  void PlotHist(std::int16_t& y) override { benchmark::DoNotOptimize(y); }
};

// One packet of a test cycle: the set-up stays, status and flow change as a real test's do.
std::string Packet(char testStatus, int flowRate) {
  char text[80];
  std::snprintf(text, sizeof text,
                "\x02"
                "40112R%cN000100%04d025704902020050100050100050.5005.010.62 05002010\r\n",
                testStatus, flowRate);
  return text;
}

// Joined receive texts as the receive path hands them over: previous chunk + current chunk.
std::vector<std::string> JoinedTexts() {
  const char phases[] = {'Y', 'Z', 'F', 'S', 'R'};
  std::vector<std::string> chunks;
  for (int i = 0; i < 500; ++i) chunks.push_back(Packet(phases[i / 100], 400 + (i * 37) % 600));
  std::vector<std::string> joined;
  for (std::size_t i = 1; i < chunks.size(); ++i) joined.push_back(chunks[i - 1] + chunks[i]);
  return joined;
}

void BM_Parse(benchmark::State& state) {
  acquisition::LivePacket packet;
  acquisition::KM4400SetUp setup;
  acquisition::StatusForm status;
  core::TextBox flowScaleFactor{"FlowScaleFactor"};
  acquisition::AcquisitionState acquisition;
  acquisition.EventsSinceStart = 2;
  float realTimeStamp = 0;
  doubles::FakeClock clock;
  NullSink sink;
  acquisition::PacketDecoder decoder(
      {packet, setup, status, flowScaleFactor, acquisition, realTimeStamp}, clock, sink);
  const std::vector<std::string> texts = JoinedTexts();
  std::size_t next = 0;
  for (auto _ : state) {
    decoder.Parse(texts[next]);
    if (++next == texts.size()) next = 0;
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["x_line_rate"] = benchmark::Counter(
      static_cast<double>(state.iterations()) / kLinePacketsPerSecond, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Parse);

}  // namespace

BENCHMARK_MAIN();

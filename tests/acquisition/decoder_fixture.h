#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "acquisition/acquisition_state.h"
#include "acquisition/live_packet.h"
#include "acquisition/packet_decoder.h"
#include "acquisition/packet_sink.h"
#include "acquisition/setup_window.h"
#include "acquisition/status_window.h"
#include "core/step_failure.h"
#include "core/text_box.h"
#include "doubles/fake_clock.h"

namespace acquisition {

// Field offsets of an instrument packet, counted from its STX.
namespace offset {
constexpr std::size_t kVersion = 1, kPartNumber = 4, kMode = 6, kTestStatus = 7, kCompletion = 8,
                      kPressReference = 12, kFlowRate = 15, kFlowScale = 19, kFlowZero = 23,
                      kTimeBase = 27, kZeroTime = 28, kFillTime = 31, kStabTime = 34,
                      kReadTime = 37, kMaxSlope = 40, kMinFlow = 42, kTCFactor = 45,
                      kLeakLimit = 49, kCalLeak = 53, kZeroSelect = 57, kFlowSlopeLim = 59,
                      kFlowNegLimit = 62, kPressureTol = 65;
}  // namespace offset

// A realistic 67-character packet that tests change field by field.
class TestPacket {
 public:
  TestPacket()
      : text_(std::string("\x02") + "401" + "12" + "RYN" + "000" + "100" + "0490" + "0257" +
              "0490" + "2" + "020" + "050" + "100" + "050" + "10" + "005" + "0.50" + "05.0" +
              "10.6" + "2" + " " + "050" + "020" + "10") {}

  // Overwrites the field at `at`; a field keeps its width, so the others stay in place.
  TestPacket& Set(std::size_t at, std::string_view field) {
    text_.replace(at, field.size(), field);
    return *this;
  }
  const std::string& Text() const { return text_; }
  operator std::string_view() const { return text_; }

 private:
  std::string text_;
};

// A packet sink that records its calls and can be told to fail.
class RecordingSink : public PacketSink {
 public:
  void CalibrateData() override {
    calls.push_back("CalibrateData");
    if (onCalibrate) onCalibrate();
    if (failCalibrate) throw core::StepFailure("calibration");
  }
  std::int32_t CalcChartBias() override {
    calls.push_back("CalcChartBias");
    if (failBias) throw core::StepFailure("bias");
    return bias;
  }
  void PlotHist(std::int16_t& y) override {
    calls.push_back("PlotHist");
    plotted.push_back(y);
    if (failPlot) throw core::StepFailure("plot");
  }

  std::vector<std::string> calls;
  std::vector<std::int16_t> plotted;
  std::int32_t bias = 0;
  bool failCalibrate = false;
  bool failBias = false;
  bool failPlot = false;
  std::function<void()> onCalibrate;
};

// Everything the decoder writes, with a decoder over it.
struct DecoderFixture {
  LivePacket packet;
  KM4400SetUp setup;
  StatusForm status;
  core::TextBox flowScaleFactor{"FlowScaleFactor"};
  AcquisitionState state;
  float realTimeStamp = 0;
  doubles::FakeClock clock;
  RecordingSink sink;
  PacketDecoder decoder{
      {packet, setup, status, flowScaleFactor, state, realTimeStamp}, clock, sink};

  // Parses as after the warm-up, when every event is decoded.
  void Decode(std::string_view text) {
    state.EventsSinceStart = 2;
    decoder.Parse(text);
  }
};

}  // namespace acquisition

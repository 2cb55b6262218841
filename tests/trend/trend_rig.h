#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "acquisition/live_packet.h"
#include "acquisition/setup_window.h"
#include "core/menu_item.h"
#include "core/text_box.h"
#include "doubles/fake_clock.h"
#include "doubles/recording_surface.h"
#include "scaling/graph_setup_window.h"
#include "scaling/scale_state.h"
#include "scaling/serial_form.h"
#include "trend/chart_frame.h"
#include "trend/chart_memory.h"
#include "trend/live_plotter.h"
#include "trend/pen_colour_window.h"
#include "trend/plot_colours.h"
#include "trend/plot_state.h"
#include "trend/trend_controls.h"

namespace trendtest {

// The windows, values and doubles live plotting works on, wired as the program wires them;
// the hooks to other subsystems record their names in `hooks`.
struct TrendRig {
  enum Mode { kContinuous = 0, kSingleTest = 1, kAutomatic = 2 };

  TrendRig() {
    const char* captions[3] = {"C&ontinuous", "Single Test T&riggering by KM4400",
                               "&Automatic Test Retriggering by KM4400"};
    for (int i = 0; i < 3; ++i) {
      modes[static_cast<std::size_t>(i)] = std::make_unique<core::MenuItem>(
          core::Indexed("Trend_Screen_Item", i), captions[i], i == 2);
    }
    memory.Allocate(772);
    frame = trend::ChartFrame{770, 1775, 233};
    graphSetup.LeakLimitCheckBox.SetValue(0);  // most cases look at the trace alone
    packet.TestStatus = "Y";
    packet.ZeroTime = "000";
    packet.FlowRateCount = "0500";
    packet.TCFactor = "0.5";
    controls = std::make_unique<trend::TrendControls>(
        state, graphSetup, penColour, surface, clock,
        trend::TrendControlsLinks{modes, text3, text2,
                                  [this] { hooks.push_back("stopAcquisition"); }});
    plotter = std::make_unique<trend::LivePlotter>(
        packet, setup, graphSetup, serialForm, scale, state, memory, frame, surface, clock, colours,
        trend::LivePlotterLinks{text3, text2, *modes[0], *modes[1], *modes[2], clearOnRollover,
                                [this] { hooks.push_back("save"); },
                                [this] {
                                  hooks.push_back("resetChartPosition");
                                  controls->Command2_Click();
                                },
                                [this] {
                                  hooks.push_back("resetTime");
                                  controls->Reset_Command_Click();
                                },
                                [this] {
                                  hooks.push_back("startStop");
                                  StartPlotting();
                                }});
  }

  void Choose(Mode mode) { modes[static_cast<std::size_t>(mode)]->Click(); }

  // What the start/stop button does to the chart when plotting starts.
  void StartPlotting() {
    memory.ChartIndex = 0;
    controls->PlotSequenceStep();
  }

  // One decoded packet with the given status and chart value.
  void Feed(const std::string& status, std::int16_t y = 500) {
    packet.TestStatus = status;
    plotter->PlotHist(y);
  }

  // The entries of the chart memory written so far, as "x,y,status".
  std::vector<std::string> Stored() const {
    std::vector<std::string> out;
    int count = memory.ChartWrapped ? trend::ChartMemory::kUsedEntries : memory.ChartCount;
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
      out.push_back(std::to_string(memory.ChartX[i]) + "," + std::to_string(memory.ChartY[i]) +
                    "," + memory.ChartStatus[i]);
    }
    return out;
  }

  // The logged lines drawn in one colour.
  std::vector<std::string> LinesIn(const std::string& colour) const {
    std::vector<std::string> out;
    for (const auto& call : surface.Calls()) {
      if (call.rfind("Line ", 0) == 0 && call.size() >= 7 &&
          call.substr(call.size() - 7) == colour) {
        out.push_back(call);
      }
    }
    return out;
  }

  int Count(const std::string& call) const {
    int n = 0;
    for (const auto& c : surface.Calls()) n += c == call ? 1 : 0;
    return n;
  }

  acquisition::LivePacket packet;
  acquisition::KM4400SetUp setup;
  scaling::GraphSetup graphSetup;
  scaling::SerialForm serialForm;
  scaling::ScaleState scale;
  trend::PlotState state;
  trend::ChartMemory memory;
  trend::ChartFrame frame;
  doubles::RecordingSurface surface;
  doubles::FakeClock clock;
  trend::PenColour penColour;
  trend::PlotColours colours{penColour};
  std::array<std::unique_ptr<core::MenuItem>, 3> modes;
  core::MenuItem clearOnRollover{"Trend_Item(3)", "&Clear On Rollover"};
  core::TextBox text3{"Text3"};
  core::TextBox text2{"Text2", "0"};
  std::vector<std::string> hooks;
  std::unique_ptr<trend::TrendControls> controls;
  std::unique_ptr<trend::LivePlotter> plotter;
};

}  // namespace trendtest

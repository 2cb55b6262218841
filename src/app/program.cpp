#include "app/program.h"

#include "core/numbers.h"
#include "records/test_header.h"

namespace app {

Program::Program(Platform platform)
    : loadForm(platform.files.DefaultLeakFolder()),
      platform_(platform),
      timeScale_(graphSetup, scaleState),
      chartScale_(setup, graphSetup, serialForm, livePacket, scaleState, plotState.TempCompOffset,
                  platform.dialogs, timeScale_),
      serialFormActions_(serialForm, setup, graphSetup, chartScale_),
      canvas_(platform.chart, graphSetup, chartFrame, mainForm.Axis, mainForm.TimeAxis),
      plotColours_(penColour),
      graphSetupActions_(graphSetup, scaleState, timeScale_, chartScale_,
                         {mainForm.NumberSecPerDiv,
                          [this](double seconds) { canvas_.WriteTimeLabels(seconds); },
                          [this] { AllocateChartMemory(); }}),
      flowCalibration_(livePacket, setup, graphSetup, serialForm, scaleState, timeScale_, chartScale_,
                       serialFormActions_,
                       {mainForm.PlotFooter,
                        [this] { return records::BuildTestHeader(setup, platform_.clock); },
                        [this] { canvas_.SetChartScale(); }}),
      decoder_({livePacket, setup, status, serialForm.FlowScaleFactor, acquisitionState,
                plotState.RealTimeStamp},
               platform.clock, *this),
      setupActions_(setup, status,
                    {[this] { WriteFlowLabels(); }, [this] { graphSetupActions_.Rescale_Click(); },
                     serialForm.SetUpMaximumFlow}) {
  receivePath_ = std::make_unique<acquisition::ReceivePath>(
      platform.port,
      acquisition::ReceivePathControls{mainForm.Stop_Command, *mainForm.Setup_Item[0],
                                       *mainForm.Setup_Item[1], serialForm.Text1, serialForm.Text2,
                                       mainForm.Notice},
      acquisitionState, decoder_, platform.clock, [this] {
        chartMemory.ChartIndex = 0;
        trendControls_->PlotSequenceStep();
      });
  trendControls_ = std::make_unique<trend::TrendControls>(
      plotState, graphSetup, penColour, platform.chart, platform.clock,
      trend::TrendControlsLinks{mainForm.Trend_Screen_Item, mainForm.Text3, mainForm.Text2,
                                [this] {
                                  if (platform_.port.PortOpen()) platform_.port.SetPortOpen(false);
                                  receivePath_->ShowStopped();
                                }});
  plotter_ = std::make_unique<trend::LivePlotter>(
      livePacket, setup, graphSetup, serialForm, scaleState, plotState, chartMemory, chartFrame,
      platform.chart, platform.clock, plotColours_,
      trend::LivePlotterLinks{mainForm.Text3, mainForm.Text2, *mainForm.Trend_Screen_Item[0],
                              *mainForm.Trend_Screen_Item[1], *mainForm.Trend_Screen_Item[2],
                              mainForm.ClearOnRollover,
                              [] {},  // the save of a finished test comes with the test records
                              [this] { trendControls_->Command2_Click(); },
                              [this] { trendControls_->Reset_Command_Click(); },
                              [this] { receivePath_->Stop_Command_Click(); }});
  WireWindows();
  WireMenus();
  RegisterValues();
}

Program::~Program() = default;

void Program::CalibrateData() { flowCalibration_.CalibrateData(); }
std::int32_t Program::CalcChartBias() { return chartScale_.CalcChartBias(); }
void Program::PlotHist(std::int16_t& y) { plotter_->PlotHist(y); }

void Program::AfterEvents() {
  if (!ended_) receivePath_->AfterEvents();
}

void Program::AllocateChartMemory() {
  chartMemory.Allocate(core::RoundToInt32(core::NumericValue(graphSetup.HistPaperLength.Text()) + 2));
}

void Program::WriteFlowLabels() {
  canvas_.WriteFlowLabels(core::NumericValue(setup.MaximumFlow.Text()));
}

core::Window* Program::FindWindow(const std::string& name) const {
  for (core::Window* window : Windows()) {
    if (window->Name() == name) return window;
  }
  return nullptr;
}

std::vector<core::Window*> Program::Windows() const {
  auto* self = const_cast<Program*>(this);
  return {&self->mainForm,   &self->setup,     &self->status, &self->serialForm,
          &self->graphSetup, &self->penColour, &self->about,  &self->loadForm};
}

}  // namespace app

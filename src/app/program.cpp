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
      linkStatistics_(
          platform.port, platform.clock,
          {mainForm.LinkStatus, serialForm.PacketsPerSecond, serialForm.PacketsWithoutStx,
           serialForm.PacketsTooShort, serialForm.SecondsWithoutData}),
      setupActions_(setup, status,
                    {[this] { WriteFlowLabels(); }, [this] { graphSetupActions_.Rescale_Click(); },
                     serialForm.SetUpMaximumFlow}),
      saver_(setup, graphSetup, chartMemory, plotState, platform.clock, platform.dialogs,
             platform.files, {*mainForm.Trend_Screen_Item[2], mainForm.Notice, startDir_}),
      csvExporter_(selectedFiles, saver_, platform.dialogs, platform.files, mainForm.Notice),
      loadFormActions_(loadForm, selectedFiles, platform.files, platform.dialogs),
      grapher_(selectedFiles, setup, graphSetup, livePacket, scaleState, chartFrame, plotState,
               chartMemory, storedTestValues, platform.chart, platform.dialogs, platform.files,
               {loadForm.List1, mainForm.PlotFooter, mainForm.NumberSecPerDiv, mainForm.Text3,
                [this] { trendControls_->Command2_Click(); },
                [this] { trendControls_->Command4_Click(); },
                [this](double fullScaleFlow) { canvas_.WriteFlowLabels(fullScaleFlow, true); },
                [this](std::int16_t& x, std::int16_t& y, std::int32_t plot) {
                  plotter_->DrawChartSegment(x, y, plot);
                },
                [this] {
                  if (pendingEvents_) pendingEvents_();
                }}),
      reportReader_(storedTestValues, plotState.StoredTempCompOffset, platform.dialogs,
                    platform.files),
      parameterBlock_(storedTestValues, livePacket),
      previewDrawer_(reports::ReportStyle::Preview(), selectedFiles, reportReader_,
                     storedTestValues, parameterBlock_, plotColours_, graphSetup,
                     plotState.StoredTempCompOffset, platform.dialogs),
      printDrawer_(reports::ReportStyle::Printed(), selectedFiles, reportReader_,
                   storedTestValues, parameterBlock_, plotColours_, graphSetup,
                   plotState.StoredTempCompOffset, platform.dialogs),
      printedReport_(printDrawer_, selectedFiles, platform.printer, platform.dialogs,
                     mainForm.Notice),
      printPreview_(printDrawForm, platform.picture, previewDrawer_, selectedFiles, chartFrame,
                    platform.dialogs, printedReport_),
      history_(platform.files),
      historyActions_(testHistory, controlChart, history_, platform.dialogs, platform.files,
                      {selectedFiles, loadForm.List1, [this] { grapher_.Graph_Click(); },
                       [this] { printPreview_.PrintPreview_Click(); },
                       [this] { printedReport_.Print_Click(); }, mainForm.Notice}) {
  receivePath_ = std::make_unique<acquisition::ReceivePath>(
      platform.port,
      acquisition::ReceivePathControls{mainForm.Stop_Command, *mainForm.Setup_Item[0],
                                       *mainForm.Setup_Item[1], serialForm.Text1, serialForm.Text2,
                                       mainForm.Notice},
      acquisitionState, decoder_, platform.clock, [this] {
        chartMemory.ChartIndex = 0;
        trendControls_->PlotSequenceStep();
        linkStatistics_.Start();
      });
  receivePath_->OnChunk([this](const std::string& chunk, const std::string& joined) {
    linkStatistics_.Received(chunk, joined);
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
                              [this] { saver_.SaveFinishedTest(); },
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

bool Program::BackgroundStep() {
  if (ended_ || receivePath_->InEvent()) return false;
  return historyActions_.BackgroundStep();
}

void Program::RefreshLinkStatistics() {
  if (ended_ || receivePath_->InEvent()) return;
  linkStatistics_.Refresh();
  historyActions_.Poll();
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
          &self->graphSetup, &self->penColour, &self->about,  &self->loadForm,
          &self->printDrawForm, &self->testHistory, &self->controlChart};
}

}  // namespace app

#include <cstdint>
#include <string>

#include "app/program.h"
#include "core/numbers.h"

namespace app {
namespace {

std::string Text(bool value) { return value ? "true" : "false"; }
std::string Text(std::int16_t value) { return std::to_string(value); }
std::string Text(std::int32_t value) { return std::to_string(value); }
std::string Text(float value) { return core::SingleText(value); }
std::string Text(const std::string& value) { return value; }

void Assign(bool& target, const std::string& text) { target = text == "true" || text == "1"; }
void Assign(std::int16_t& target, const std::string& text) { target = core::RoundToInt16(core::StrictNumericValue(text)); }
void Assign(std::int32_t& target, const std::string& text) { target = core::RoundToInt32(core::StrictNumericValue(text)); }
void Assign(float& target, const std::string& text) { target = static_cast<float>(core::StrictNumericValue(text)); }
void Assign(std::string& target, const std::string& text) { target = text; }

template <typename T>
void AddVariable(core::ValueRegistry& values, const std::string& name, T& variable) {
  values.Add(
      name, [&variable] { return Text(variable); }, [&variable](const std::string& text) { Assign(variable, text); });
}

template <typename T>
void AddArray(core::ValueRegistry& values, const std::string& name, const std::vector<T>& array) {
  values.AddIndexed(name, [&array](int index) -> std::optional<std::string> {
    if (index < 0 || static_cast<std::size_t>(index) >= array.size()) return std::nullopt;
    return Text(array[static_cast<std::size_t>(index)]);
  });
}

}  // namespace

// Program-wide values by their design names, for the session runner and diagnostics.
void Program::RegisterValues() {
  acquisition::LivePacket& p = livePacket;
  std::pair<const char*, std::string*> fields[] = {
      {"Version", &p.Version},         {"PartNumber", &p.PartNumber},
      {"Mode", &p.Mode},               {"TestStatus", &p.TestStatus},
      {"CompletionStatus", &p.CompletionStatus}, {"PressReference", &p.PressReference},
      {"FlowRateCount", &p.FlowRateCount}, {"FlowScaleCount", &p.FlowScaleCount},
      {"FlowZero", &p.FlowZero},       {"TimeBaseCode", &p.TimeBaseCode},
      {"ZeroTime", &p.ZeroTime},       {"FillTime", &p.FillTime},
      {"StabTime", &p.StabTime},       {"ReadTime", &p.ReadTime},
      {"MaxSlope", &p.MaxSlope},       {"MinFlow", &p.MinFlow},
      {"TCFactor", &p.TCFactor},       {"LeakLimit", &p.LeakLimit},
      {"CalLeak", &p.CalLeak},         {"ZeroSelect", &p.ZeroSelect},
      {"FlowSlopeLim", &p.FlowSlopeLim}, {"FlowNegLimit", &p.FlowNegLimit},
      {"PressureTol", &p.PressureTol}, {"TotalTimeCount", &p.TotalTimeCount}};
  for (auto& [name, field] : fields) AddVariable(values_, std::string("LivePacket.") + name, *field);

  AddVariable(values_, "EventsSinceStart", acquisitionState.EventsSinceStart);
  AddVariable(values_, "CurrentChunk", acquisitionState.CurrentChunk);
  AddVariable(values_, "PreviousChunk", acquisitionState.PreviousChunk);

  AddVariable(values_, "TimeMultiplier", scaleState.TimeMultiplier);
  AddVariable(values_, "PacketSkip", scaleState.PacketSkip);
  AddVariable(values_, "CalPrevTestStatus", scaleState.CalPrevTestStatus);
  AddVariable(values_, "ChartMax", scaleState.ChartMax);
  AddVariable(values_, "ChartMin", scaleState.ChartMin);
  values_.Add("LastFlowScaleCount", [this] { return scaleState.LastFlowScaleCount.value_or(""); });

  AddVariable(values_, "ChartXMax", chartFrame.ChartXMax);
  AddVariable(values_, "ChartYTop", chartFrame.ChartYTop);
  AddVariable(values_, "ChartYBottom", chartFrame.ChartYBottom);

  AddVariable(values_, "ChartIndex", chartMemory.ChartIndex);
  AddVariable(values_, "ChartCount", chartMemory.ChartCount);
  AddVariable(values_, "ChartWrapped", chartMemory.ChartWrapped);
  values_.Add("ChartMemoryLength", [this] { return std::to_string(chartMemory.ChartX.size()); });
  AddArray(values_, "ChartX", chartMemory.ChartX);
  AddArray(values_, "ChartY", chartMemory.ChartY);
  AddArray(values_, "ChartStatus", chartMemory.ChartStatus);

  trend::PlotState& s = plotState;
  AddVariable(values_, "ChartPosition", s.ChartPosition);
  AddVariable(values_, "PrevTestStatus", s.PrevTestStatus);
  AddVariable(values_, "SkipCounter", s.SkipCounter);
  AddVariable(values_, "RealTimeStamp", s.RealTimeStamp);
  AddVariable(values_, "LastX", s.Last.LastX);
  AddVariable(values_, "LastY", s.Last.LastY);
  AddVariable(values_, "LastYComp", s.Last.LastYComp);
  AddVariable(values_, "TempCompOffset", s.TempCompOffset);
  AddVariable(values_, "StoredTempCompOffset", s.StoredTempCompOffset);
  AddVariable(values_, "GraphingStoredFile", s.GraphingStoredFile);
  AddVariable(values_, "ZeroStartFlowCount", s.ZeroStartFlowCount);
  AddVariable(values_, "ZeroEndFlowCount", s.ZeroEndFlowCount);
  AddVariable(values_, "LiveTempCompOffset", s.LiveTempCompOffset);
  AddVariable(values_, "PlotIndex", s.PlotIndex);
  AddVariable(values_, "PlotsSinceClear", s.PlotsSinceClear);

  values_.AddIndexed("SelectedFiles", [this](int index) -> std::optional<std::string> {
    if (index < 0 || static_cast<std::size_t>(index) >= selectedFiles.size()) return std::nullopt;
    return selectedFiles[static_cast<std::size_t>(index)];
  });
  values_.Add("PreviewPlotNumber", [this] { return std::to_string(previewDrawer_.PlotNumber()); });
  values_.Add("PrintPlotNumber", [this] { return std::to_string(printDrawer_.PlotNumber()); });
  values_.Add("FileExtensionNumber", [this] { return saver_.Namer().FileExtensionNumber(); });

  values_.Add("StartDir", [this] { return startDir_; });
  values_.Add("CurDir", [this] { return platform_.files.CurrentDir(); });
  values_.Add("MSComm1.PortOpen", [this] { return Text(platform_.port.PortOpen()); });
  values_.Add("MSComm1.CommPort", [this] { return std::to_string(platform_.port.PortNumber()); });
  values_.Add("MSComm1.Settings", [this] { return platform_.port.Settings(); });
  values_.Add("MSComm1.InBufferCount", [this] { return std::to_string(platform_.port.InBufferCount()); });
  values_.Add("MSComm1.RThreshold", [this] { return std::to_string(platform_.port.RThreshold()); });
  values_.Add("MSComm1.Device", [this] { return platform_.port.DeviceName(); });
}

}  // namespace app

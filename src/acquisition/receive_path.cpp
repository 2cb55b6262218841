#include "acquisition/receive_path.h"

#include <string>

#include "core/guard.h"
#include "core/numbers.h"
#include "core/rgb.h"

namespace acquisition {
namespace {

constexpr const char* kLineSettings = "9600,N,8,1";
constexpr const char* kStartCaption = "Start Plotting";
constexpr const char* kStopCaption = "Stop Plotting";
constexpr core::Rgb kLightGreen = core::MakeRgb(192, 255, 192);
constexpr core::Rgb kLightRed = core::MakeRgb(255, 192, 192);
// Unread characters beyond this many receive thresholds mean the program has fallen behind.
constexpr int kOverrunThresholds = 5;
constexpr char kStx = '\x02';

// Clears a flag however the scope is left.
struct FlagReset {
  bool& flag;
  ~FlagReset() { flag = false; }
};

}  // namespace

std::vector<std::string> ChunksByPacket(const std::string& text) {
  std::vector<std::string> chunks;
  std::size_t start = 0;
  // The first chunk runs up to the second STX, so that it holds the first packet beginning in
  // the text together with whatever came before it.
  std::size_t stx = text.find(kStx);
  if (stx != std::string::npos) stx = text.find(kStx, stx + 1);
  while (stx != std::string::npos) {
    chunks.push_back(text.substr(start, stx - start));
    start = stx;
    stx = text.find(kStx, stx + 1);
  }
  chunks.push_back(text.substr(start));
  return chunks;
}

ReceivePath::ReceivePath(core::SerialPort& port, ReceivePathControls controls,
                         AcquisitionState& state, PacketDecoder& decoder, const core::Clock& clock,
                         std::function<void()> onPlottingStart)
    : port_(port),
      c_(controls),
      state_(state),
      decoder_(decoder),
      clock_(clock),
      onPlottingStart_(std::move(onPlottingStart)) {
  port_.OnComm([this] { MSComm1_OnComm(); });
  port_.OnNotice([this](const std::string& notice) { c_.notice.SetText(notice); });
  port_.OnLost([this](const std::string& reason) { Lost(reason); });
  port_.OnDeviceBack([this] { DeviceBack(); });
}

void ReceivePath::SetUpPort(int configuredPort) {
  port_.SetSettings(kLineSettings);
  port_.SetInputLen(0);
  if (configuredPort == 1 || configuredPort == 2) SelectPort(configuredPort - 1);
}

void ReceivePath::MSComm1_OnComm() {
  // An event raised while one is handled (a message box's nested event loop) waits for it.
  if (inEvent_) {
    deferred_ = true;
    return;
  }
  inEvent_ = true;
  FlagReset reset{inEvent_};
  HandleChunk(port_.Input());
  // Characters that came while a box waited inside this event raised no event of their own,
  // or one that was held back. Each would have carried about one packet: catch up on them one
  // packet at a time, so that every packet is decoded, not just the first.
  while (deferred_ || loopRanInside_) {
    bool raised = deferred_;
    deferred_ = false;
    loopRanInside_ = false;
    std::string waiting = port_.Input();
    if (waiting.empty() && !raised) break;
    for (const std::string& chunk : ChunksByPacket(waiting)) HandleChunk(chunk);
  }
}

void ReceivePath::HandleChunk(const std::string& chunk) {
  // A failing step ends this event's handling, never the program.
  core::Guarded([&] {
    state_.CurrentChunk = chunk;
    std::string joined = state_.PreviousChunk + state_.CurrentChunk;
    if (onChunk_) onChunk_(state_.CurrentChunk, joined);
    decoder_.Parse(joined);
    c_.joinedText.SetText(state_.CurrentChunk + state_.PreviousChunk);
    c_.eventCount.SetText(core::NumberText(core::NumericValue(c_.eventCount.Text()) + 1));
    state_.PreviousChunk = state_.CurrentChunk;
  });
}

void ReceivePath::Setup_Item_Click(int index) {
  const core::MenuItem& clicked = index == 0 ? c_.port1 : c_.port2;
  if (clicked.Checked()) return;
  SelectPort(index);
}

void ReceivePath::SelectPort(int index) {
  c_.port1.SetChecked(index == 0);
  c_.port2.SetChecked(index == 1);
  // The button keeps its caption: choosing a port while plotting halts the run.
  if (port_.PortOpen()) port_.SetPortOpen(false);
  port_.SetPortNumber(index + 1);
}

void ReceivePath::Stop_Command_Click() {
  if (c_.stopCommand.Caption() == kStopCaption) {
    ShowStopped();
    if (port_.PortOpen()) port_.SetPortOpen(false);
    watching_ = false;
    return;
  }
  onPlottingStart_();
  state_.EventsSinceStart = 0;
  c_.stopCommand.SetBackColour(kLightRed);
  c_.stopCommand.SetCaption(kStopCaption);
  port_.SetPortOpen(true);
  // A failed open leaves the port's own notice; a good one clears any old notice.
  if (port_.PortOpen()) c_.notice.SetText("");
  watching_ = true;
}

void ReceivePath::ShowStopped() {
  c_.stopCommand.SetCaption(kStartCaption);
  c_.stopCommand.SetBackColour(kLightGreen);
}

void ReceivePath::AfterEvents() {
  // Inside an unfinished event (a box is open) nobody may read yet: nothing has fallen behind.
  if (inEvent_) {
    loopRanInside_ = true;
    return;
  }
  if (!watching_) return;
  if (!port_.PortOpen()) {
    watching_ = false;
    return;
  }
  int limit = kOverrunThresholds * port_.RThreshold();
  int unread = port_.InBufferCount();
  if (unread <= limit) return;
  port_.SetPortOpen(false);
  watching_ = false;
  c_.notice.SetText(PortLabel() + " closed: " + std::to_string(unread) +
                    " characters were left unread, more than " + std::to_string(limit) +
                    "; plotting has halted");
}

// The port is already closed; the button keeps "Stop Plotting" (the run is halted).
void ReceivePath::Lost(const std::string& reason) {
  watching_ = false;
  c_.notice.SetText(PortLabel() + " was lost at " + clock_.LongTime() + ": " + reason +
                    "; plotting has halted");
}

void ReceivePath::DeviceBack() {
  // Inside an unfinished event (a box is open) nothing opens; the watch asks again.
  if (inEvent_ || port_.PortOpen()) return;
  // Only a halted run goes on: after a stop the device is no longer wanted.
  if (c_.stopCommand.Caption() != kStopCaption) {
    port_.SetPortOpen(false);
    return;
  }
  // The first chunks after the gap may begin inside a packet: pass them over as at a start.
  // The chart memory, the colour and the position stay: it is the same run.
  state_.EventsSinceStart = 0;
  port_.SetPortOpen(true);
  if (!port_.PortOpen()) return;  // the port's notice says why; the watch goes on
  watching_ = true;
  c_.notice.SetText(PortLabel() + " is back: reopened at " + clock_.LongTime() +
                    ", plotting goes on");
}

std::string ReceivePath::PortLabel() const {
  return "Comm Port " + std::to_string(port_.PortNumber()) + " (" + port_.DeviceName() + ")";
}

}  // namespace acquisition

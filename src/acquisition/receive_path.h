#pragma once

#include <functional>
#include <string>
#include <vector>

#include "acquisition/acquisition_state.h"
#include "acquisition/packet_decoder.h"
#include "core/button.h"
#include "core/menu_item.h"
#include "core/platform/clock.h"
#include "core/platform/serial_port.h"
#include "core/text_box.h"

namespace acquisition {

// The main window's controls that the receive path reads and writes.
struct ReceivePathControls {
  core::Button& stopCommand;      // LeakMainForm.Stop_Command
  core::MenuItem& port1;          // LeakMainForm.Setup_Item(0)
  core::MenuItem& port2;          // LeakMainForm.Setup_Item(1)
  core::TextBox& joinedText;      // SerialForm.Text1
  core::TextBox& eventCount;      // SerialForm.Text2
  core::TextBox& notice;          // LeakMainForm.Notice
};

// Characters held back while an event was handled, cut into the chunks that one event each
// would have read: every chunk but the first begins with an STX, and each holds one.
std::vector<std::string> ChunksByPacket(const std::string& text);

// The serial link (MSComm1): port selection, Start/Stop Plotting, the communication event
// and the overrun watch. A communication event runs to completion; one raised while another
// is being handled (a message box's nested event loop) is deferred until it has ended.
// A device lost while plotting halts the run; when it is back at its name while the button
// still shows "Stop Plotting", the port is reopened and plotting goes on.
class ReceivePath {
 public:
  ReceivePath(core::SerialPort& port, ReceivePathControls controls, AcquisitionState& state,
              PacketDecoder& decoder, const core::Clock& clock,
              std::function<void()> onPlottingStart);

  // Start-up: line settings, input length, then the configured port (1 or 2; others ignored).
  void SetUpPort(int configuredPort);
  void MSComm1_OnComm();
  void Setup_Item_Click(int index);
  void Stop_Command_Click();
  // Shows the Stopped state on the button (used by Reset Chart Position).
  void ShowStopped();
  // The overrun watch, run each time the pending events have been handled.
  void AfterEvents();
  // Told of every chunk handled, with the joined text the decoder is given.
  void OnChunk(std::function<void(const std::string& chunk, const std::string& joined)> observer) {
    onChunk_ = std::move(observer);
  }
  // A communication event is being handled (a box may be open inside it).
  bool InEvent() const { return inEvent_; }

 private:
  void SelectPort(int index);
  void HandleChunk(const std::string& chunk);
  void Lost(const std::string& reason);
  void DeviceBack();
  std::string PortLabel() const;

  core::SerialPort& port_;
  ReceivePathControls c_;
  AcquisitionState& state_;
  PacketDecoder& decoder_;
  const core::Clock& clock_;
  std::function<void()> onPlottingStart_;
  std::function<void(const std::string&, const std::string&)> onChunk_;
  bool watching_ = false;
  bool inEvent_ = false;
  bool deferred_ = false;
  bool loopRanInside_ = false;  // an event loop (a box) ran while an event was handled
};

}  // namespace acquisition

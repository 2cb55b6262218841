#include "doubles/scripted_serial_port.h"

namespace doubles {

void ScriptedSerialPort::SetPortOpen(bool open) {
  if (open && failReason_) {
    std::string reason = *failReason_;
    failReason_.reset();
    if (notice_)
      notice_("Comm Port " + std::to_string(port_) + " (" + DeviceName() +
              ") could not be opened: " + reason);
    return;
  }
  watching_ = false;
  if (open == open_) return;
  open_ = open;
  if (open) ++openCount_;
  buffer_.clear();  // opening starts empty, closing discards what was not read
  pretendCount_.reset();
}

std::string ScriptedSerialPort::Input() {
  std::string out;
  out.swap(buffer_);
  return out;
}

int ScriptedSerialPort::InBufferCount() const {
  return pretendCount_ ? *pretendCount_ : static_cast<int>(buffer_.size());
}

void ScriptedSerialPort::Deliver(const std::string& bytes) {
  buffer_ += bytes;
  if (comm_) comm_();
}

void ScriptedSerialPort::Lose(const std::string& reason) {
  if (!open_) return;
  open_ = false;
  buffer_.clear();
  watching_ = true;
  if (lost_) lost_(reason);
}

void ScriptedSerialPort::DeviceAppears() {
  if (watching_ && back_) back_();
}

}  // namespace doubles

#include "sim/packet.h"

#include <stdexcept>

namespace sim {
namespace {

void AppendNumber(std::string& out, const char* name, int value, int width) {
  std::string digits = std::to_string(value);
  if (value < 0 || digits.size() > static_cast<std::size_t>(width)) {
    throw std::invalid_argument(std::string(name) + " " + digits + " does not fit " +
                                std::to_string(width) + " digits");
  }
  out.append(width - digits.size(), '0');
  out += digits;
}

void AppendText(std::string& out, const char* name, const std::string& text, std::size_t width) {
  if (text.size() != width) {
    throw std::invalid_argument(std::string(name) + " \"" + text + "\" is not " +
                                std::to_string(width) + " characters");
  }
  if (text.find(kStx) != std::string::npos) {
    throw std::invalid_argument(std::string(name) + " may not contain STX");
  }
  out += text;
}

void AppendChar(std::string& out, const char* name, char value) {
  if (value == kStx) {
    throw std::invalid_argument(std::string(name) + " may not be STX");
  }
  out += value;
}

}  // namespace

std::string FormatPacket(const PacketFields& f) {
  std::string out;
  out.reserve(kPacketLength);
  out += kStx;
  AppendNumber(out, "version", f.version, 3);
  AppendNumber(out, "part number", f.partNumber, 2);
  AppendChar(out, "mode", f.mode);
  AppendChar(out, "test status", f.testStatus);
  AppendChar(out, "completion status", f.completionStatus);
  out += "000";
  AppendNumber(out, "pressure reference", f.pressReference, 3);
  AppendNumber(out, "flow rate", f.flowRateCount, 4);
  AppendNumber(out, "flow scale", f.flowScaleCount, 4);
  AppendNumber(out, "flow zero", f.flowZero, 4);
  AppendNumber(out, "time base code", f.timeBaseCode, 1);
  AppendNumber(out, "zero time", f.zeroTime, 3);
  AppendNumber(out, "fill time", f.fillTime, 3);
  AppendNumber(out, "stab time", f.stabTime, 3);
  AppendNumber(out, "read time", f.readTime, 3);
  AppendNumber(out, "max slope", f.maxSlope, 2);
  AppendNumber(out, "min flow", f.minFlow, 3);
  AppendText(out, "TC factor", f.tcFactor, 4);
  AppendText(out, "leak limit", f.leakLimit, 4);
  AppendText(out, "cal leak", f.calLeak, 4);
  AppendNumber(out, "zero select", f.zeroSelect, 1);
  out += '0';
  AppendNumber(out, "flow slope limit", f.flowSlopeLim, 3);
  AppendNumber(out, "flow negative limit", f.flowNegLimit, 3);
  AppendNumber(out, "pressure tolerance", f.pressureTol, 2);
  return out;
}

}  // namespace sim

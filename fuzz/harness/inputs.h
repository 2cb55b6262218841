#pragma once

#include <stdexcept>
#include <string_view>

namespace fuzz {

// What one fuzz input means to each reader. Each runs the input through the product code as
// the program would meet it; a crash, a sanitizer report or a thrown Finding is a fault.

// A receive stream: the first byte picks the trend mode (bits 0-1: none, or item 1 to 3),
// test method plotting (bit 2) and clear on rollover (bit 3); then plotting starts and the
// rest arrives one line (up to and with each LF) per communication event, through decoding,
// calibration and plotting.
void PacketStream(std::string_view input);

// "testconfig.txt" read at start-up and written at shut-down; what shut-down writes must
// read back to the same file.
void ConfigurationFile(std::string_view input);

// "serialports.txt": read at start-up; its reading must be stable under a write and re-read.
void PortDevicesFile(std::string_view input);

// A session script: read whole (a malformed line is a clean LineError), and each line must
// survive quoting: the quoted form of a line reads back as that line.
void SessionScript(std::string_view input);

// A test data file: read as graphing and the reports read it; when it reads, it is graphed
// from the leak folder and formatted as CSV, and (its texts holding no double quote) what
// the writer makes of it must read back the same.
void TestFile(std::string_view input);

// A property of the product that an input broke.
class Finding : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

}  // namespace fuzz

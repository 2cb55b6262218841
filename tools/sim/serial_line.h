#pragma once

namespace sim {

// Sets a terminal to what the instrument's line is: 9600 baud, 8 data bits, no parity, one
// stop bit, raw (no echo, no line editing, no CR/LF translation). Throws std::system_error.
void ConfigureRawSerial(int fd);

}  // namespace sim

#include "sim/serial_line.h"

#include <termios.h>

#include <cerrno>
#include <system_error>

namespace sim {

void ConfigureRawSerial(int fd) {
  termios settings{};
  if (::tcgetattr(fd, &settings) != 0) {
    throw std::system_error(errno, std::generic_category(), "reading terminal settings");
  }
  ::cfmakeraw(&settings);
  settings.c_cflag &= ~(CSTOPB | PARENB | CSIZE | CRTSCTS);
  settings.c_cflag |= CS8 | CLOCAL | CREAD;
  ::cfsetispeed(&settings, B9600);
  ::cfsetospeed(&settings, B9600);
  if (::tcsetattr(fd, TCSANOW, &settings) != 0) {
    throw std::system_error(errno, std::generic_category(), "setting terminal to 9600 8N1 raw");
  }
}

}  // namespace sim

#include "acquisition/port_devices.h"

#include <gtest/gtest.h>

namespace acquisition {
namespace {

TEST(PortDevicesTest, UnassignedPortsUseThePlatformNames) {
  PortDevices devices;
#ifdef _WIN32
  EXPECT_EQ(devices.DeviceFor(1), "COM1");
  EXPECT_EQ(devices.DeviceFor(2), "COM2");
#else
  EXPECT_EQ(devices.DeviceFor(1), "/dev/ttyS0");
  EXPECT_EQ(devices.DeviceFor(2), "/dev/ttyS1");
#endif
  EXPECT_FALSE(devices.IsAssigned(1));
  EXPECT_EQ(devices.Format(), "");
}

TEST(PortDevicesTest, ReadsAssignmentsAndIgnoresLinesItCannotUse) {
  PortDevices devices = PortDevices::Parse(
      "garbage\n"
      "3=/dev/ttyS9\n"
      "x=/dev/null\n"
      "1=\n"
      "12=/dev/ttyUSB7\n"
      " 2 = /dev/ttyUSB0 \r\n"
      "1=/dev/pts/3\n");
  EXPECT_EQ(devices.DeviceFor(1), "/dev/pts/3");
  EXPECT_EQ(devices.DeviceFor(2), "/dev/ttyUSB0");
  EXPECT_EQ(devices.Format(), "1=/dev/pts/3\n2=/dev/ttyUSB0\n");
}

TEST(PortDevicesTest, FormatReadsBackAndAnEmptyDeviceRestoresTheDefault) {
  PortDevices devices;
  devices.Assign(2, "/dev/ttyUSB0");
  devices.Assign(3, "/dev/ttyUSB1");
  devices.Assign(1, "bad\nname");
  EXPECT_EQ(PortDevices::Parse(devices.Format()).Format(), "2=/dev/ttyUSB0\n");

  devices.Assign(2, "");
  EXPECT_FALSE(devices.IsAssigned(2));
  EXPECT_EQ(devices.DeviceFor(2), PortDevices::DefaultDevice(2));
  EXPECT_EQ(PortDevices::Parse("").Format(), "");
}

}  // namespace
}  // namespace acquisition

#include <string>

#include "acquisition/port_devices.h"
#include "fuzz/harness/inputs.h"
#include "fuzz/harness/program_world.h"

namespace fuzz {

void PortDevicesFile(std::string_view input) {
  std::string text(input);
  acquisition::PortDevices read = acquisition::PortDevices::Parse(text);
  std::string written = read.Format();
  if (acquisition::PortDevices::Parse(written).Format() != written) {
    throw Finding("the written port devices do not read back the same");
  }
  ProgramWorld world("", &text);
  world.program.Form_Load();
  world.program.mainForm.Stop_Command.Click();
  world.program.Exit_Click();
}

}  // namespace fuzz

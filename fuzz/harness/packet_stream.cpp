#include <cstddef>
#include <string>

#include "fuzz/harness/inputs.h"
#include "fuzz/harness/program_world.h"

namespace fuzz {

void PacketStream(std::string_view input) {
  if (input.empty()) return;
  ProgramWorld world("");
  app::Program& program = world.program;
  program.Form_Load();
  unsigned char options = static_cast<unsigned char>(input.front());
  input.remove_prefix(1);
  if (int mode = options & 3)
    program.mainForm.Trend_Screen_Item[static_cast<std::size_t>(mode - 1)]->Click();
  if (options & 4) program.mainForm.TestMethod.Click();
  if (options & 8) program.mainForm.ClearOnRollover.Click();
  program.mainForm.Stop_Command.Click();
  while (!input.empty()) {
    std::size_t end = input.find('\n');
    std::size_t length = end == std::string_view::npos ? input.size() : end + 1;
    world.clock.Advance(0.07);  // one packet time at 9600 baud
    world.port.Deliver(std::string(input.substr(0, length)));
    program.AfterEvents();
    input.remove_prefix(length);
  }
  program.Exit_Click();
}

}  // namespace fuzz

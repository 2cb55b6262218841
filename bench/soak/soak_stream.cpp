#include "soak/soak_stream.h"

#include <stdexcept>

#include "records/test_saver.h"
#include "sim/packet.h"
#include "sim/sim_options.h"

namespace soak {
namespace {

constexpr double kDaySeconds = 24 * 3600.0;

// About five seconds a test (a second ready, then fill, stab and read in tenths), 70 packets.
sim::CycleSettings ShortTests() {
  sim::CycleSettings settings;
  settings.instrument.timeBaseCode = 2;
  settings.instrument.zeroTime = 0;
  settings.instrument.fillTime = 10;
  settings.instrument.stabTime = 10;
  settings.instrument.readTime = 20;
  settings.readySeconds = 1.0;
  return settings;
}

}  // namespace

SoakStream::SoakStream() : cycle_(ShortTests(), sim::kLinePacketSeconds, 1) {
  app::Program& program = world_.program;
  program.Form_Load();
  program.mainForm.Trend_Screen_Item[2]->Click();
  if (!program.mainForm.Trend_Screen_Item[2]->Checked())
    throw std::logic_error("the automatic retriggering mode did not take");
  program.mainForm.Stop_Command.Click();
}

void SoakStream::SendNext() {
  sim::PacketFields fields = cycle_.Next();
  // The clock is a time of day, as the real one: it passes midnight on a long soak.
  world_.clock.Advance(sim::kLinePacketSeconds);
  if (world_.clock.SecondsSinceMidnight() >= kDaySeconds)
    world_.clock.SetSeconds(world_.clock.SecondsSinceMidnight() - kDaySeconds);
  world_.port.Deliver(sim::FormatPacket(fields) + sim::kTerminator);
  world_.program.AfterEvents();
  // The recording chart's log is the double's memory, not the program's.
  world_.chart.ClearCalls();

  if (endSent_) ++finished_;
  endSent_ = lastStatus_ == 'R' && fields.testStatus == 'Y';
  lastStatus_ = fields.testStatus;
}

std::string SoakStream::LeakFolder() const {
  return (world_.folder.Path() / "home" / "Leak").string();
}

std::string SoakStream::UnsavedFolder() const {
  return world_.StartFile(records::TestSaver::kUnsavedFolder);
}

}  // namespace soak

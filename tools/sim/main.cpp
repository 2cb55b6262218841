#include <csignal>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "sim/output.h"
#include "sim/runner.h"
#include "sim/sim_options.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;

void OnStopSignal(int) { g_stop = 1; }

void InstallSignalHandlers() {
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  // No SA_RESTART: a blocked write or sleep must return so the stop is seen.
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  // A reader that closes its end shows up as EPIPE from write, which ends the run cleanly.
  std::signal(SIGPIPE, SIG_IGN);
}

}  // namespace

int main(int argc, char** argv) {
  const sim::ParseResult parsed = sim::ParseArgs(std::vector<std::string>(argv + 1, argv + argc));
  switch (parsed.outcome) {
    case sim::ParseResult::Outcome::kHelp:
      std::cout << sim::Usage();
      return 0;
    case sim::ParseResult::Outcome::kError:
      std::cerr << "km4400-sim: " << parsed.message << "\nTry 'km4400-sim --help'.\n";
      return 2;
    case sim::ParseResult::Outcome::kRun:
      break;
  }
  InstallSignalHandlers();
  try {
    const auto output = sim::OpenOutput(parsed.options, std::cout);
    sim::RunStream(parsed.options, *output, g_stop);
  } catch (const std::exception& error) {
    if (g_stop) {
      return 0;  // interrupted while opening or writing: still a requested stop
    }
    std::cerr << "km4400-sim: " << error.what() << '\n';
    return 1;
  }
  return 0;
}

#include "sim/sim_options.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <span>
#include <stdexcept>

namespace sim {
namespace {

using Apply = std::function<void(SimOptions&, const std::string&)>;

struct OptionEntry {
  const char* name;
  const char* value;  // placeholder in the usage text; nullptr for a flag
  const char* help;
  Apply apply;
};

std::int64_t IntegerArg(const std::string& text, std::int64_t low, std::int64_t high) {
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) {
    throw std::invalid_argument("\"" + text + "\" is not a whole number");
  }
  if (value < low || value > high) {
    throw std::invalid_argument(text + " is outside " + std::to_string(low) + ".." +
                                std::to_string(high));
  }
  return value;
}

double NumberArg(const std::string& text, double low, double high) {
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    throw std::invalid_argument("\"" + text + "\" is not a number");
  }
  if (value < low || value > high) {
    throw std::invalid_argument(text + " is outside " + std::to_string(low) + ".." +
                                std::to_string(high));
  }
  return value;
}

Apply IntField(int PacketFields::*field, int low, int high) {
  return [=](SimOptions& o, const std::string& v) {
    o.cycle.instrument.*field = static_cast<int>(IntegerArg(v, low, high));
  };
}

Apply Probability(double FaultSettings::*field) {
  return [=](SimOptions& o, const std::string& v) { o.faults.*field = NumberArg(v, 0.0, 1.0); };
}

Apply OutputTo(OutputKind kind) {
  return [=](SimOptions& o, const std::string& v) {
    o.output = kind;
    o.devicePath = v;
  };
}

void SetTcFactor(SimOptions& o, const std::string& v) {
  const bool printable =
      std::all_of(v.begin(), v.end(), [](char c) { return c >= ' ' && c <= '~'; });
  if (v.size() != 4 || !printable) {
    throw std::invalid_argument("must be 4 printable characters, e.g. 0.50 or 0000");
  }
  o.cycle.instrument.tcFactor = v;
}

void SetBurst(SimOptions& o, const std::string& v) {
  o.faults.burst = static_cast<int>(IntegerArg(v, 0, 1000));
  if (o.faults.burst == 1) {
    throw std::invalid_argument("a burst is at least 2 packets (0 for none)");
  }
}

using F = PacketFields;

std::vector<OptionEntry> StreamOptions() {
  return {
      {"--stdout", nullptr, "write packets to standard output (default)",
       OutputTo(OutputKind::kStdout)},
      {"--pty", nullptr, "create a pseudo-terminal; its path is the first line of output",
       OutputTo(OutputKind::kPty)},
      {"--device", "PATH", "write to a serial device (set to 9600 8N1 raw), file or fifo",
       [](SimOptions& o, const std::string& v) {
         if (v.empty()) throw std::invalid_argument("needs a path");
         OutputTo(OutputKind::kDevice)(o, v);
       }},
      {"--count", "N", "stop after N packets (default: run until stopped)",
       [](SimOptions& o, const std::string& v) { o.count = IntegerArg(v, 1, 1'000'000'000'000); }},
      {"--rate", "R", "packets per second, 0 for as fast as possible (default 14.3)",
       [](SimOptions& o, const std::string& v) { o.rate = NumberArg(v, 0.0, 100000.0); }},
      {"--seed", "S", "seed for the flow noise and faults (default 1)",
       [](SimOptions& o, const std::string& v) {
         o.seed = static_cast<std::uint32_t>(IntegerArg(v, 0, 4294967295));
       }},
      {"--linger", "SECONDS", "with --pty and --count, keep the pty open this long (default 0.5)",
       [](SimOptions& o, const std::string& v) { o.lingerSeconds = NumberArg(v, 0.0, 60.0); }},
      {"--help", nullptr, "show this help", nullptr},
  };
}

std::vector<OptionEntry> InstrumentOptions() {
  return {
      {"--zero-time", "T", "zero time in time-base units, 0 for none (default 20)",
       IntField(&F::zeroTime, 0, 999)},
      {"--fill-time", "T", "fill time in time-base units (default 50)",
       IntField(&F::fillTime, 1, 999)},
      {"--stab-time", "T", "stabilisation time in time-base units (default 100)",
       IntField(&F::stabTime, 1, 999)},
      {"--read-time", "T", "read time in time-base units (default 50)",
       IntField(&F::readTime, 1, 999)},
      {"--ready-time", "SECONDS", "ready time between tests (default 5)",
       [](SimOptions& o, const std::string& v) {
         o.cycle.readySeconds = NumberArg(v, 0.0, 3600.0);
       }},
      {"--time-base", "1|2", "1: times in seconds, 2: in tenths (default 2)",
       IntField(&F::timeBaseCode, 1, 2)},
      {"--version", "VVV", "software version x 100 (default 401)", IntField(&F::version, 0, 999)},
      {"--zero-select", "1|2", "1: calibrated zero, 2: zero at end of stabilisation (default 2)",
       IntField(&F::zeroSelect, 1, 2)},
      {"--flow-scale", "COUNTS", "flow scale factor (default 257)",
       IntField(&F::flowScaleCount, 0, 9999)},
      {"--flow-zero", "COUNTS", "flow zero (default 490)", IntField(&F::flowZero, 0, 9999)},
      {"--leak", "COUNTS", "extra flow during read (default 0)",
       [](SimOptions& o, const std::string& v) {
         o.cycle.leakCounts = static_cast<int>(IntegerArg(v, -9999, 9999));
       }},
      {"--tc-factor", "TEXT", "temperature compensation factor, 4 characters (default 0.50)",
       SetTcFactor},
      {"--part", "NN", "part number (default 12)", IntField(&F::partNumber, 0, 99)},
  };
}

std::vector<OptionEntry> FaultOptions() {
  return {
      {"--garbage", "P", "probability of random bytes before a packet",
       Probability(&FaultSettings::garbage)},
      {"--truncate", "P", "probability of cutting a packet short",
       Probability(&FaultSettings::truncate)},
      {"--split", "P", "probability of writing a packet in two parts with a pause",
       Probability(&FaultSettings::split)},
      {"--burst", "N", "every 50 packets, write N packets at once (default 0: never)", SetBurst},
  };
}

struct OptionGroup {
  const char* title;
  std::vector<OptionEntry> options;
};

const std::vector<OptionGroup>& Groups() {
  static const std::vector<OptionGroup> groups = {
      {"Stream", StreamOptions()},
      {"Instrument", InstrumentOptions()},
      {"Line faults, for testing a receiver", FaultOptions()},
  };
  return groups;
}

const OptionEntry* FindEntry(const std::string& name) {
  for (const OptionGroup& group : Groups()) {
    for (const OptionEntry& entry : group.options) {
      if (name == entry.name) {
        return &entry;
      }
    }
  }
  return nullptr;
}

// Applies one option starting at args[0]; returns how many arguments it used.
std::size_t ApplyOne(std::span<const std::string> args, SimOptions& options, int& outputs,
                     bool& help) {
  const std::string& arg = args[0];
  const std::size_t equals = arg.find('=');
  const std::string name = arg.substr(0, equals);
  const OptionEntry* entry = FindEntry(name);
  if (entry == nullptr) {
    throw std::invalid_argument("unknown option '" + arg + "'");
  }
  std::size_t used = 1;
  std::string value;
  if (entry->value == nullptr) {
    if (equals != std::string::npos) {
      throw std::invalid_argument(name + " takes no value");
    }
  } else if (equals != std::string::npos) {
    value = arg.substr(equals + 1);
  } else if (args.size() > 1) {
    value = args[1];
    used = 2;
  } else {
    throw std::invalid_argument(name + " needs a value (" + entry->value + ")");
  }
  if (entry->apply == nullptr) {
    help = true;
    return used;
  }
  const bool isOutput = name == "--stdout" || name == "--pty" || name == "--device";
  if (isOutput && ++outputs > 1) {
    throw std::invalid_argument("choose only one of --stdout, --pty, --device");
  }
  try {
    entry->apply(options, value);
  } catch (const std::invalid_argument& e) {
    throw std::invalid_argument(name + ": " + e.what());
  }
  return used;
}

}  // namespace

double PacketSeconds(const SimOptions& options) {
  return options.rate > 0.0 ? 1.0 / options.rate : kLinePacketSeconds;
}

ParseResult ParseArgs(const std::vector<std::string>& args) {
  ParseResult result;
  int outputs = 0;
  bool help = false;
  try {
    for (std::size_t i = 0; i < args.size();) {
      i += ApplyOne(std::span(args).subspan(i), result.options, outputs, help);
    }
  } catch (const std::invalid_argument& e) {
    result.outcome = ParseResult::Outcome::kError;
    result.message = e.what();
    return result;
  }
  if (help) {
    result.outcome = ParseResult::Outcome::kHelp;
  }
  return result;
}

std::string Usage() {
  std::string text =
      "Usage: km4400-sim [options]\n"
      "Simulates a KM4400 leak detector: streams its 67-character status packets, each\n"
      "followed by CR LF, through a repeating test cycle.\n";
  for (const OptionGroup& group : Groups()) {
    text += std::string("\n") + group.title + ":\n";
    for (const OptionEntry& entry : group.options) {
      std::string left = std::string("  ") + entry.name;
      if (entry.value != nullptr) {
        left += std::string(" ") + entry.value;
      }
      left.resize(std::max<std::size_t>(left.size() + 1, 24), ' ');
      text += left + entry.help + "\n";
    }
  }
  return text;
}

}  // namespace sim

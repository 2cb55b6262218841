#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/platform/clock.h"
#include "core/rgb.h"
#include "session/packet_builder.h"
#include "session/script_lexer.h"

namespace session {

class Session;

// `Window.Control` as written in a script; the control part may carry an index, "Axis(3)".
struct ControlRef {
  std::string window;
  std::string control;
  std::string Written() const { return window + "." + control; }
};

using Arg = std::variant<std::string, double, std::int64_t, core::Rgb, core::CalendarDate,
                         ControlRef, std::vector<std::string>, std::vector<FieldValue>>;

// The arguments of one parsed command, in the order of the placeholders of its form (a choice
// of words such as visible|hidden counts as a placeholder; a plain word does not).
class Args {
 public:
  Args() = default;
  explicit Args(std::vector<Arg> values) : values_(std::move(values)) {}

  const std::string& Text(std::size_t i) const { return std::get<std::string>(values_.at(i)); }
  double Number(std::size_t i) const { return std::get<double>(values_.at(i)); }
  std::int64_t Count(std::size_t i) const { return std::get<std::int64_t>(values_.at(i)); }
  core::Rgb Colour(std::size_t i) const { return std::get<core::Rgb>(values_.at(i)); }
  core::CalendarDate Date(std::size_t i) const {
    return std::get<core::CalendarDate>(values_.at(i));
  }
  const ControlRef& Control(std::size_t i) const { return std::get<ControlRef>(values_.at(i)); }
  const std::vector<std::string>& Texts(std::size_t i) const {
    return std::get<std::vector<std::string>>(values_.at(i));
  }
  const std::vector<FieldValue>& Fields(std::size_t i) const {
    return std::get<std::vector<FieldValue>>(values_.at(i));
  }

  // The same arguments with `change` applied to every text in them.
  Args WithTexts(const std::function<std::string(const std::string&)>& change) const;

 private:
  std::vector<Arg> values_;
};

// When a command may run.
enum class Phase {
  Anytime,        // platform arrangements and expectations
  BeforeStartup,  // arranging what start-up finds
  Running,        // needs the started program, and ends with it
};

// One form of a command: its pattern, which doubles as the usage line shown when a line does
// not match, e.g. `expect <Window.Control> colour <r,g,b>`. Placeholders: <Window.Control>,
// <Window>, <Name>, <"text">, <"path">, <"text"...>, <seconds>, <count>, <r,g,b>,
// <yyyy-mm-dd>, <field=value...>; a word with | is a choice; any other word is itself.
struct Form {
  const char* pattern;
  Phase phase;
  void (*run)(Session&, const Args&);
};

struct MatchResult {
  std::optional<Args> args;  // set when the line has the form's shape
  std::size_t matched = 0;   // how many words of the pattern matched, for choosing usage lines
};

// Matches the tokens of a line against a form. Throws ScriptError for a value that could only
// be meant for its place but is wrong there (a colour of 300, an absolute path).
MatchResult Match(const Form& form, const std::vector<Token>& tokens);

// The first word of a form's pattern.
std::string VerbOf(const Form& form);

}  // namespace session

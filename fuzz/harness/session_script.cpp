#include <string>

#include "fuzz/harness/inputs.h"
#include "session/run_script.h"
#include "session/script_error.h"
#include "session/script_lexer.h"
#include "session/script_parser.h"

namespace fuzz {
namespace {

void CheckQuoting(std::string_view line) {
  std::string quoted = session::Quoted(line);
  std::vector<session::Token> tokens = session::Tokenize(quoted);
  if (tokens.size() != 1 || !tokens[0].quoted || tokens[0].text != line) {
    throw Finding("a quoted line does not read back as itself");
  }
}

}  // namespace

void SessionScript(std::string_view input) {
  try {
    session::ParseScript(input, session::AllForms());
  } catch (const session::LineError&) {
    // A malformed line, reported at its place: what the reader is for.
  }
  while (!input.empty()) {
    std::size_t end = input.find('\n');
    CheckQuoting(input.substr(0, end));
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
  }
}

}  // namespace fuzz

#include "session/script_parser.h"

#include <algorithm>

#include "session/close_names.h"
#include "session/script_error.h"

namespace session {
namespace {

// The usage lines of the forms that came closest to the line, to show what was meant.
std::string UsageOf(const std::vector<const Form*>& candidates, const std::vector<Token>& tokens) {
  std::vector<std::size_t> matched;
  for (const Form* form : candidates) matched.push_back(Match(*form, tokens).matched);
  std::size_t best = *std::max_element(matched.begin(), matched.end());
  std::string usage = "usage:";
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    if (matched[i] == best) usage += std::string("\n    ") + candidates[i]->pattern;
  }
  return usage;
}

Command ParseLine(const std::vector<Token>& tokens, const std::vector<Form>& forms) {
  const Token& verb = tokens.front();
  std::vector<const Form*> candidates;
  std::vector<std::string> verbs;
  for (const auto& form : forms) {
    std::string formVerb = VerbOf(form);
    if (verb.IsWord(formVerb)) candidates.push_back(&form);
    if (std::find(verbs.begin(), verbs.end(), formVerb) == verbs.end()) verbs.push_back(formVerb);
  }
  if (candidates.empty()) {
    throw ScriptError("unknown command " +
                      Quoted(verb.key ? *verb.key + "=" + verb.text : verb.text) +
                      CloseNamesHint(verb.text, verbs));
  }
  for (const Form* form : candidates) {
    if (MatchResult result = Match(*form, tokens); result.args)
      return Command{0, {}, form, *result.args};
  }
  throw ScriptError("this line does not read as " + verb.text + "; " + UsageOf(candidates, tokens));
}

}  // namespace

std::vector<Command> ParseScript(std::string_view text, const std::vector<Form>& forms) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // a byte-order mark
  std::vector<Command> commands;
  int number = 0;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string line(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    try {
      std::vector<Token> tokens = Tokenize(line);
      if (tokens.empty()) continue;
      Command command = ParseLine(tokens, forms);
      command.line = number;
      command.source = line.substr(line.find_first_not_of(" \t"));
      commands.push_back(std::move(command));
    } catch (const ScriptError& error) {
      throw LineError(number, line, error.what());
    }
  }
  return commands;
}

}  // namespace session

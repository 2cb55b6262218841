#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace session {

// One word of a command line: a bare word, a quoted text (escapes decoded), or an
// assignment `Key=value` / `Key="text"`.
struct Token {
  std::string text;
  bool quoted = false;
  std::optional<std::string> key;  // set for assignments; `text` is then the value

  bool IsWord() const { return !quoted && !key; }
  bool IsWord(std::string_view word) const { return IsWord() && text == word; }
};

// Splits one line into tokens; `#` outside quotes starts a comment. Throws ScriptError for an
// unterminated text or an unknown escape.
std::vector<Token> Tokenize(std::string_view line);

// The text of a quoted string with its escapes decoded: `\"`, `\\`, `\r`, `\n`, `\t`, `\xHH`,
// `\<`, and the control names `<NUL>`, `<STX>`, `<ETX>`, `<TAB>`, `<LF>`, `<CR>`, `<ESC>`.
std::string DecodeEscapes(std::string_view body);

// The way a script would write `text`: quoted, with control characters as escapes, so a
// failure shows exactly which bytes differ.
std::string Quoted(std::string_view text);
// Texts as a script writes them, or `nothing`.
std::string QuotedList(const std::vector<std::string>& texts);

}  // namespace session

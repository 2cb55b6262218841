#include "session/script_lexer.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

#include "session/script_error.h"

namespace session {
namespace {

constexpr std::array<std::pair<const char*, char>, 7> kControlNames{{{"NUL", '\x00'},
                                                                     {"STX", '\x02'},
                                                                     {"ETX", '\x03'},
                                                                     {"TAB", '\t'},
                                                                     {"LF", '\n'},
                                                                     {"CR", '\r'},
                                                                     {"ESC", '\x1b'}}};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The control character named at `at` ("<STX>..."), and the length of its name.
std::optional<std::pair<char, std::size_t>> ControlNameAt(std::string_view text, std::size_t at) {
  for (const auto& [name, code] : kControlNames) {
    std::string written = std::string("<") + name + ">";
    if (text.substr(at, written.size()) == written) return std::pair{code, written.size()};
  }
  return std::nullopt;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Appends the escape starting after the backslash at `at`; returns the characters it used.
std::size_t DecodeBackslash(std::string_view body, std::size_t at, std::string& out) {
  if (at >= body.size()) throw ScriptError("a text ends with a lone \\");
  switch (char c = body[at]) {
    case '"':
    case '\\':
    case '<':
      out += c;
      return 1;
    case 'r':
      out += '\r';
      return 1;
    case 'n':
      out += '\n';
      return 1;
    case 't':
      out += '\t';
      return 1;
    case 'x': {
      int high = at + 1 < body.size() ? HexDigit(body[at + 1]) : -1;
      int low = at + 2 < body.size() ? HexDigit(body[at + 2]) : -1;
      if (high < 0 || low < 0) throw ScriptError("\\x needs two hex digits, as in \\x02");
      out += static_cast<char>(high * 16 + low);
      return 3;
    }
    default:
      throw ScriptError(std::string("unknown escape \\") + c +
                        " (known: \\\" \\\\ \\r \\n \\t \\xHH \\< and <STX> <CR> <LF> ...)");
  }
}

// Reads a quoted text whose opening quote is at `at`; returns the decoded text and moves `at`
// past the closing quote.
std::string ReadQuoted(std::string_view line, std::size_t& at) {
  std::size_t end = at + 1;
  while (end < line.size() && line[end] != '"') end += line[end] == '\\' ? 2 : 1;
  if (end >= line.size()) throw ScriptError("unterminated text: the closing \" is missing");
  std::string text = DecodeEscapes(line.substr(at + 1, end - at - 1));
  at = end + 1;
  if (at < line.size() && !IsBlank(line[at]) && line[at] != '#') {
    throw ScriptError("a blank must follow the closing \" of a text");
  }
  return text;
}

Token ReadBare(std::string_view line, std::size_t& at) {
  std::size_t start = at;
  while (at < line.size() && !IsBlank(line[at]) && line[at] != '"') ++at;
  std::string word(line.substr(start, at - start));
  std::size_t equals = word.find('=');
  if (at < line.size() && line[at] == '"') {
    if (equals != word.size() - 1 || equals == 0) {
      throw ScriptError("a \" inside the word \"" + word + "\": texts stand apart, as in \"text\"");
    }
    return Token{ReadQuoted(line, at), true, word.substr(0, equals)};
  }
  if (equals == std::string::npos) return Token{word, false, std::nullopt};
  if (equals == 0) throw ScriptError("\"" + word + "\" has no name before =");
  return Token{word.substr(equals + 1), false, word.substr(0, equals)};
}

}  // namespace

std::string DecodeEscapes(std::string_view body) {
  std::string out;
  for (std::size_t i = 0; i < body.size();) {
    if (body[i] == '\\') {
      i += 1 + DecodeBackslash(body, i + 1, out);
    } else if (auto control = ControlNameAt(body, i)) {
      out += control->first;
      i += control->second;
    } else {
      out += body[i++];
    }
  }
  return out;
}

std::vector<Token> Tokenize(std::string_view line) {
  std::vector<Token> tokens;
  std::size_t at = 0;
  while (true) {
    while (at < line.size() && IsBlank(line[at])) ++at;
    if (at >= line.size() || line[at] == '#') return tokens;
    if (line[at] == '"') {
      tokens.push_back(Token{ReadQuoted(line, at), true, std::nullopt});
    } else {
      tokens.push_back(ReadBare(line, at));
    }
  }
}

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    const auto* named = std::find_if(kControlNames.begin(), kControlNames.end(),
                                     [c](const auto& entry) { return entry.second == c; });
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (named != kControlNames.end()) {
      out += std::string("<") + named->first + ">";
    } else if (static_cast<unsigned char>(c) < 0x20 || c == '\x7f') {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\x%02x", static_cast<unsigned char>(c));
      out += buffer;
    } else {
      if (c == '<' && ControlNameAt(text, i)) out += '\\';
      out += c;
    }
  }
  return out + "\"";
}

std::string QuotedList(const std::vector<std::string>& texts) {
  if (texts.empty()) return "nothing";
  std::string out;
  for (const auto& text : texts) out += (out.empty() ? "" : " ") + Quoted(text);
  return out;
}

}  // namespace session

#include "session/command_form.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>

#include "session/script_error.h"

namespace session {
namespace {

using Single = std::optional<Arg> (*)(const Token&);

bool Matches(const Token& token, const std::regex& shape) {
  return token.IsWord() && std::regex_match(token.text, shape);
}

std::optional<Arg> ControlMatch(const Token& token) {
  static const std::regex shape(R"(([A-Za-z]\w*)\.([A-Za-z]\w*(\(\d+\))?))");
  std::smatch parts;
  if (!token.IsWord() || !std::regex_match(token.text, parts, shape)) return std::nullopt;
  return ControlRef{parts[1], parts[2]};
}

std::optional<Arg> WindowMatch(const Token& token) {
  static const std::regex shape(R"([A-Za-z]\w*)");
  if (!Matches(token, shape)) return std::nullopt;
  return token.text;
}

std::optional<Arg> NameMatch(const Token& token) {
  static const std::regex shape(R"([A-Za-z][\w.]*(\(\d+\))?)");
  if (!Matches(token, shape)) return std::nullopt;
  return token.text;
}

std::optional<Arg> TextMatch(const Token& token) {
  if (!token.quoted || token.key) return std::nullopt;
  return token.text;
}

// Paths stay inside the session's folder: relative, without "..", written with "/".
std::optional<Arg> PathMatch(const Token& token) {
  if (!token.quoted || token.key) return std::nullopt;
  const std::string& path = token.text;
  if (path.empty()) throw ScriptError("a path may not be empty");
  if (path.find('\\') != std::string::npos || path.find(':') != std::string::npos ||
      path.find('<') != std::string::npos) {
    throw ScriptError(
        "write paths with / and without a drive or <place>: \"leak/...\" for C:\\Leak, "
        "\"home/...\" for C:\\");
  }
  std::filesystem::path p(path);
  if (p.is_absolute())
    throw ScriptError("a path must be relative to the session's folder: " + Quoted(path));
  for (const auto& part : p) {
    if (part == "..")
      throw ScriptError("a path may not leave the session's folder: " + Quoted(path));
  }
  return path;
}

std::optional<Arg> SecondsMatch(const Token& token) {
  static const std::regex shape(R"(\d{1,9}(\.\d+)?)");
  if (!Matches(token, shape)) return std::nullopt;
  return std::strtod(token.text.c_str(), nullptr);
}

std::optional<Arg> CountMatch(const Token& token) {
  static const std::regex shape(R"(\d{1,9})");
  if (!Matches(token, shape)) return std::nullopt;
  return static_cast<std::int64_t>(std::stoll(token.text));
}

std::optional<Arg> ColourMatch(const Token& token) {
  static const std::regex shape(R"((\d{1,3}),(\d{1,3}),(\d{1,3}))");
  std::smatch parts;
  if (!token.IsWord() || !std::regex_match(token.text, parts, shape)) return std::nullopt;
  std::array<int, 3> rgb{std::stoi(parts[1]), std::stoi(parts[2]), std::stoi(parts[3])};
  for (int component : rgb) {
    if (component > 255) throw ScriptError("colour components run from 0 to 255: " + token.text);
  }
  return core::MakeRgb(rgb[0], rgb[1], rgb[2]);
}

std::optional<Arg> DateMatch(const Token& token) {
  static const std::regex shape(R"((\d{4})-(\d{2})-(\d{2}))");
  std::smatch parts;
  if (!token.IsWord() || !std::regex_match(token.text, parts, shape)) return std::nullopt;
  core::CalendarDate date{std::stoi(parts[1]), std::stoi(parts[2]), std::stoi(parts[3])};
  static constexpr std::array<int, 12> kDays{31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = (date.year % 4 == 0 && date.year % 100 != 0) || date.year % 400 == 0;
  bool valid =
      date.month >= 1 && date.month <= 12 && date.day >= 1 &&
      date.day <= kDays[static_cast<std::size_t>(date.month - 1)] - (date.month == 2 && !leap);
  if (!valid) throw ScriptError("no such date: " + token.text);
  return date;
}

std::optional<Arg> TextsMatch(const std::vector<Token>& tokens, std::size_t from) {
  std::vector<std::string> texts;
  for (std::size_t i = from; i < tokens.size(); ++i) {
    if (!tokens[i].quoted || tokens[i].key) return std::nullopt;
    texts.push_back(tokens[i].text);
  }
  return texts;
}

// Field assignments; the word `raw` before one lets its value have any width.
std::optional<Arg> FieldsMatch(const std::vector<Token>& tokens, std::size_t from) {
  std::vector<FieldValue> fields;
  for (std::size_t i = from; i < tokens.size(); ++i) {
    bool raw = tokens[i].IsWord("raw") && i + 1 < tokens.size();
    if (raw) ++i;
    if (!tokens[i].key) return std::nullopt;
    FieldValue field{*tokens[i].key, tokens[i].text, raw};
    PacketBuilder::Check(field);
    fields.push_back(field);
  }
  return fields;
}

struct Placeholder {
  const char* written;
  Single single;
  std::optional<Arg> (*rest)(const std::vector<Token>&, std::size_t);
};

constexpr std::array<Placeholder, 11> kPlaceholders{{
    {"<Window.Control>", ControlMatch, nullptr},
    {"<Window>", WindowMatch, nullptr},
    {"<Name>", NameMatch, nullptr},
    {"<\"text\">", TextMatch, nullptr},
    {"<\"path\">", PathMatch, nullptr},
    {"<seconds>", SecondsMatch, nullptr},
    {"<count>", CountMatch, nullptr},
    {"<r,g,b>", ColourMatch, nullptr},
    {"<yyyy-mm-dd>", DateMatch, nullptr},
    {"<\"text\"...>", nullptr, TextsMatch},
    {"<field=value...>", nullptr, FieldsMatch},
}};

const Placeholder& PlaceholderOf(const std::string& element) {
  for (const auto& placeholder : kPlaceholders) {
    if (element == placeholder.written) return placeholder;
  }
  throw std::logic_error("unknown placeholder in a command form: " + element);
}

std::vector<std::string> Elements(const char* pattern) {
  std::istringstream in(pattern);
  std::vector<std::string> elements;
  for (std::string element; in >> element;) elements.push_back(element);
  return elements;
}

// One element against the token at `at`; false when the shape differs.
bool MatchElement(const std::string& element, const std::vector<Token>& tokens, std::size_t& at,
                  std::vector<Arg>& args) {
  if (element.front() == '<') {
    const Placeholder& placeholder = PlaceholderOf(element);
    std::optional<Arg> arg;
    if (placeholder.rest) {
      arg = placeholder.rest(tokens, at);
      at = tokens.size();
    } else if (at < tokens.size()) {
      arg = placeholder.single(tokens[at++]);
    }
    if (!arg) return false;
    args.push_back(std::move(*arg));
    return true;
  }
  if (at >= tokens.size() || !tokens[at].IsWord()) return false;
  const std::string& word = tokens[at++].text;
  if (element.find('|') == std::string::npos) return word == element;
  std::istringstream choices(element);
  for (std::string choice; std::getline(choices, choice, '|');) {
    if (choice == word) {
      args.push_back(word);
      return true;
    }
  }
  return false;
}

}  // namespace

Args Args::WithTexts(const std::function<std::string(const std::string&)>& change) const {
  std::vector<Arg> changed = values_;
  for (auto& value : changed) {
    if (auto* text = std::get_if<std::string>(&value)) *text = change(*text);
    if (auto* texts = std::get_if<std::vector<std::string>>(&value)) {
      for (auto& text : *texts) text = change(text);
    }
    if (auto* fields = std::get_if<std::vector<FieldValue>>(&value)) {
      for (auto& field : *fields) field.value = change(field.value);
    }
  }
  return Args(std::move(changed));
}

std::string VerbOf(const Form& form) { return Elements(form.pattern).front(); }

MatchResult Match(const Form& form, const std::vector<Token>& tokens) {
  MatchResult result;
  std::vector<Arg> args;
  std::size_t at = 0;
  for (const auto& element : Elements(form.pattern)) {
    if (!MatchElement(element, tokens, at, args)) return result;
    ++result.matched;
  }
  if (at == tokens.size()) result.args = Args(std::move(args));
  return result;
}

}  // namespace session

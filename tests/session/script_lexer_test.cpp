#include "session/script_lexer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "session/script_error.h"

namespace {

using session::Token;
using session::Tokenize;

std::vector<std::string> Describe(const std::vector<Token>& tokens) {
  std::vector<std::string> out;
  for (const auto& t : tokens) {
    out.push_back((t.key ? *t.key + "=" : "") + (t.quoted ? "q:" : "w:") + t.text);
  }
  return out;
}

struct LexCase {
  const char* line;
  std::vector<std::string> tokens;
};

class Lexing : public ::testing::TestWithParam<LexCase> {};

TEST_P(Lexing, SplitsWordsTextsAndAssignments) {
  EXPECT_EQ(Describe(Tokenize(GetParam().line)), GetParam().tokens) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Lexing,
    ::testing::Values(
        LexCase{"", {}}, LexCase{"   # only a comment", {}},
        LexCase{"click LeakMainForm.Setup_Item(1)", {"w:click", "w:LeakMainForm.Setup_Item(1)"}},
        LexCase{"type  A.B\t\"x y\"  # why", {"w:type", "w:A.B", "q:x y"}},
        LexCase{"comm \"# not a comment\"", {"w:comm", "q:# not a comment"}},
        LexCase{"packet Mode=P raw FlowRateCount=\" 12A\" Tail=",
                {"w:packet", "Mode=w:P", "w:raw", "FlowRateCount=q: 12A", "Tail=w:"}},
        LexCase{"expect messages \"\" \"a\\\"b\"", {"w:expect", "w:messages", "q:", "q:a\"b"}}));

struct EscapeCase {
  const char* written;
  std::string bytes;
};

class Escapes : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(Escapes, DecodeToBytes) {
  EXPECT_EQ(session::DecodeEscapes(GetParam().written), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Escapes,
    ::testing::Values(EscapeCase{"<STX>401",
                                 "\x02"
                                 "401"},
                      EscapeCase{"\\x02\\x7F\\x00", std::string("\x02\x7f\0", 3)},
                      EscapeCase{"a<CR><LF>b\\r\\n", "a\r\nb\r\n"},
                      EscapeCase{"<TAB><ETX><ESC><NUL>", std::string("\t\x03\x1b\0", 4)},
                      EscapeCase{"\\\\ \\\" \\t", "\\ \" \t"},
                      EscapeCase{"<stx> <FOO> <", "<stx> <FOO> <"},
                      EscapeCase{"\\<STX>", "<STX>"}));

TEST(Lexing, MalformedLinesAreErrorsThatSayWhy) {
  const std::vector<std::pair<const char*, const char*>> cases{
      {"comm \"abc", "unterminated"},         {"comm \"a\\qb\"", "unknown escape \\q"},
      {"comm \"\\x4\"", "two hex digits"},    {"comm \"ab\\\"", "unterminated"},
      {"expect A.B\"x\"", "inside the word"}, {"comm \"a\"b", "a blank must follow"},
      {"packet =5", "no name before ="},
  };
  for (const auto& [line, why] : cases) {
    try {
      Tokenize(line);
      ADD_FAILURE() << "no error for " << line;
    } catch (const session::ScriptError& error) {
      EXPECT_THAT(error.what(), ::testing::HasSubstr(why)) << line;
    }
  }
}

TEST(Quoting, WritesEveryByteSoThatItReadsBackTheSame) {
  std::string all;
  for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
  all += "<STX><CR>\\\"";
  std::string quoted = session::Quoted(all);
  ASSERT_EQ(quoted.front(), '"');
  ASSERT_EQ(quoted.back(), '"');
  EXPECT_EQ(session::DecodeEscapes(quoted.substr(1, quoted.size() - 2)), all);
}

TEST(Quoting, ShowsControlCharactersByName) {
  EXPECT_EQ(session::Quoted("\x02"
                            "401\r\n\x01"),
            "\"<STX>401<CR><LF>\\x01\"");
}

}  // namespace

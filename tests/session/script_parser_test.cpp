#include "session/script_parser.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "session/run_script.h"
#include "session/script_error.h"

namespace {

using ::testing::HasSubstr;

std::vector<session::Command> Parse(const std::string& text) {
  return session::ParseScript(text, session::AllForms());
}

// The error a script gives, as "line: message".
std::string ErrorOf(const std::string& text) {
  try {
    Parse(text);
  } catch (const session::LineError& error) {
    return std::to_string(error.Line()) + ": " + error.what();
  }
  return "no error";
}

TEST(Parsing, KeepsLinesSourcesAndArguments) {
  auto commands = Parse(
      "# set-up\r\n"
      "\n"
      "startup\r\n"
      "  type KM4400SetUp.MaximumFlow \"25\"  # why\n"
      "expect LeakMainForm.Stop_Command colour 255,192,192\n"
      "date 2004-02-29\n"
      "packets 3 every 0.07 TestStatus=R raw FlowRateCount=12");
  ASSERT_EQ(commands.size(), 5u);
  EXPECT_EQ(commands[0].line, 3);
  EXPECT_EQ(commands[0].source, "startup");
  EXPECT_EQ(commands[1].line, 4);
  EXPECT_EQ(commands[1].args.Control(0).Written(), "KM4400SetUp.MaximumFlow");
  EXPECT_EQ(commands[1].args.Text(1), "25");
  EXPECT_EQ(commands[2].args.Colour(1), core::MakeRgb(255, 192, 192));
  EXPECT_EQ(commands[3].args.Date(0).day, 29);
  EXPECT_EQ(commands[4].args.Count(0), 3);
  EXPECT_DOUBLE_EQ(commands[4].args.Number(1), 0.07);
  const auto& fields = commands[4].args.Fields(2);
  ASSERT_EQ(fields.size(), 2u);
  EXPECT_FALSE(fields[0].raw);
  EXPECT_TRUE(fields[1].raw);
  EXPECT_EQ(fields[1].value, "12");
}

TEST(Parsing, ChoosesTheFormByTheWordsOfTheLine) {
  auto commands = Parse(
      "expect Main.Go \"Start\"\n"
      "expect Main.Go hidden\n"
      "expect Main visible\n"
      "expect value LivePacket.FlowRateCount \"45\"\n"
      "expect file \"a.txt\" contains \"x\"\n"
      "expect port open\n");
  std::vector<std::string> patterns;
  for (const auto& command : commands) patterns.push_back(command.form->pattern);
  EXPECT_THAT(patterns,
              ::testing::ElementsAre(
                  "expect <Window.Control> <\"text\">",
                  "expect <Window.Control> visible|hidden|checked|unchecked|enabled|disabled",
                  "expect <Window> visible|hidden", "expect value <Name> <\"text\">",
                  "expect file <\"path\"> contains <\"text\">", "expect port open|closed"));
}

TEST(Parsing, MalformedLinesFailAtTheirLineSayingWhatWasMeant) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"startup\nclik Main.Go", "2: unknown command \"clik\"; close names: click"},
      {"check Main.Flag 3",
       "1: this line does not read as check; usage:\n    check <Window.Control> 0|1|2"},
      {"type Main.Entry", "usage:\n    type <Window.Control> <\"text\">"},
      {"expect Main.Go colour 255,300,0", "1: colour components run from 0 to 255"},
      {"date 2003-02-29", "no such date: 2003-02-29"},
      {"file \"/etc/passwd\" \"x\"", "must be relative"},
      {"file \"../x\" \"x\"", "may not leave"},
      {"file \"C:\\\\Leak\\\\x\" \"x\"", "\"leak/...\" for C:\\Leak"},
      {"\n\npacket FlowRateCount=45", "3: FlowRateCount takes 4 characters"},
      {"packet FlowZro=0045", "no packet field \"FlowZro\"; close names: FlowZero"},
      {"comm \"<STX>\\q\"", "1: unknown escape"},
      {"expect Main.Go \"a\" \"b\"", "usage:\n    expect <Window.Control> <\"text\">"},
      {"clock -5", "usage:\n    clock <seconds>"},
  };
  for (const auto& [script, error] : cases)
    EXPECT_THAT(ErrorOf(script), HasSubstr(error)) << script;
}

TEST(Parsing, UsageListsOnlyTheFormsThatCameClosest) {
  std::string error = ErrorOf("expect Main.Go colour red");
  EXPECT_THAT(error, HasSubstr("expect <Window.Control> colour <r,g,b>"));
  EXPECT_THAT(error, HasSubstr("expect <Window.Control> colour none"));
  EXPECT_THAT(error, ::testing::Not(HasSubstr("expect file")));
}

// A line written from a form's own pattern, with each choice taken as `choice`.
std::string SampleLine(const std::string& pattern, std::size_t choice) {
  const std::map<std::string, std::string> samples{{"<Window.Control>", "Main.Go"},
                                                   {"<Window>", "Main"},
                                                   {"<Name>", "A.B(2)"},
                                                   {"<\"text\">", "\"t\""},
                                                   {"<\"path\">", "\"leak/p\""},
                                                   {"<\"text\"...>", "\"a\" \"b\""},
                                                   {"<seconds>", "1.5"},
                                                   {"<count>", "3"},
                                                   {"<r,g,b>", "1,2,3"},
                                                   {"<yyyy-mm-dd>", "2003-12-08"},
                                                   {"<field=value...>", "Mode=P raw Tail=xy"}};
  std::istringstream in(pattern);
  std::string line;
  for (std::string element; in >> element;) {
    std::vector<std::string> choices;
    std::istringstream words(element);
    for (std::string word; std::getline(words, word, '|');) choices.push_back(word);
    auto sample = samples.find(element);
    line += (line.empty() ? "" : " ") +
            (sample != samples.end() ? sample->second : choices[choice % choices.size()]);
  }
  return line;
}

TEST(Parsing, EveryFormIsReachableByALineOfItsOwnShape) {
  for (const auto& form : session::AllForms()) {
    for (std::size_t choice = 0; choice < 6; ++choice) {
      std::string line = SampleLine(form.pattern, choice);
      auto commands = Parse(line);
      ASSERT_EQ(commands.size(), 1u) << line;
      EXPECT_EQ(commands[0].form, &form) << line << " reads as " << commands[0].form->pattern;
    }
  }
}

}  // namespace

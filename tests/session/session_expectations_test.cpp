// The `expect` commands: what they compare, and how a failure reads.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "fake_run.h"
#include "session/report.h"

namespace session_test {
namespace {

class Expectations : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(Expectations, GiveExactlyTheseFailures) {
  EXPECT_EQ(FailuresOf(RunFake(GetParam().script)), GetParam().failures) << GetParam().script;
}

INSTANTIATE_TEST_SUITE_P(
    Controls, Expectations,
    ::testing::Values(
        ScriptCase{"texts of every kind of control",
                   "expect Main.Entry \"10\"\nexpect Main.Caption \"Full Scale\"\nexpect Main.Go "
                   "\"Start\"\n"
                   "expect Main.Flag \"Zero Shift\"\nexpect Main.Axis(2) \"10\"\nexpect "
                   "Main.Port(1) \"Port &2\"",
                   {}},
        ScriptCase{"a text that differs",
                   "expect Main.Entry \"10\"\nexpect Main.Entry \"1<CR>\"",
                   {"2: expected \"1<CR>\", actual \"10\""}},
        ScriptCase{
            "states",
            "expect Main.Port(0) checked\nexpect Main.Port(1) unchecked\nexpect Main.Off disabled\n"
            "expect Main.Quit enabled\nexpect Main.Flag unchecked\nexpect Main.Go visible",
            {}},
        ScriptCase{"a state that differs",
                   "expect Main.Port(0) unchecked\nexpect Main.Go hidden",
                   {"1: expected unchecked, actual checked", "2: expected hidden, actual visible"}},
        ScriptCase{"a greyed check box is neither",
                   "startup\ncheck Main.Flag 2\nexpect Main.Flag checked",
                   {"3: expected checked, actual greyed"}},
        ScriptCase{"colour, tooltip, value",
                   "expect Main.Go colour 192,255,192\nexpect Main.Draw colour none\n"
                   "expect Main.Go tooltip \"Starts and stops\"\nexpect Main.Flag value 0\n"
                   "expect Main.Go colour 255,192,192\nexpect Main.Draw tooltip \"x\"\nexpect "
                   "Main.Flag value 1",
                   {"5: expected colour 255,192,192, actual colour 192,255,192",
                    "6: expected tooltip \"x\", actual tooltip \"\"",
                    "7: expected value 1, actual value 0"}},
        ScriptCase{"windows",
                   "expect Main hidden\nexpect Other title \"The Other Window\"\nstartup\nexpect "
                   "Main visible",
                   {}},
        ScriptCase{"a state the control does not have",
                   "expect Main.Entry checked",
                   {"1: error: Main.Entry is a text box and has no check mark"}},
        ScriptCase{"a colour on a text box",
                   "expect Main.Entry colour none",
                   {"1: error: Main.Entry is a text box, not a button"}},
        ScriptCase{"an unknown window lists the windows",
                   "expect Nowhere visible",
                   {"1: error: no window \"Nowhere\"; the windows are: Main Other"}},
        ScriptCase{"an unknown window with a close name",
                   "expect Mian.Go \"x\"",
                   {"1: error: no window \"Mian\"; close names: Main"}}));

INSTANTIATE_TEST_SUITE_P(
    Values, Expectations,
    ::testing::Values(
        ScriptCase{
            "scalars and array elements",
            "expect value Arr(2) \"20\"\nexpect value Received \"\"\nexpect value Arr(1) \"0\"",
            {"3: expected \"0\", actual \"10\""}},
        ScriptCase{"an element past the end",
                   "expect value Arr(3) \"0\"",
                   {"1: error: no program value \"Arr(3)\"; close names: Arr(i)"}}));

INSTANTIATE_TEST_SUITE_P(
    Places, Expectations,
    ::testing::Values(
        ScriptCase{
            "place names stand for the session's folders in every text",
            "expect value CurDir \"<START>\"\nstartup\nanswer \"<LEAK>/sub\"\nclick Main.Ask\n"
            "expect Main.Entry \"<HOME>/Leak/sub\"",
            {}},
        ScriptCase{
            "failures show the folders by those names",
            "startup\nanswer \"<HOME>/Leak/x <START>\"\nclick Main.Ask\nexpect Main.Entry \"\"",
            {"4: expected \"\", actual \"<LEAK>/x <START>\""}},
        ScriptCase{"paths are written without them",
                   "file \"<LEAK>/a\" \"x\"",
                   {"1: error: write paths with / and without a drive or <place>: \"leak/...\" for "
                    "C:\\Leak, "
                    "\"home/...\" for C:\\"}}));

INSTANTIATE_TEST_SUITE_P(
    Dialogs, Expectations,
    ::testing::Values(
        ScriptCase{
            "messages are those shown since the previous message check",
            "startup\nclick Main.Go\nexpect messages \"Going\"\nexpect no-messages\nclick Main.Go\n"
            "click Main.Go\nexpect message-count 2",
            {}},
        ScriptCase{"messages that differ",
                   "startup\nclick Main.Go\nexpect messages \"Gone\" \"x\"\nexpect no-messages",
                   {"3: expected messages \"Gone\" \"x\", actual messages \"Going\""}},
        ScriptCase{"a prompt is checked once",
                   "startup\ncancel\nclick Main.Ask\nexpect prompt \"Name?\" \"Ask\" \"A1\"\n"
                   "expect prompt \"Name?\" \"Ask\" \"A1\"\nexpect prompt-count 0",
                   {"5: expected prompt \"Name?\" \"Ask\" \"A1\", actual no prompt since the "
                    "previous prompt check"}},
        ScriptCase{"a prompt that differs",
                   "startup\ncancel\nclick Main.Ask\nexpect prompt \"Name?\" \"Ask\" \"B\"",
                   {"4: expected prompt \"Name?\" \"Ask\" \"B\", actual prompt \"Name?\" \"Ask\" "
                    "\"A1\""}}));

INSTANTIATE_TEST_SUITE_P(
    Drawing, Expectations,
    ::testing::Values(
        ScriptCase{"calls since the mark",
                   "startup\nclick Main.Draw\nexpect drawn \"Line 0,1-2,3 #ff0000\"\nmark\nexpect "
                   "draw-calls\n"
                   "expect draw-count 0\nexpect not-drawn \"Line 0,1-2,3 #ff0000\"\nclick "
                   "Main.Draw\nclick Main.Draw\n"
                   "expect draw-calls \"Line 0,1-2,3 #ff0000\" \"Line 0,1-2,3 #ff0000\"",
                   {}},
        ScriptCase{"a call not drawn names the nearest",
                   "startup\nclick Main.Draw\nmark\nclick Main.Draw\nexpect drawn \"Line 0,1-2,4 "
                   "#ff0000\"",
                   {"5: expected the call \"Line 0,1-2,4 #ff0000\", actual 1 calls since the mark "
                    "at line 3, none "
                    "of them this; nearest \"Line 0,1-2,3 #ff0000\""}},
        ScriptCase{
            "a call drawn that should not be",
            "startup\nclick Main.Draw\nexpect not-drawn \"Line 0,1-2,3 #ff0000\"",
            {"3: expected no call \"Line 0,1-2,3 #ff0000\" since the start, actual drawn 1 times"}},
        ScriptCase{"an exact list that differs",
                   "startup\nclick Main.Draw\nexpect draw-calls \"Cls\"\nexpect draw-count 2",
                   {"3: expected \"Cls\" since the start, actual \"Line 0,1-2,3 #ff0000\"; first "
                    "difference at call 1",
                    "4: expected 2 calls since the start, actual 1 calls"}}));

INSTANTIATE_TEST_SUITE_P(
    Files, Expectations,
    ::testing::Values(
        ScriptCase{
            "a file in the start folder is what start-up reads",
            "file \"config.txt\" \"hello\"\nstartup\nexpect Main.Entry \"hello\"\n"
            "expect file \"config.txt\" \"hello\"\nexpect file \"config.txt\" contains \"ell\"",
            {}},
        ScriptCase{"the leak folder exists unless the script says not",
                   "startup\nexpect Main.Caption \"leak\"\nexpect files \"leak\"",
                   {}},
        ScriptCase{
            "no leak folder",
            "no-leak-folder\nstartup\nexpect Main.Caption \"no leak\"\nexpect no-file \"leak\"",
            {}},
        ScriptCase{"leak/ and home/ land in the stand-ins",
                   "file \"leak/a.1\" \"x\"\nfile \"home/Leak/b.2\" \"y\"\nfile \"home/c\" \"z\"\n"
                   "expect files \"leak\" \"b.2\" \"a.1\"\nexpect file \"home/Leak/a.1\" "
                   "\"x\"\nexpect files \"home\" \"c\"",
                   {}},
        ScriptCase{"a file where the leak folder must not be",
                   "no-leak-folder\nfile \"leak/a\" \"x\"",
                   {"2: error: no-leak-folder at line 1: nothing can go into the leak folder "
                    "before startup"}},
        ScriptCase{"no leak folder after a file went there",
                   "file \"home/Leak/a\" \"x\"\nno-leak-folder",
                   {"2: error: a file went into the leak folder at line 1, so it exists"}},
        ScriptCase{
            "files that differ",
            "file \"a\" \"x<CR><LF>\"\nexpect file \"a\" \"x\"\nexpect file \"b\" \"x\"\nexpect "
            "no-file \"a\"\n"
            "expect files \"nowhere\"\nexpect file \"a\" contains \"y\"",
            {"2: expected \"x\", actual \"x<CR><LF>\"", "3: expected \"x\", actual no file b",
             "4: expected no file a, actual a file holding \"x<CR><LF>\"",
             "5: expected files nothing, actual no folder nowhere",
             "6: expected a containing \"y\", actual \"x<CR><LF>\""}}));

TEST(SessionFolder, IsRemovedAfterTheScriptUnlessKept) {
  session::Result removed = RunFake("expect running");
  EXPECT_TRUE(removed.keptFolder.empty());
  session::Result kept = RunFake("file \"leak/a\" \"x\"\nexpect running", true);
  ASSERT_FALSE(kept.keptFolder.empty());
  std::filesystem::path folder = kept.keptFolder;
  EXPECT_TRUE(std::filesystem::exists(folder / "home" / "Leak" / "a"));
  EXPECT_TRUE(std::filesystem::is_directory(folder / "start"));
  std::filesystem::remove_all(folder);
}

TEST(Report, PrintsEachFailureWithItsCommandAndTheSummary) {
  session::Result result =
      RunFake("startup\n  expect Main.Go \"Stop\"\nexpect Main.Go \"Start\"\nclick Main.Gone");
  EXPECT_EQ(result.passed, 1);
  EXPECT_EQ(result.Failed(), 2);
  EXPECT_TRUE(result.Errored());
  std::ostringstream out;
  session::PrintFailures(out, result);
  session::PrintSummary(out, result.passed, result.Failed());
  EXPECT_EQ(out.str(),
            "t.session:2: expected \"Stop\", actual \"Start\"\n"
            "    expect Main.Go \"Stop\"\n"
            "t.session:4: error: no control \"Gone\" in Main; close names: Go\n"
            "    click Main.Gone\n"
            "1 passed, 2 failed\n");
}

TEST(Report, ScriptThatCannotBeParsedRunsNothing) {
  session::Result result =
      RunFake("file \"leak/a\" \"x\"\nexpect running\nexpect Main.Go \"unterminated", true);
  EXPECT_EQ(FailuresOf(result),
            std::vector<std::string>{"3: error: unterminated text: the closing \" is missing"});
  EXPECT_TRUE(result.keptFolder.empty());  // no world was built
}

}  // namespace
}  // namespace session_test

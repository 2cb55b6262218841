// The commands that act: start-up, the operator's actions, the port, the clock and the
// checks the runner makes on its own (phases, prompts, answers).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fake_run.h"

namespace session_test {
namespace {

class Actions : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(Actions, GiveExactlyTheseFailures) {
  EXPECT_EQ(FailuresOf(RunFake(GetParam().script)), GetParam().failures) << GetParam().script;
}

INSTANTIATE_TEST_SUITE_P(
    Operator, Actions,
    ::testing::Values(
        ScriptCase{
            "a click runs the button's action",
            "startup\nclick Main.Go\nexpect Main.Go \"Stop\"\nexpect Main.Go colour 255,192,192",
            {}},
        ScriptCase{"a menu item is clicked too", "startup\nclick Main.Quit\nexpect ended", {}},
        ScriptCase{"lists: a click on an item, a double-click, and the items",
                   "startup\nclick Main.Names \"b\"\nexpect Main.Entry \"b\"\nexpect Main.Names \"b\"\n"
                   "double-click Main.Names \"a\"\nexpect Main.Names items \"b\"\n"
                   "double-click Main.Names \"b\"\nexpect Main.Names items",
                   {}},
        ScriptCase{"a folder list opens a folder and lists its folders",
                   "startup\nopen Main.Folder \"<HOME>\"\nexpect Main.Folder \"<HOME>\"\n"
                   "expect Main.Folder items \"sub\"",
                   {}},
        ScriptCase{"an item that is not in the list",
                   "startup\nclick Main.Names \"c\"",
                   {"2: error: Main.Names holds no item \"c\"; it holds \"a\" \"b\""}},
        ScriptCase{"opening a folder that does not exist",
                   "startup\nopen Main.Folder \"<HOME>/none\"",
                   {"2: error: no folder \"<HOME>/none\""}},
        ScriptCase{"items of a control that is no list",
                   "expect Main.Entry items \"a\"",
                   {"1: error: Main.Entry is a text box, not a list"}},
        ScriptCase{"typing runs the change action",
                   "startup\ntype Main.Entry \"big\"\nexpect Main.Entry \"9999\"",
                   {}},
        ScriptCase{
            "check sets the value", "startup\ncheck Main.Flag 2\nexpect Main.Flag value 2", {}},
        ScriptCase{"show and hide",
                   "startup\nshow Other\nexpect Other visible\nhide Other\nexpect Other hidden",
                   {}},
        ScriptCase{"a failing step ends the handler only",
                   "startup\nclick Main.Fail\nexpect Main.Fail \"Half\"\nexpect running",
                   {}},
        ScriptCase{
            "each action is followed by the after-events step; checks are not",
            "startup\nexpect value AfterEvents \"1\"\nclick Main.Draw\ntype Main.Entry \"x\"\n"
            "expect value AfterEvents \"3\"",
            {}},
        ScriptCase{"a fault of the program stops the script",
                   "startup\nclick Main.Crash\nexpect running",
                   {"2: error: the program failed: broken"}},
        ScriptCase{"clicking a text box",
                   "startup\nclick Main.Entry",
                   {"2: error: Main.Entry is a text box, not a button or menu item: use type"}},
        ScriptCase{"clicking a check box",
                   "startup\nclick Main.Flag",
                   {"2: error: Main.Flag is a check box, not a button or menu item: use check"}},
        ScriptCase{"clicking a disabled item",
                   "startup\nclick Main.Off",
                   {"2: error: Main.Off is disabled: the operator cannot choose it"}},
        ScriptCase{"clicking a separator",
                   "startup\nclick Main.Sep",
                   {"2: error: Main.Sep is a separator"}},
        ScriptCase{"typing into a caption",
                   "startup\ntype Main.Caption \"x\"",
                   {"2: error: Main.Caption is read-only: the operator cannot type into it"}},
        ScriptCase{"checking a button",
                   "startup\ncheck Main.Go 1",
                   {"2: error: Main.Go is a button, not a check box"}}));

INSTANTIATE_TEST_SUITE_P(
    Phases, Actions,
    ::testing::Values(
        ScriptCase{"acting before start-up",
                   "expect Main.Go \"Start\"\nclick Main.Go",
                   {"2: error: the program has not started: put startup before this line"}},
        ScriptCase{"starting twice",
                   "startup\nstartup",
                   {"2: error: this belongs before startup (line 1)"}},
        ScriptCase{"acting after the end",
                   "startup\nexit\nexpect ended\ntype Main.Entry \"x\"",
                   {"4: error: the program ended at line 2; nothing more happens in it"}},
        ScriptCase{"the program ending by itself",
                   "startup\nclick Main.Quit\nclose-main",
                   {"3: error: the program ended at line 2; nothing more happens in it"}},
        ScriptCase{
            "checks and arrangements work before start-up",
            "clock 100\nanswer \"x\"\nexpect Main.Entry \"10\"\nexpect value Clock \"100.000000\"\n"
            "startup\nclick Main.Ask",
            {}},
        ScriptCase{"an error stops the script",
                   "startup\nclick Main.Goo\nexpect Main.Go \"never\"",
                   {"2: error: no control \"Goo\" in Main; close names: Go"}},
        ScriptCase{"a script must check something",
                   "startup\nclick Main.Go",
                   {"0: error: the script checks nothing: it has no expect line"}}));

INSTANTIATE_TEST_SUITE_P(
    Port, Actions,
    ::testing::Values(
        ScriptCase{"bytes reach the program only while the port is open",
                   "startup\ncomm \"lost\"\nclick Main.Go\ncomm \"<STX>ab\"\ncomm \"\"\n"
                   "expect value Received \"<STX>ab||\"",
                   {}},
        ScriptCase{
            "packets are one event each, the clock advancing before each",
            "clock 100\nstartup\nclick Main.Go\npackets 3 every 0.5 raw Version=4 Tail=\"<CR>\"\n"
            "expect value Clock \"101.500000\"\nexpect value AfterEvents \"5\"",
            {}},
        ScriptCase{
            "unread characters are seen by the after-events step",
            "startup\nclick Main.Go\nunread 400\nexpect port open\ncomm \"\"\nexpect port closed",
            {}},
        ScriptCase{"unread off",
                   "startup\nclick Main.Go\nunread 400\nunread off\ncomm \"\"\nexpect port open",
                   {}},
        ScriptCase{"an open that fails",
                   "startup\nport-fails \"busy\"\nclick Main.Go\nexpect port closed\n"
                   "expect port opens 0",
                   {}},
        ScriptCase{"a port lost while open",
                   "startup\nclick Main.Go\nport-lost \"unplugged\"\nexpect port closed\n"
                   "expect port opens 1",
                   {}},
        ScriptCase{"too many packets",
                   "startup\npackets 100001",
                   {"2: error: at most 100000 packets in one command"}}));

INSTANTIATE_TEST_SUITE_P(
    Prompts, Actions,
    ::testing::Values(
        ScriptCase{"a queued answer is typed into the prompt",
                   "startup\nanswer \"B7\"\nclick Main.Ask\nexpect Main.Entry \"B7\"\n"
                   "expect prompt \"Name?\" \"Ask\" \"A1\"",
                   {}},
        ScriptCase{"a cancel answers empty",
                   "startup\ncancel\nclick Main.Ask\nexpect Main.Entry \"\"",
                   {}},
        ScriptCase{"a prompt nobody answered fails where it appeared",
                   "startup\nclick Main.Ask\nexpect Main.Entry \"\"",
                   {"2: the prompt \"Name?\" titled \"Ask\" found no answer: put answer \"...\" or "
                    "cancel before "
                    "this line"}},
        ScriptCase{"an answer nobody asked for fails where it was queued",
                   "startup\nanswer \"x\"\nexpect running",
                   {"2: no prompt took this answer"}}));

TEST(Values, SetArrangesAValueThatCanBeSet) {
  EXPECT_EQ(FailuresOf(RunFake("set Settable \"abc\"\nexpect Main.Caption \"abc\"")),
            std::vector<std::string>{});
  EXPECT_EQ(FailuresOf(RunFake("set Received \"x\"")),
            std::vector<std::string>{"1: error: the program value Received cannot be set"});
  EXPECT_EQ(
      FailuresOf(RunFake("set Recieved \"x\"")),
      std::vector<std::string>{"1: error: no program value \"Recieved\"; close names: Received"});
}

TEST(Clock, DateAndTimeOfDayAreSetAndChecked) {
  EXPECT_EQ(
      FailuresOf(RunFake("clock 86400")),
      std::vector<std::string>{"1: error: the time of day runs from 0 to below 86400 seconds"});
  EXPECT_EQ(FailuresOf(RunFake("clock 43200.25\nadvance 0.5\nexpect value Clock \"43200.750000\"\n"
                               "date 2004-02-29\nexpect value Date \"Sunday, February 29, 2004\"")),
            std::vector<std::string>{});
}

}  // namespace
}  // namespace session_test

// Scripts against the real program: the runner wires it to the doubles as the program runs.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fake_run.h"
#include "session/program_subject.h"

namespace session_test {
namespace {

class RealProgram : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(RealProgram, GivesExactlyTheseFailures) {
  session::Result result =
      session::RunScript(GetParam().script, "real.session", {session::RealProgram()});
  EXPECT_EQ(FailuresOf(result), GetParam().failures) << GetParam().script;
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, RealProgram,
    ::testing::Values(
        ScriptCase{"start-up leaves the port closed and the button green",
                   "startup\nexpect LeakMainForm.Stop_Command \"Start Plotting\"\n"
                   "expect LeakMainForm.Stop_Command colour 192,255,192\nexpect port closed\n"
                   "expect LeakMainForm.Setup_Item(0) checked\nexpect value MSComm1.Settings "
                   "\"9600,N,8,1\"\n"
                   "expect value StartDir \"<START>\"\nexpect value CurDir \"<LEAK>\"",
                   {}},
        ScriptCase{
            "the third event after a start decodes",
            "startup\nclick LeakMainForm.Stop_Command\nexpect port opens 1\n"
            "packets 2 every 0.07 TestStatus=R FlowRateCount=0045\nexpect value "
            "LivePacket.FlowRateCount \"\"\n"
            "packet TestStatus=R FlowRateCount=0045\nexpect value LivePacket.FlowRateCount \"45\"\n"
            "expect StatusForm.Text2 \"R\"\nexpect value EventsSinceStart \"2\"",
            {}},
        ScriptCase{
            "too many unread characters close the port, the button stays red",
            "startup\nclick LeakMainForm.Stop_Command\nunread 336\ncomm \"\"\nexpect port closed\n"
            "expect LeakMainForm.Stop_Command \"Stop Plotting\"",
            {}},
        ScriptCase{
            "a missing leak folder asks for one",
            "no-leak-folder\ncancel\nstartup\nexpect prompt \"Path <LEAK> not found. Enter new "
            "path to create\" "
            "\"Path Where KM4400 Leak Files Will Be Saved\" \"\"\nexpect value CurDir \"<HOME>\"",
            {}},
        ScriptCase{"shut-down writes the configuration into the start folder",
                   "startup\nexit\nexpect ended\nexpect file \"testconfig.txt\" "
                   "\"3,0,1,1,0<CR><LF>0,0,0,0,0,0,0,0<CR><LF>\"",
                   {}},
        ScriptCase{
            "typos in the program's names fail with the names meant",
            "startup\nexpect LeakMainForm.Stop_Comand \"Start Plotting\"",
            {"2: error: no control \"Stop_Comand\" in LeakMainForm; close names: Stop_Command"}},
        ScriptCase{"typos in window names",
                   "expect KM4400Setup visible",
                   {"1: error: no window \"KM4400Setup\"; close names: KM4400SetUp"}},
        ScriptCase{"typos in value names",
                   "expect value LivePacket.FlowRate \"0\"",
                   {"1: error: no program value \"LivePacket.FlowRate\"; close names: "
                    "LivePacket.FlowRateCount, "
                    "LivePacket.FlowZero, LivePacket.FillTime"}}));

}  // namespace
}  // namespace session_test

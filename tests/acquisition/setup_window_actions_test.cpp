#include "acquisition/setup_window_actions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace acquisition {
namespace {

class SetupWindowActionsTest : public ::testing::Test {
 protected:
  KM4400SetUp setup;
  StatusForm status;
  core::TextBox setUpMaximumFlow{"SetUpMaximumFlow"};
  std::vector<std::string> calls;
  SetupWindowActions actions{
      setup,
      status,
      {[this] { calls.push_back("labels from " + setup.MaximumFlow.Text()); },
       [this] { calls.push_back("rescale"); }, setUpMaximumFlow}};
};

TEST_F(SetupWindowActionsTest, FullScaleFlowStaysWithinZeroTo9999) {
  const std::pair<const char*, const char*> cases[] = {
      {"12000", "9999"}, {"-5", "0"},    {"9999.5", "9999"}, {"9999", "9999"},
      {"0", "0"},        {"abc", "abc"}, {"25", "25"},       {"-0.1", "0"},
  };
  for (const auto& [typed, kept] : cases) {
    SCOPED_TRACE(typed);
    setup.MaximumFlow.SetText(typed);
    EXPECT_EQ(setup.MaximumFlow.Text(), kept);
  }
}

TEST_F(SetupWindowActionsTest, CloseUpdatesLabelsScalingAndDiagnosticsThenHides) {
  setup.Show();
  setup.MaximumFlow.SetText("25");
  setup.CmdKM4400Setup.Click();
  EXPECT_EQ(calls, (std::vector<std::string>{"labels from 25", "rescale"}));
  EXPECT_EQ(setUpMaximumFlow.Text(), "25");
  EXPECT_FALSE(setup.Visible());
}

TEST_F(SetupWindowActionsTest, CancelHidesAndKeepsTheEdits) {
  setup.Show();
  setup.MaximumFlow.SetText("25");
  setup.Command1.Click();
  EXPECT_FALSE(setup.Visible());
  EXPECT_EQ(setup.MaximumFlow.Text(), "25");
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(setUpMaximumFlow.Text(), "");
}

TEST_F(SetupWindowActionsTest, StatusCloseHidesTheStatusWindowOnly) {
  setup.Show();
  status.Show();
  status.Command1.Click();
  EXPECT_FALSE(status.Visible());
  EXPECT_TRUE(setup.Visible());
}

}  // namespace
}  // namespace acquisition

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/menu_item.h"
#include "core/text_box.h"
#include "core/window.h"

namespace {

TEST(TextBoxModel, ChangeActionRunsOnlyWhenTheTextChangesAndMayCorrectIt) {
  core::TextBox box("MaximumFlow", "10");
  std::vector<std::string> seen;
  box.OnChange([&] {
    seen.push_back(box.Text());
    if (box.Text() == "12000") box.SetText("9999");
  });
  int redraws = 0;
  box.Observe([&] { ++redraws; });

  box.SetText("10");  // unchanged: nothing runs
  box.SetText("12000");
  EXPECT_EQ(box.Text(), "9999");
  EXPECT_EQ(seen, (std::vector<std::string>{"12000", "9999"}));
  EXPECT_EQ(redraws, 2);
}

class TwoBoxWindow : public core::Window {
 public:
  TwoBoxWindow() : Window("Test", "Test window") {
    RegisterAll(A, B);
    SetLoadAction([this] { ++loads; });
  }
  core::TextBox A{"A"};
  core::MenuItem B{"Item(1)", "&Item"};
  int loads = 0;
};

TEST(WindowModel, LoadsOnceIsCreatedHiddenAndRaisesOnEveryShow) {
  TwoBoxWindow window;
  EXPECT_FALSE(window.Visible());
  window.Show();
  window.Show();
  window.Hide();
  EXPECT_EQ(window.loads, 1);
  EXPECT_EQ(window.RaiseCount(), 2);
  EXPECT_FALSE(window.Visible());
  EXPECT_EQ(window.Find("Item(1)"), &window.B);
  EXPECT_EQ(window.Find("item(1)"), nullptr);
}

}  // namespace

// The parameter block: which lines, in what words, where, for the preview and the printer.
#include "reports/parameter_block.h"

#include <gtest/gtest.h>

#include "acquisition/live_packet.h"
#include "doubles/recording_surface.h"
#include "records/stored_test_values.h"

namespace {

records::StoredTestValues Saved() {
  records::StoredTestValues v;
  v.PartNumber = 12;
  v.TimeBase = 0.1f;
  v.FillTime = 5;
  v.CalLeak = 10.6f;
  v.MaxSlope = 10;
  v.MinFlow = 5;
  v.ZeroTime = 20;
  v.TCFactor = 0.5f;
  v.Version = 0.4f;
  return v;
}

TEST(ParameterBlock, ZeroTimeLinesFollowTheLiveVersionNotTheFile) {
  const std::pair<const char*, std::size_t> cases[] = {{"401", 20}, {"40", 20}, {"410", 16},
                                                       {"399", 16}, {"4", 16},  {"", 16}};
  records::StoredTestValues stored = Saved();
  for (const auto& [version, lines] : cases) {
    acquisition::LivePacket packet;
    packet.Version = version;
    EXPECT_EQ(reports::ParameterBlock(stored, packet).Lines("").size(), lines) << version;
  }
}

TEST(ParameterBlock, LinesReadAsTheSetUpWindowPairsTheLimits) {
  records::StoredTestValues stored = Saved();
  acquisition::LivePacket packet;
  packet.Version = "401";
  auto lines = reports::ParameterBlock(stored, packet).Lines(" sec. per div.");
  EXPECT_EQ(lines[0], "Part Number :12");
  EXPECT_EQ(lines[1], "Time Base :0.1 sec. per div.");
  EXPECT_EQ(lines[2], "Fill Time :5");
  EXPECT_EQ(lines[6], "Cal Leak :10.6");
  EXPECT_EQ(lines[8], "Max Slope :10");
  EXPECT_EQ(lines[9], "Min Flow :5");
  EXPECT_EQ(lines[11], "Pressure :0");
  EXPECT_EQ(lines[16], "Maximum POS Flow Limit (end of Zero time) :10");
  EXPECT_EQ(lines[17], "Maximum Neg Flow Limit (end of Zero time) :5");
  EXPECT_EQ(lines[18], "Zero Time :20");
  EXPECT_EQ(lines[19], "TC Factor :0.5");
}

TEST(ParameterBlock, EveryLineStartsAtOneTwentiethOfTheWidthOnEitherSurface) {
  records::StoredTestValues stored = Saved();
  stored.PartNumber = 123456789;  // a line longer than others
  acquisition::LivePacket packet;
  reports::ParameterBlock block(stored, packet);
  doubles::RecordingSurface picture(777, 465), page(1056, 816);
  picture.Scale(-77, 100, 847, 0);
  page.Scale(-77, 0, 847, 100);
  picture.ClearCalls();
  page.ClearCalls();
  block.PreviewParameterBlock(picture, 770, -77, 90);
  block.PrintParameterBlock(page, 770, -77, 10);
  ASSERT_EQ(picture.Calls().size(), 16u);
  ASSERT_EQ(page.Calls().size(), 16u);
  for (const auto* calls : {&picture.Calls(), &page.Calls()}) {
    for (const std::string& call : *calls) EXPECT_EQ(call.rfind("Print 42.35,", 0), 0u) << call;
  }
  EXPECT_EQ(picture.Calls()[0], "Print 42.35,90 \"Part Number :123456800\"");
  EXPECT_EQ(picture.Calls()[1].substr(picture.Calls()[1].find('"')),
            "\"Time Base :0.1 sec. per div.\"");
  EXPECT_EQ(page.Calls()[1].substr(page.Calls()[1].find('"')), "\"Time Base :0.1 sec. per div\"");
}

}  // namespace

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/numbers.h"
#include "decoder_fixture.h"

namespace acquisition {
namespace {

using Calls = std::vector<std::string>;

class PacketDecoderTest : public ::testing::Test, protected DecoderFixture {};

TEST_F(PacketDecoderTest, DecodesEveryFieldOfARealisticPacket) {
  sink.bias = 100;
  Decode(TestPacket().Text() + "\r\n");

  EXPECT_EQ(packet.Version, "401");
  EXPECT_EQ(packet.PartNumber, "12");
  EXPECT_EQ(packet.Mode, "R");
  EXPECT_EQ(packet.TestStatus, "Y");
  EXPECT_EQ(packet.CompletionStatus, "N");
  EXPECT_EQ(packet.PressReference, "100");
  EXPECT_EQ(packet.FlowRateCount, "490");
  EXPECT_EQ(packet.FlowScaleCount, "257");
  EXPECT_EQ(packet.FlowZero, "0490");
  EXPECT_EQ(packet.TimeBaseCode, "2");
  EXPECT_EQ(packet.ZeroTime, "020");
  EXPECT_EQ(packet.FillTime, "050");
  EXPECT_EQ(packet.StabTime, "100");
  EXPECT_EQ(packet.ReadTime, "050");
  EXPECT_EQ(packet.MaxSlope, "10");
  EXPECT_EQ(packet.MinFlow, "005");
  EXPECT_EQ(packet.TCFactor, "0.50");
  EXPECT_EQ(packet.LeakLimit, "05.0");
  EXPECT_EQ(packet.CalLeak, "10.6");
  EXPECT_EQ(packet.ZeroSelect, "2");
  EXPECT_EQ(packet.FlowSlopeLim, "050");
  EXPECT_EQ(packet.FlowNegLimit, "020");
  EXPECT_EQ(packet.PressureTol, "10");
  EXPECT_EQ(packet.TotalTimeCount, "220");

  EXPECT_EQ(setup.Version.Text(), "4.01");
  EXPECT_EQ(setup.PartNumber.Text(), "12");
  EXPECT_EQ(setup.PressReference.Text(), "100");
  EXPECT_EQ(setup.FlowZero.Text(), "0490");
  EXPECT_EQ(setup.TimeBase.Text(), "0.1");
  EXPECT_EQ(setup.FillTime.Text(), "5");
  EXPECT_EQ(setup.StabTime.Text(), "10");
  EXPECT_EQ(setup.ReadTime.Text(), "5");
  EXPECT_EQ(setup.LeakLimit.Text(), "05.0");
  EXPECT_EQ(setup.CalLeak.Text(), "10.6");
  EXPECT_EQ(setup.PressureTol.Text(), "10");
  EXPECT_EQ(setup.FlowSlopeLim.Text(), "050");
  EXPECT_EQ(setup.FlowNegLimit.Text(), "020");
  EXPECT_TRUE(setup.ZeroTime.Visible());
  EXPECT_EQ(setup.ZeroTime.Text(), "2");
  EXPECT_EQ(setup.MinFlow.Text(), "005");
  EXPECT_EQ(setup.MaxSlope.Text(), "10");
  EXPECT_EQ(setup.TCFactor.Text(), "0.50");
  // Only the operator sets these.
  EXPECT_EQ(setup.MaximumFlow.Text(), "10");
  EXPECT_EQ(setup.TestSeries.Text(), "A1");

  EXPECT_EQ(status.Text1.Text(), "R");
  EXPECT_EQ(status.Text2.Text(), "Y");
  EXPECT_EQ(status.Text3.Text(), "N");
  EXPECT_EQ(status.Text5.Text(), "490");
  EXPECT_EQ(status.Text6.Text(), "257");
  EXPECT_EQ(status.Text7.Text(), "220");
  EXPECT_EQ(status.Text16.Text(), "STAB");
  EXPECT_EQ(flowScaleFactor.Text(), "257");

  EXPECT_EQ(sink.calls, (Calls{"CalibrateData", "CalcChartBias", "PlotHist"}));
  EXPECT_EQ(sink.plotted, std::vector<std::int16_t>{590});
}

TEST_F(PacketDecoderTest, OverwritesABoxTheOperatorIsEditing) {
  setup.FillTime.SetText("99");
  Decode(TestPacket());
  EXPECT_EQ(setup.FillTime.Text(), "5");
}

TEST_F(PacketDecoderTest, FirstTwoEventsOnlySetTheRealTimeReference) {
  const std::string first = TestPacket().Set(offset::kMode, "P").Text();
  const std::string third = TestPacket().Set(offset::kMode, "C").Text();

  clock.SetSeconds(100.25);
  decoder.Parse(first);
  EXPECT_EQ(state.EventsSinceStart, 1);
  EXPECT_FLOAT_EQ(realTimeStamp, 100.25f);
  clock.SetSeconds(200.5);
  decoder.Parse(first);
  EXPECT_EQ(state.EventsSinceStart, 2);
  EXPECT_FLOAT_EQ(realTimeStamp, 200.5f);
  EXPECT_EQ(packet.Mode, "");
  EXPECT_EQ(status.Text1.Text(), "");
  EXPECT_EQ(setup.PartNumber.Text(), "1");
  EXPECT_TRUE(sink.calls.empty());

  clock.SetSeconds(300);
  decoder.Parse(third);
  EXPECT_EQ(state.EventsSinceStart, 2);
  EXPECT_FLOAT_EQ(realTimeStamp, 200.5f);
  EXPECT_EQ(packet.Mode, "C");
  EXPECT_EQ(sink.plotted.size(), 1u);
}

TEST_F(PacketDecoderTest, DecodesTheFirstPacketAfterTheFirstStx) {
  const std::string first = TestPacket().Set(offset::kMode, "P").Text();
  const std::string second = TestPacket().Set(offset::kMode, "C").Text();

  Decode("noise\r\n0" + first + "\r\n" + second + "\r\n");
  EXPECT_EQ(packet.Mode, "P");
  EXPECT_EQ(packet.Version, "401");
  EXPECT_EQ(sink.plotted.size(), 1u);
}

TEST_F(PacketDecoderTest, TextWithoutStxChangesNothing) {
  Decode(TestPacket());
  sink.calls.clear();
  Decode("401RYN no start of packet here");
  EXPECT_EQ(packet.Mode, "R");
  EXPECT_EQ(status.Text5.Text(), "490");
  EXPECT_TRUE(sink.calls.empty());
}

struct TimeBaseCase {
  const char* code;
  const char* boxBefore;
  const char* timeBase;
  const char* fill;
  const char* stab;
  const char* read;
};

TEST_F(PacketDecoderTest, TimeBaseScalesTheTimesButNotTheirRawSum) {
  const TimeBaseCase cases[] = {
      {"2", "1", "0.1", "5", "10", "10"},
      {"1", "0.1", "1", "50", "100", "100"},
      {"3", "0.5", "0.5", "25", "50", "50"},  // any other number keeps the box's text
      {"X", "1", "0.1", "5", "10", "10"},     // not a number: the first branch
  };
  for (const TimeBaseCase& c : cases) {
    SCOPED_TRACE(c.code);
    setup.TimeBase.SetText(c.boxBefore);
    Decode(TestPacket()
               .Set(offset::kTimeBase, c.code)
               .Set(offset::kFillTime, "050")
               .Set(offset::kStabTime, "100")
               .Set(offset::kReadTime, "100")
               .Set(offset::kZeroTime, "000"));
    EXPECT_EQ(setup.TimeBase.Text(), c.timeBase);
    EXPECT_EQ(setup.FillTime.Text(), c.fill);
    EXPECT_EQ(setup.StabTime.Text(), c.stab);
    EXPECT_EQ(setup.ReadTime.Text(), c.read);
    EXPECT_EQ(packet.TotalTimeCount, "250");
    EXPECT_EQ(status.Text7.Text(), "250");
    EXPECT_FALSE(setup.ZeroTime.Visible());
  }
}

TEST_F(PacketDecoderTest, ATimeThatIsNotANumberKeepsItsBoxAlone) {
  setup.StabTime.SetText("kept");
  Decode(TestPacket().Set(offset::kStabTime, "1A0"));
  EXPECT_EQ(setup.FillTime.Text(), "5");
  EXPECT_EQ(setup.StabTime.Text(), "kept");
  EXPECT_EQ(setup.ReadTime.Text(), "5");
  EXPECT_EQ(packet.TotalTimeCount, "121");  // 50 + 1 + 50 + 20, the lenient values
}

struct ZeroTimeGroupCase {
  const char* version;
  const char* zeroTime;
  bool shown;
  const char* zeroTimeBox;
};

TEST_F(PacketDecoderTest, ZeroTimeGroupNeedsAZeroTimeAndVersionFortyOrLater) {
  const ZeroTimeGroupCase cases[] = {
      {"400", "010", true, "1"},
      {"410", "015", true, "1.5"},
      {"4AB", "010", true, "1"},  // ordinal: "4A" sorts after "40"
      {"399", "010", false, "7"},
      {"4 0", "010", false, "7"},  // "4 " sorts before "40"
      {"400", "000", false, "7"},
      {"400", "0x1", true, "7"},  // zero time not a number: shown, zero time box kept
  };
  for (const ZeroTimeGroupCase& c : cases) {
    SCOPED_TRACE(std::string(c.version) + "/" + c.zeroTime);
    setup.SetZeroTimeGroupVisible(!c.shown);
    for (core::TextBox* box : {&setup.MinFlow, &setup.MaxSlope, &setup.TCFactor})
      box->SetText("old");
    setup.ZeroTime.SetText("7");
    Decode(TestPacket().Set(offset::kVersion, c.version).Set(offset::kZeroTime, c.zeroTime));

    for (core::Control* control :
         {static_cast<core::Control*>(&setup.MinFlow), static_cast<core::Control*>(&setup.MaxSlope),
          static_cast<core::Control*>(&setup.TCFactor),
          static_cast<core::Control*>(&setup.ZeroTime), static_cast<core::Control*>(&setup.Text4),
          static_cast<core::Control*>(&setup.Text5), static_cast<core::Control*>(&setup.Text9),
          static_cast<core::Control*>(&setup.Text14)}) {
      EXPECT_EQ(control->Visible(), c.shown) << control->Name();
    }
    EXPECT_EQ(setup.ZeroTime.Text(), c.zeroTimeBox);
    EXPECT_EQ(setup.MinFlow.Text(), c.shown ? "005" : "old");
    EXPECT_EQ(setup.MaxSlope.Text(), c.shown ? "10" : "old");
    EXPECT_EQ(setup.TCFactor.Text(), c.shown ? "0.50" : "old");
  }
}

TEST_F(PacketDecoderTest, VersionBoxShowsTheVersionOverAHundred) {
  const std::pair<const char*, const char*> cases[] = {
      {"401", "4.01"}, {"040", "0.4"}, {" 40", "0.4"}, {"4.1", "0.041"},
      {"1e2", "1"},    {"4AB", "1.5"}, {"   ", "1.5"},  // not a number: the box keeps its text
  };
  for (const auto& [field, shown] : cases) {
    SCOPED_TRACE(field);
    setup.Version.SetText("1.5");
    Decode(TestPacket().Set(offset::kVersion, field));
    EXPECT_EQ(setup.Version.Text(), shown);
    EXPECT_EQ(packet.Version, field);
  }
}

// Every three-digit version and time field gives the same texts as the general conversion.
TEST_F(PacketDecoderTest, NumberTextsAgreeWithTheGeneralConversionForEveryThreeDigitField) {
  for (int n = 0; n < 1000; ++n) {
    char field[4];
    std::snprintf(field, sizeof field, "%03d", n);
    Decode(TestPacket().Set(offset::kVersion, field).Set(offset::kReadTime, field));
    ASSERT_EQ(setup.Version.Text(), core::NumberText(core::StrictNumericValue(field) / 100))
        << field;
    ASSERT_EQ(setup.ReadTime.Text(), core::NumberText(core::StrictNumericValue(field) * 0.1))
        << field;
  }
}

struct FlowCase {
  const char* field;
  const char* count;
};

TEST_F(PacketDecoderTest, FlowCountsAreTheLenientNumberTexts) {
  const FlowCase cases[] = {
      {"0045", "45"}, {" 12A", "12"}, {"    ", "0"}, {"02.5", "2.5"}, {"-012", "-12"}};
  for (const FlowCase& c : cases) {
    SCOPED_TRACE(c.field);
    Decode(TestPacket().Set(offset::kFlowRate, c.field).Set(offset::kFlowScale, c.field));
    EXPECT_EQ(packet.FlowRateCount, c.count);
    EXPECT_EQ(packet.FlowScaleCount, c.count);
    EXPECT_EQ(status.Text5.Text(), c.count);
    EXPECT_EQ(status.Text6.Text(), c.count);
    EXPECT_EQ(flowScaleFactor.Text(), c.count);
  }
}

TEST_F(PacketDecoderTest, ZeroSelectionShowsCalOrStab) {
  const std::pair<const char*, const char*> cases[] = {
      {"1", "CAL"}, {"2", "STAB"}, {"3", "before"}, {" ", "CAL"}, {"Z", "CAL"}};
  for (const auto& [field, shown] : cases) {
    SCOPED_TRACE(field);
    status.Text16.SetText("before");
    Decode(TestPacket().Set(offset::kZeroSelect, field));
    EXPECT_EQ(status.Text16.Text(), shown);
  }
}

struct PlotCase {
  const char* flowRate;
  std::int32_t bias;
  std::optional<std::int16_t> plotted;
};

TEST_F(PacketDecoderTest, PlotsFlowPlusBiasRoundedHalvesToEvenWithinSixteenBits) {
  const PlotCase cases[] = {
      {"0490", 100, 590},
      {"02.5", 0, 2},
      {"03.5", 0, 4},
      {"9999", 22768, 32767},
      {"9999", 22769, std::nullopt},
      {"0000", -32768, -32768},
      {"0000", -32769, std::nullopt},
  };
  for (const PlotCase& c : cases) {
    SCOPED_TRACE(std::string(c.flowRate) + " + " + std::to_string(c.bias));
    sink = RecordingSink();
    sink.bias = c.bias;
    status.Text5.SetText("");
    Decode(TestPacket().Set(offset::kFlowRate, c.flowRate));
    EXPECT_EQ(sink.calls.front(), "CalibrateData");
    EXPECT_NE(status.Text5.Text(), "");
    if (c.plotted) {
      EXPECT_EQ(sink.plotted, std::vector<std::int16_t>{*c.plotted});
    } else {
      EXPECT_EQ(sink.calls, (Calls{"CalibrateData", "CalcChartBias"}));
    }
  }
}

TEST_F(PacketDecoderTest, AFailureInCalibrationOrPlottingEndsOnlyThatCall) {
  sink.failCalibrate = true;
  Decode(TestPacket());
  EXPECT_EQ(sink.calls, (Calls{"CalibrateData", "CalcChartBias", "PlotHist"}));

  sink = RecordingSink();
  sink.failBias = true;
  Decode(TestPacket());
  EXPECT_EQ(sink.calls, (Calls{"CalibrateData", "CalcChartBias"}));

  sink = RecordingSink();
  sink.failPlot = true;
  Decode(TestPacket());
  Decode(TestPacket());
  EXPECT_EQ(sink.plotted.size(), 2u);
}

TEST_F(PacketDecoderTest, PacketCutRightAfterItsStx) {
  Decode(TestPacket());
  sink = RecordingSink();
  sink.bias = 1234;
  setup.TimeBase.SetText("1");
  Decode("\x02");

  EXPECT_EQ(packet.Mode, "");
  EXPECT_EQ(packet.TestStatus, "");
  EXPECT_EQ(packet.CompletionStatus, "");
  EXPECT_EQ(status.Text1.Text(), "");
  EXPECT_EQ(status.Text2.Text(), "");
  EXPECT_EQ(status.Text3.Text(), "");
  for (core::TextBox* box :
       {&setup.PartNumber, &setup.PressReference, &setup.FlowZero, &setup.LeakLimit, &setup.CalLeak,
        &setup.PressureTol, &setup.FlowSlopeLim, &setup.FlowNegLimit}) {
    EXPECT_EQ(box->Text(), "") << box->Name();
  }
  EXPECT_EQ(setup.Version.Text(), "4.01");
  EXPECT_EQ(setup.FillTime.Text(), "5");
  EXPECT_EQ(setup.StabTime.Text(), "10");
  EXPECT_EQ(setup.ReadTime.Text(), "5");
  EXPECT_EQ(packet.FlowRateCount, "0");
  EXPECT_EQ(packet.FlowScaleCount, "0");
  EXPECT_EQ(packet.TotalTimeCount, "0");
  EXPECT_EQ(status.Text5.Text(), "0");
  EXPECT_EQ(status.Text6.Text(), "0");
  EXPECT_EQ(status.Text7.Text(), "0");
  EXPECT_EQ(flowScaleFactor.Text(), "0");
  EXPECT_EQ(setup.TimeBase.Text(), "0.1");
  EXPECT_TRUE(setup.ZeroTime.Visible());
  EXPECT_EQ(setup.MinFlow.Text(), "");
  EXPECT_EQ(setup.MaxSlope.Text(), "");
  EXPECT_EQ(setup.TCFactor.Text(), "");
  EXPECT_EQ(setup.ZeroTime.Text(), "2");
  EXPECT_EQ(status.Text16.Text(), "CAL");
  EXPECT_EQ(sink.plotted, std::vector<std::int16_t>{1234});
}

TEST_F(PacketDecoderTest, PacketCutInsideAFieldKeepsWhatArrived) {
  Decode(TestPacket().Text().substr(0, 30));  // ends inside the zero time "020"
  EXPECT_EQ(packet.ZeroTime, "02");
  EXPECT_EQ(packet.FillTime, "");
  EXPECT_EQ(setup.ZeroTime.Text(), "0.2");
  EXPECT_EQ(packet.TotalTimeCount, "2");
  EXPECT_EQ(packet.FlowRateCount, "490");
}

}  // namespace
}  // namespace acquisition

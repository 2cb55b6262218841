#include "acquisition/packet_decoder.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "core/guard.h"
#include "core/numbers.h"

namespace acquisition {
namespace {

constexpr char kStx = '\x02';

// A field of the packet: its offset from the STX and its width.
struct FieldSpan {
  std::size_t offset;
  std::size_t width;
};

// The field at `span` of a packet that starts with its STX; shorter or empty when the text
// ends inside or before it.
std::string_view Cut(std::string_view packet, FieldSpan span) {
  if (span.offset >= packet.size()) return {};
  return packet.substr(span.offset, span.width);
}

// The eighteen set-up fields stored unchanged, in the order they are copied.
struct StoredField {
  std::string LivePacket::*member;
  FieldSpan span;
};
constexpr StoredField kStoredFields[] = {
    {&LivePacket::Version, {1, 3}},         {&LivePacket::PartNumber, {4, 2}},
    {&LivePacket::PressReference, {12, 3}}, {&LivePacket::TimeBaseCode, {27, 1}},
    {&LivePacket::ZeroTime, {28, 3}},       {&LivePacket::FillTime, {31, 3}},
    {&LivePacket::StabTime, {34, 3}},       {&LivePacket::ReadTime, {37, 3}},
    {&LivePacket::MaxSlope, {40, 2}},       {&LivePacket::MinFlow, {42, 3}},
    {&LivePacket::TCFactor, {45, 4}},       {&LivePacket::LeakLimit, {49, 4}},
    {&LivePacket::CalLeak, {53, 4}},        {&LivePacket::PressureTol, {65, 2}},
    {&LivePacket::ZeroSelect, {57, 1}},     {&LivePacket::FlowZero, {23, 4}},
    {&LivePacket::FlowSlopeLim, {59, 3}},   {&LivePacket::FlowNegLimit, {62, 3}},
};
constexpr FieldSpan kMode{6, 1};
constexpr FieldSpan kTestStatus{7, 1};
constexpr FieldSpan kCompletionStatus{8, 1};
constexpr FieldSpan kFlowRate{15, 4};
constexpr FieldSpan kFlowScale{19, 4};

// A set-up box and the packet field it shows.
struct ShownField {
  core::TextBox KM4400SetUp::*box;
  const std::string LivePacket::*field;
};
constexpr ShownField kIdentityFields[] = {
    {&KM4400SetUp::PartNumber, &LivePacket::PartNumber},
    {&KM4400SetUp::PressReference, &LivePacket::PressReference},
    {&KM4400SetUp::FlowZero, &LivePacket::FlowZero},
};
constexpr ShownField kTimeFields[] = {
    {&KM4400SetUp::FillTime, &LivePacket::FillTime},
    {&KM4400SetUp::StabTime, &LivePacket::StabTime},
    {&KM4400SetUp::ReadTime, &LivePacket::ReadTime},
};
constexpr ShownField kLimitFields[] = {
    {&KM4400SetUp::LeakLimit, &LivePacket::LeakLimit},
    {&KM4400SetUp::CalLeak, &LivePacket::CalLeak},
    {&KM4400SetUp::PressureTol, &LivePacket::PressureTol},
    {&KM4400SetUp::FlowSlopeLim, &LivePacket::FlowSlopeLim},
    {&KM4400SetUp::FlowNegLimit, &LivePacket::FlowNegLimit},
};

// Nearly every field is plain digits, perhaps with a point: read those directly (one exact
// division, so the value is the same as the general conversion's), leave the rest to it.
std::optional<double> PlainDecimal(std::string_view text) {
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  std::size_t start = 0;
  std::size_t stop = text.size();
  while (start < stop && blank(text[start])) ++start;
  while (stop > start && blank(text[stop - 1])) --stop;
  std::int64_t digits = 0;
  std::int64_t scale = 1;
  bool point = false;
  int count = 0;
  for (std::size_t i = start; i < stop; ++i) {
    char c = text[i];
    if (c == '.' && !point) {
      point = true;
    } else if (c >= '0' && c <= '9' && count < 15) {
      digits = digits * 10 + (c - '0');
      ++count;
      if (point) scale *= 10;
    } else {
      return std::nullopt;
    }
  }
  if (count == 0) return std::nullopt;
  return static_cast<double>(digits) / static_cast<double>(scale);
}

double Lenient(std::string_view text) {
  if (auto value = PlainDecimal(text)) return *value;
  return core::NumericValue(text);
}

double Strict(std::string_view text) {
  if (auto value = PlainDecimal(text)) return *value;
  return core::StrictNumericValue(text);
}

// Number text. Whole numbers below 1e15 and values in the fixed-notation range of "%.15g"
// come out exactly as the general conversion writes them, much faster.
std::string Text(double value) {
  if (value == 0) return "0";
  char buffer[32];
  char* end = nullptr;
  double magnitude = std::fabs(value);
  if (magnitude < 1e15 && std::trunc(value) == value) {
    end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::int64_t>(value)).ptr;
  } else if (magnitude >= 1e-3 && magnitude < 1e14) {
    end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15).ptr;
  } else {
    return core::NumberText(value);
  }
  return std::string(buffer, end);
}

// A time field in seconds: its strict value times the time base B, the value of the box.
double Seconds(std::string_view field, const core::TextBox& timeBase) {
  return Strict(field) * Lenient(timeBase.Text());
}

// One guarded assignment: a box that cannot be set is skipped.
void SetStep(core::TextBox& box, const std::string& text) {
  core::Guarded([&] { box.SetText(text); });
}

void CopyFields(LivePacket& packet, std::string_view text) {
  for (const StoredField& field : kStoredFields)
    (packet.*field.member).assign(Cut(text, field.span));
}

// The zero-time group, shown only for instruments with temperature compensation.
void ShowZeroTimeGroup(KM4400SetUp& setup, const LivePacket& p) {
  bool compensated = core::GuardedTest(
      [&] { return Strict(p.ZeroTime) > 0 && std::string_view(p.Version).substr(0, 2) >= "40"; });
  if (!compensated) {
    core::Guarded([&] { setup.SetZeroTimeGroupVisible(false); });
    return;
  }
  core::Guarded([&] { setup.SetZeroTimeGroupVisible(true); });
  SetStep(setup.MinFlow, p.MinFlow);
  SetStep(setup.MaxSlope, p.MaxSlope);
  core::Guarded([&] { setup.ZeroTime.SetText(Text(Seconds(p.ZeroTime, setup.TimeBase))); });
  SetStep(setup.TCFactor, p.TCFactor);
}

void ShowSetUp(KM4400SetUp& setup, const LivePacket& p) {
  core::Guarded([&] { setup.Version.SetText(Text(Strict(p.Version) / 100)); });
  for (const ShownField& shown : kIdentityFields) SetStep(setup.*shown.box, p.*shown.field);
  if (core::GuardedTest([&] { return Strict(p.TimeBaseCode) == 2; })) {
    SetStep(setup.TimeBase, "0.1");
  } else if (core::GuardedTest([&] { return Strict(p.TimeBaseCode) == 1; })) {
    SetStep(setup.TimeBase, "1");
  }
  for (const ShownField& shown : kTimeFields) {
    core::Guarded(
        [&] { (setup.*shown.box).SetText(Text(Seconds(p.*shown.field, setup.TimeBase))); });
  }
  for (const ShownField& shown : kLimitFields) SetStep(setup.*shown.box, p.*shown.field);
  ShowZeroTimeGroup(setup, p);
}

void ShowStatus(const DecoderTargets& t, std::string_view text) {
  LivePacket& p = t.packet;
  p.Mode.assign(Cut(text, kMode));
  p.TestStatus.assign(Cut(text, kTestStatus));
  p.CompletionStatus.assign(Cut(text, kCompletionStatus));
  core::Guarded([&] { p.FlowRateCount = Text(Lenient(Cut(text, kFlowRate))); });
  core::Guarded([&] { p.FlowScaleCount = Text(Lenient(Cut(text, kFlowScale))); });
  SetStep(t.status.Text1, p.Mode);
  SetStep(t.status.Text2, p.TestStatus);
  SetStep(t.status.Text3, p.CompletionStatus);
  SetStep(t.status.Text5, p.FlowRateCount);
  SetStep(t.status.Text6, p.FlowScaleCount);
  SetStep(t.flowScaleFactorBox, p.FlowScaleCount);
  core::Guarded([&] {
    p.TotalTimeCount =
        Text(Lenient(p.FillTime) + Lenient(p.StabTime) + Lenient(p.ReadTime) + Lenient(p.ZeroTime));
  });
  SetStep(t.status.Text7, p.TotalTimeCount);
  if (core::GuardedTest([&] { return Strict(p.ZeroSelect) == 1; })) {
    SetStep(t.status.Text16, "CAL");
  } else if (core::GuardedTest([&] { return Strict(p.ZeroSelect) == 2; })) {
    SetStep(t.status.Text16, "STAB");
  }
}

// Calibration, then the flow count plus the chart bias to live plotting; a value outside the
// 16-bit range is not plotted.
void HandOn(PacketSink& sink, const LivePacket& p) {
  core::Guarded([&] { sink.CalibrateData(); });
  core::Guarded([&] {
    std::int16_t value = core::RoundToInt16(Lenient(p.FlowRateCount) + sink.CalcChartBias());
    sink.PlotHist(value);
  });
}

}  // namespace

PacketDecoder::PacketDecoder(DecoderTargets targets, const core::Clock& clock, PacketSink& sink)
    : t_(targets), clock_(clock), sink_(sink) {}

void PacketDecoder::Parse(std::string_view text) {
  if (t_.state.EventsSinceStart >= 2) {
    std::size_t stx = text.find(kStx);
    if (stx == std::string_view::npos) return;
    std::string_view packet = text.substr(stx);
    CopyFields(t_.packet, packet);
    ShowSetUp(t_.setup, t_.packet);
    ShowStatus(t_, packet);
    HandOn(sink_, t_.packet);
  }
  // The first two events after a start only set the real-time reference.
  if (t_.state.EventsSinceStart < 2) {
    ++t_.state.EventsSinceStart;
    t_.realTimeStamp = static_cast<float>(clock_.SecondsSinceMidnight());
  }
}

}  // namespace acquisition

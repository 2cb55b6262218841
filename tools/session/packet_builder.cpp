#include "session/packet_builder.h"

#include <algorithm>
#include <array>

#include "session/close_names.h"
#include "session/script_error.h"
#include "session/script_lexer.h"

namespace session {
namespace {

struct FieldLayout {
  const char* name;
  int width;  // 0: any width
  const char* initial;
};

// In packet order; the STX and the two unread gaps have no name of their own.
constexpr std::array<FieldLayout, 28> kFields{{
    {"Lead", 0, ""},
    {"STX", -1, "\x02"},
    {"Version", 3, "401"},
    {"PartNumber", 2, "12"},
    {"Mode", 1, "R"},
    {"TestStatus", 1, "Y"},
    {"CompletionStatus", 1, "N"},
    {"Unused9", -1, "000"},
    {"PressReference", 3, "100"},
    {"FlowRateCount", 4, "0490"},
    {"FlowScaleCount", 4, "0257"},
    {"FlowZero", 4, "0490"},
    {"TimeBaseCode", 1, "2"},
    {"ZeroTime", 3, "020"},
    {"FillTime", 3, "050"},
    {"StabTime", 3, "100"},
    {"ReadTime", 3, "050"},
    {"MaxSlope", 2, "10"},
    {"MinFlow", 3, "005"},
    {"TCFactor", 4, "0.50"},
    {"LeakLimit", 4, "05.0"},
    {"CalLeak", 4, "10.6"},
    {"ZeroSelect", 1, "2"},
    {"Unused58", -1, "0"},
    {"FlowSlopeLim", 3, "050"},
    {"FlowNegLimit", 3, "020"},
    {"PressureTol", 2, "10"},
    {"Tail", 0, ""},
}};

// Only fields with a width of 0 or more can be named in a script.
const FieldLayout* FindNamed(const std::string& name) {
  const auto* layout = std::find_if(kFields.begin(), kFields.end(), [&](const FieldLayout& f) {
    return f.width >= 0 && name == f.name;
  });
  return layout == kFields.end() ? nullptr : layout;
}

}  // namespace

PacketBuilder::PacketBuilder() {
  for (const auto& layout : kFields) defaults_.push_back({layout.name, layout.initial, true});
}

std::vector<std::string> PacketBuilder::FieldNames() {
  std::vector<std::string> names;
  for (const auto& layout : kFields) {
    if (layout.width >= 0) names.push_back(layout.name);
  }
  return names;
}

void PacketBuilder::Check(const FieldValue& field) {
  const FieldLayout* layout = FindNamed(field.name);
  if (!layout) {
    throw ScriptError("no packet field \"" + field.name + "\"" +
                      CloseNamesHint(field.name, FieldNames()));
  }
  if (field.raw || layout->width == 0 || static_cast<int>(field.value.size()) == layout->width)
    return;
  const char* unit = layout->width == 1 ? " character, " : " characters, ";
  throw ScriptError(field.name + " takes " + std::to_string(layout->width) + unit +
                    Quoted(field.value) + " has " + std::to_string(field.value.size()) +
                    " (mark it raw to shift the later fields: raw " + field.name + "=...)");
}

void PacketBuilder::SetDefaults(const std::vector<FieldValue>& fields) {
  for (const auto& field : fields) {
    Check(field);
    auto slot = std::find_if(defaults_.begin(), defaults_.end(),
                             [&](const FieldValue& d) { return d.name == field.name; });
    slot->value = field.value;
  }
}

std::string PacketBuilder::Build(const std::vector<FieldValue>& overrides) const {
  for (const auto& field : overrides) Check(field);
  std::string packet;
  for (const auto& field : defaults_) {
    auto given = std::find_if(overrides.rbegin(), overrides.rend(),
                              [&](const FieldValue& o) { return o.name == field.name; });
    packet += given == overrides.rend() ? field.value : given->value;
  }
  return packet;
}

}  // namespace session

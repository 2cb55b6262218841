#pragma once

#include <optional>
#include <string>
#include <vector>

namespace session {

// One field given in a `packet` command. A raw value goes in as written, so a value of another
// width shifts every later field; otherwise the value must have the field's width.
struct FieldValue {
  std::string name;
  std::string value;
  bool raw = false;
};

// Builds instrument packets: the 67 characters from the STX, each field at its offset, from
// the defaults of a well-formed packet with fields overridden by name. Two more names:
// `Lead` (characters before the STX) and `Tail` (characters after the last field).
class PacketBuilder {
 public:
  PacketBuilder();

  // Throws ScriptError for an unknown name or a value of the wrong width.
  static void Check(const FieldValue& field);
  static std::vector<std::string> FieldNames();

  // Changes the defaults of later packets.
  void SetDefaults(const std::vector<FieldValue>& fields);
  std::string Build(const std::vector<FieldValue>& overrides) const;

 private:
  std::vector<FieldValue> defaults_;  // in packet order, Lead first and Tail last
};

}  // namespace session

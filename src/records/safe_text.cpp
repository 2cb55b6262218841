#include "records/safe_text.h"

namespace records {
namespace {

bool Breaks(unsigned char c) { return c < 0x20 || c == 0x7f || c == '"'; }

}  // namespace

std::string FieldSafe(const std::string& text) {
  std::string out = text;
  for (char& c : out) {
    if (Breaks(static_cast<unsigned char>(c))) c = '_';
  }
  return out;
}

std::string NameSafe(const std::string& text) {
  std::string out = FieldSafe(text);
  for (char& c : out) {
    if (c == '/' || c == '\\') c = '_';
  }
  if (!out.empty() && out.front() == '.') out.front() = '_';
  return out;
}

}  // namespace records

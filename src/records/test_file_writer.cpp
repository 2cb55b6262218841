#include "records/test_file_writer.h"

#include <span>

#include "core/numbers.h"

namespace records {
namespace {

constexpr const char* kLineEnd = "\r\n";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

void AppendNumbers(std::string& out, std::span<const double> values) {
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) out += ',';
    out += core::NumberText(values[i]);
  }
}

}  // namespace

std::string FormatTestFile(const SavedTest& test) {
  std::string out;
  out.reserve(200 + test.data.size() * 16);
  out += Quoted(test.header) + kLineEnd;
  AppendNumbers(out, test.scale);
  out += kLineEnd;
  AppendNumbers(out, test.setUp);
  out += kLineEnd;
  AppendNumbers(out, test.limits);
  out += kLineEnd;
  AppendNumbers(out, test.zeroTime);
  out += "," + Quoted(test.testSeries) + kLineEnd;
  for (const DataLine& line : test.data) {
    out += std::to_string(line.x) + "," + std::to_string(line.y) + "," +
           std::to_string(line.offset) + "," + Quoted(line.status) + kLineEnd;
  }
  return out;
}

}  // namespace records

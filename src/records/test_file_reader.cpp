#include "records/test_file_reader.h"

#include <cmath>
#include <limits>

#include "core/numbers.h"
#include "core/step_failure.h"

namespace records {
namespace {

constexpr std::size_t kHeaderLines = 5;

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    std::string_view line =
        text.substr(start, (end == std::string_view::npos ? text.size() : end) - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = next;
  }
  return lines;
}

// The fields of one line: quotes removed from texts, blanks around bare fields dropped.
std::vector<std::string> SplitFields(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && line[i] == ' ') ++i;
    std::string field;
    if (i < line.size() && line[i] == '"') {
      std::size_t close = line.find('"', i + 1);
      if (close == std::string_view::npos) close = line.size();
      field = std::string(line.substr(i + 1, close - i - 1));
      i = close + 1;
      while (i < line.size() && line[i] != ',') ++i;  // anything after the quote is dropped
    } else {
      std::size_t comma = std::min(line.find(',', i), line.size());
      std::string_view bare = line.substr(i, comma - i);
      while (!bare.empty() && bare.back() == ' ') bare.remove_suffix(1);
      field = std::string(bare);
      i = comma;
    }
    fields.push_back(std::move(field));
    if (i >= line.size()) return fields;
    ++i;  // the comma
  }
}

// Fields of one line, located for messages.
class Line {
 public:
  Line(std::string_view text, std::size_t number, std::size_t expected)
      : fields_(SplitFields(text)), number_(number) {
    if (fields_.size() != expected) {
      throw TestFileError("line " + std::to_string(number) + " has " +
                          std::to_string(fields_.size()) + " fields where " +
                          std::to_string(expected) + " belong");
    }
  }

  const std::string& Text(std::size_t field) const { return fields_[field]; }

  // An empty number field reads as 0.
  double Number(std::size_t field) const {
    const std::string& text = fields_[field];
    if (text.empty()) return 0;
    try {
      return core::StrictNumericValue(text);
    } catch (const core::StepFailure&) {
      throw Wrong(field, "is not a number");
    }
  }

  std::int16_t Int16(std::size_t field) const {
    try {
      return core::RoundToInt16(Number(field));
    } catch (const core::StepFailure&) {
      throw Wrong(field, "is outside the 16-bit range");
    }
  }

  std::int32_t Int32(std::size_t field) const {
    try {
      return core::RoundToInt32(Number(field));
    } catch (const core::StepFailure&) {
      throw Wrong(field, "is outside the 32-bit range");
    }
  }

  float Single(std::size_t field) const {
    double value = Number(field);
    if (std::abs(value) > std::numeric_limits<float>::max()) {
      throw Wrong(field, "is outside the single-precision range");
    }
    return static_cast<float>(value);
  }

 private:
  TestFileError Wrong(std::size_t field, const std::string& why) const {
    return TestFileError("line " + std::to_string(number_) + ", field " +
                         std::to_string(field + 1) + ": \"" + fields_[field] + "\" " + why);
  }

  std::vector<std::string> fields_;
  std::size_t number_;
};

void ReadHeaderLines(const std::vector<std::string_view>& lines, StoredTestFile& file) {
  StoredTestValues& v = file.values;
  v.Header = Line(lines[0], 1, 1).Text(0);

  Line scale(lines[1], 2, 5);
  file.scale = {scale.Int16(0), scale.Int16(1), scale.Int16(2), scale.Single(3)};
  scale.Number(4);  // the full scale flow is kept as written, but it must be a number
  v.FullScaleFlow = scale.Text(4);

  Line setUp(lines[2], 3, 7);
  float* line3[] = {&v.PartNumber, &v.FillTime,     &v.StabTime,      &v.ReadTime,
                    &v.Version,    &v.FlowSlopeLim, &v.PressReference};
  for (std::size_t i = 0; i < 7; ++i) *line3[i] = setUp.Single(i);

  Line limits(lines[3], 4, 6);
  float* line4[] = {&v.LeakLimit,    &v.CalLeak,     &v.FlowZero,
                    &v.FlowNegLimit, &v.PressureTol, &v.TimeBase};
  for (std::size_t i = 0; i < 6; ++i) *line4[i] = limits.Single(i);

  Line zeroTime(lines[4], 5, 5);
  float* line5[] = {&v.MaxSlope, &v.TCFactor, &v.MinFlow, &v.ZeroTime};
  for (std::size_t i = 0; i < 4; ++i) *line5[i] = zeroTime.Single(i);
  v.TestSeries = zeroTime.Text(4);
}

}  // namespace

StoredTestFile ReadTestFile(std::string_view text) {
  std::vector<std::string_view> lines = SplitLines(text);
  if (lines.size() < kHeaderLines) throw TestFileError("it has fewer than five header lines");
  if (lines.size() == kHeaderLines) throw TestFileError("it has no data line");
  StoredTestFile file;
  ReadHeaderLines(lines, file);
  file.data.reserve(lines.size() - kHeaderLines);
  for (std::size_t i = kHeaderLines; i < lines.size(); ++i) {
    Line data(lines[i], i + 1, 4);
    file.data.push_back({data.Int16(0), data.Int16(1), data.Int32(2), data.Text(3)});
  }
  return file;
}

}  // namespace records

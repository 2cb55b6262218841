#pragma once

namespace reports {

// What sets the printed report apart from the preview: the page's y grows downwards, so chart
// values are drawn mirrored; values above the chart maximum are held to it on paper; one file
// keeps one colour; captions, header and block are sized and spaced for paper.
struct ReportStyle {
  bool paper;
  int compensatedColourStep;  // colour of the compensated curve: PlotColour(n + step)
  int leakLimitColourStep;
  float captionXDivisor;     // caption x = xMax / divisor
  float captionLineDivisor;  // caption lines (yTop - yZero) / divisor apart
  float captionFontSize;
  const char* captionSeparator;
  float headerFontSize;

  static constexpr ReportStyle Preview() { return {false, 1, 2, 3, 25, 6, ", ", 6}; }
  static constexpr ReportStyle Printed() { return {true, 0, 0, 2, 50, 8, ",  ", 12}; }
};

}  // namespace reports

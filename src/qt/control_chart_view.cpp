#include "qt/control_chart_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/control_bindings.h"
#include "qt/control_chart_picture.h"
#include "qt/control_chart_plot.h"
#include "qt/form_parts.h"

namespace qtui {
namespace {

// Room for a few weeks of tests with their dates legible on the time axis.
constexpr int kWindowCharacters = 110;
constexpr int kWindowLines = 34;

}  // namespace

QWidget* BuildControlChartView(history::ControlChartWindow& model) {
  QWidget* window = MakeWindow();
  auto* layout = new QVBoxLayout(window);
  QLabel* caption = MakeLabel(model.Caption, *window);
  QFont bigger = caption->font();
  bigger.setBold(true);
  caption->setFont(bigger);
  layout->addWidget(caption);
  layout->addWidget(MakeLabel(model.Limits, *window));
  auto* plot = new ControlChartPlot(model, window);
  plot->setObjectName("Chart");
  layout->addWidget(plot, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(MakeButton(model.SavePng, *window));
  buttons->addWidget(MakeButton(model.SavePdf, *window));
  buttons->addStretch();
  buttons->addWidget(MakeButton(model.CloseButton, *window));
  layout->addLayout(buttons);
  QPointer<ControlChartPlot> alive(plot);
  model.SetRenderer([alive](const std::string& path, const std::string& format) -> std::string {
    if (!alive) return "The control chart is not open.";
    return WritePicture(*alive, path, format);
  });
  window->resize(BoxWidth(*window, kWindowCharacters),
                 window->fontMetrics().height() * kWindowLines);
  return window;
}

}  // namespace qtui

#include "qt/graph_setup_view.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/control_bindings.h"
#include "qt/form_parts.h"

namespace qtui {
namespace {

QGroupBox* PropertiesFrame(scaling::GraphSetup& m, QWidget& window) {
  QGroupBox* frame = MakeFrame(scaling::GraphSetup::kPropertiesFrame, window);
  auto* grid = new QGridLayout(frame);
  struct Field {
    core::TextBox& label;
    core::TextBox& box;
  };
  const Field fields[] = {
      {m.HistMaxLabel, m.HistMaxValue},         {m.FlowZeroYaxisLabel, m.FlowZeroYaxisValue},
      {m.HistMinLabel, m.HistMinValue},         {m.PaperLengthLabel, m.HistPaperLength},
      {m.SecPerDivLabel, m.SecPerDiv},          {m.DivisionsLabel, m.DivisionsDisplayed},
      {m.TotalTimeLabel, m.TotalTimeDisplayed}, {m.ClearCountLabel, m.ScreenClearCountMax}};
  int row = 0;
  for (const Field& field : fields) {
    // The time increment steps the seconds per division, so it sits beside that box.
    if (&field.box == &m.SecPerDiv) grid->addWidget(MakeButton(m.TimeIncrement, *frame), row, 2);
    AddField(*grid, row++, 0, field.label, field.box, *frame);
  }
  return frame;
}

QGroupBox* ScalingFrame(scaling::GraphSetup& m, QWidget& window) {
  QGroupBox* frame = MakeFrame(scaling::GraphSetup::kScalingFrame, window);
  auto* grid = new QGridLayout(frame);
  AddField(*grid, 0, 0, m.FlowScaleFactLabel, m.FlowScaleFact, *frame);
  AddField(*grid, 1, 0, m.FlowZeroLabel, m.FlowZero, *frame);
  return frame;
}

QGroupBox* LeakLimitFrame(scaling::GraphSetup& m, QWidget& window) {
  QGroupBox* frame = MakeFrame(scaling::GraphSetup::kLeakLimitFrame, window);
  auto* row = new QHBoxLayout(frame);
  row->addWidget(MakeCheckBox(m.LeakLimitCheckBox, *frame));
  return frame;
}

}  // namespace

QWidget* BuildGraphSetupView(scaling::GraphSetup& model) {
  QWidget* window = MakeWindow();
  auto* layout = new QVBoxLayout;
  layout->addWidget(PropertiesFrame(model, *window));
  layout->addWidget(ScalingFrame(model, *window));
  layout->addWidget(LeakLimitFrame(model, *window));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(MakeButton(model.Rescale, *window));
  buttons->addStretch();
  buttons->addWidget(MakeButton(model.Command1, *window));
  layout->addLayout(buttons);
  FixWindowSize(*window, *layout);
  return window;
}

}  // namespace qtui

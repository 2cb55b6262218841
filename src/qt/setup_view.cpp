#include "qt/setup_view.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/control_bindings.h"
#include "qt/form_parts.h"

namespace qtui {
namespace {

// The full scale flow must be set: its box stands out in light red.
constexpr core::Rgb kMustSetColour = core::MakeRgb(255, 192, 192);

QGroupBox* PlottingFrame(acquisition::KM4400SetUp& m, QWidget& window) {
  QGroupBox* frame = MakeFrame(acquisition::KM4400SetUp::kPlottingFrame, window);
  auto* grid = new QGridLayout(frame);
  QWidget* flow = AddField(*grid, 0, 0, m.Text1, m.MaximumFlow, *frame);
  QPalette palette = flow->palette();
  palette.setColor(QPalette::Base, ToQColor(kMustSetColour));
  flow->setPalette(palette);
  grid->addWidget(MakeCheckBox(m.ZeroShift, *frame), 1, 0, 1, 2);
  return frame;
}

QGroupBox* ZeroTimeFrame(acquisition::KM4400SetUp& m, QWidget& parent) {
  QGroupBox* frame = MakeFrame(QString(), parent);
  auto* grid = new QGridLayout(frame);
  AddField(*grid, 0, 0, m.Text9, m.MaxSlope, *frame);
  AddField(*grid, 1, 0, m.Text5, m.TCFactor, *frame);
  AddField(*grid, 0, 1, m.Text14, m.MinFlow, *frame);
  AddField(*grid, 1, 1, m.Text4, m.ZeroTime, *frame);
  // The frame goes with its group, which the decoder shows or hides as one.
  Mirror(m.MaxSlope, *frame, [&m, frame] { frame->setVisible(m.MaxSlope.Visible()); });
  return frame;
}

QGroupBox* InstrumentFrame(acquisition::KM4400SetUp& m, QWidget& window) {
  QGroupBox* frame = MakeFrame(acquisition::KM4400SetUp::kInstrumentFrame, window);
  auto* layout = new QVBoxLayout(frame);
  auto* grid = new QGridLayout;
  layout->addLayout(grid);
  struct Field {
    core::TextBox& caption;
    core::TextBox& box;
  };
  const Field left[] = {{m.Text3, m.PartNumber},     {m.Text6, m.FillTime},
                        {m.Text8, m.StabTime},       {m.Text7, m.ReadTime},
                        {m.Text17, m.Version},       {m.Text13, m.FlowSlopeLim},
                        {m.Text18, m.PressReference}};
  const Field right[] = {{m.Text10, m.LeakLimit},   {m.Text11, m.CalLeak},
                         {m.Text12, m.FlowZero},    {m.Text19, m.FlowNegLimit},
                         {m.Text15, m.PressureTol}, {m.Text2, m.TimeBase}};
  int row = 0;
  for (const Field& field : left) AddField(*grid, row++, 0, field.caption, field.box, *frame);
  row = 0;
  for (const Field& field : right) AddField(*grid, row++, 1, field.caption, field.box, *frame);
  layout->addWidget(ZeroTimeFrame(m, *frame));
  return frame;
}

QHBoxLayout* BottomRow(acquisition::KM4400SetUp& m, QWidget& window) {
  auto* row = new QHBoxLayout;
  row->addWidget(MakeButton(m.Command1, window), 0, Qt::AlignBottom);
  row->addStretch();
  QGroupBox* series = MakeFrame(acquisition::KM4400SetUp::kTestSeriesFrame, window);
  auto* seriesLayout = new QHBoxLayout(series);
  QLineEdit* edit = MakeLineEdit(m.TestSeries, *series);
  edit->setFixedWidth(BoxWidth(*edit, 10));
  seriesLayout->addWidget(edit);
  row->addWidget(series);
  row->addStretch();
  row->addWidget(MakeButton(m.CmdKM4400Setup, window), 0, Qt::AlignBottom);
  return row;
}

}  // namespace

QWidget* BuildSetupView(acquisition::KM4400SetUp& model) {
  QWidget* window = MakeWindow();
  auto* layout = new QVBoxLayout;
  layout->addWidget(PlottingFrame(model, *window));
  layout->addWidget(InstrumentFrame(model, *window));
  layout->addLayout(BottomRow(model, *window));
  FixWindowSize(*window, *layout);
  return window;
}

}  // namespace qtui

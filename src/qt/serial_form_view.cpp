#include "qt/serial_form_view.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "qt/control_bindings.h"
#include "qt/form_parts.h"
#include "qt/formula_row.h"

namespace qtui {
namespace {

QLabel* Note(const QString& text, QWidget& parent) {
  QLabel* note = MakeFixedText(text, parent);
  note->setWordWrap(true);
  return note;
}

QWidget* SerialInput(scaling::SerialForm& m, QWidget& window) {
  auto* area = new QWidget(&window);
  auto* grid = new QGridLayout(area);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(MakeFixedText("Concatenated Data Packet", *area), 0, 0);
  QPlainTextEdit* joined = MakeMultiLineEdit(m.Text1, *area);
  joined->setFixedHeight(joined->fontMetrics().lineSpacing() * 4 + 12);
  grid->addWidget(joined, 1, 0, 1, 3);
  grid->addWidget(
      Note("Data shown above represents current and previous event's 2  packets that have been "
           "concatenated",
           *area),
      2, 0);
  grid->addWidget(MakeFixedText("Number of Events", *area), 2, 1, Qt::AlignRight);
  QLineEdit* count = MakeLineEdit(m.Text2, *area);
  count->setFixedWidth(BoxWidth(*count, 8));
  grid->addWidget(count, 2, 2);
  grid->addWidget(MakeFixedText("Compare with actual time to determine samples per second", *area),
                  3, 1, 1, 2, Qt::AlignRight);
  grid->setColumnStretch(0, 1);
  return area;
}

QWidget* PlotAreaMinimum(scaling::SerialForm& m, QWidget& window) {
  FormulaRow row(window);
  row.Term("Plot Area Min Value", m.Hist1Min).Below(m.Text8).Operator("=");
  row.Term("Flow Zero", m.Text3).Operator("-(").Term("Maximum Raw Flow Count", m.Text4);
  row.Operator("-").Term("Flow Zero", m.Text5).Operator(")*0.2");
  return row.Widget();
}

QWidget* PlotAreaMaximum(scaling::SerialForm& m, QWidget& window) {
  auto* area = new QWidget(&window);
  auto* layout = new QHBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);
  FormulaRow row(*area);
  row.Term("Plot Area Max Value", m.Hist1Max).Operator("=").Term("Maximum Raw Flow ", m.Text6);
  row.Operator("+").Term("Bias", m.Text7);
  layout->addWidget(row.Widget(), 0, Qt::AlignTop);
  layout->addSpacing(16);
  layout->addWidget(
      Note("If Plot Area Min Value calculates to -ve, then min set  to 0, and abs(-ve number) "
           "becomes "
           "bias. This bias is added to Max Raw Flow Count to generate Plot Area Max Value.",
           *area),
      1);
  return area;
}

QWidget* LeakLimitCount(scaling::SerialForm& m, QWidget& window) {
  FormulaRow row(window);
  row.Term("Leak Limit Count", m.LeakLimitCountCalculation).Operator("=");
  row.Fraction("Setup Leak Limit", m.LeakLimitSetUp, m.MaximumFlowSetUp)
      .Operator("*")
      .Operator("(");
  row.Term("Calculate Hist1.Max", m.Hist1Max_Leak).Operator("-").Term("Flow Zero", m.FlowZero_Leak);
  row.Operator(")").Operator("+").Term("Flow Zero", m.FlowZero_Leak2);
  return row.Widget();
}

QWidget* TemperatureCompensation(scaling::SerialForm& m, QWidget& window) {
  FormulaRow row(window);
  row.Term("Temperature Compensation Offset", m.Temperature).Operator("=");
  row.Term("Temperature Compensation Factor", m.TemperatureFactor).Operator("*").Operator("(");
  row.Term("Flow Count Start of Zero", m.InitialZeroCount).Operator("-");
  row.Term("Flow Count End of Zero", m.FinalZeroCount).Operator(")");
  return row.Widget();
}

QWidget* MaximumRawFlow(scaling::SerialForm& m, QWidget& window) {
  auto* area = new QWidget(&window);
  auto* layout = new QVBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);
  FormulaRow boxes(*area);
  boxes.Term("Flow Scale Factor", m.FlowScaleFactor)
      .Term("KM4400 Maximum Flow Set Up", m.SetUpMaximumFlow);
  boxes.Term("UnComp Max Raw Flow Count", m.UncompensatedMaximumRawFlowCount);
  boxes.Term("Comp Max Raw Flow Count", m.CompensatedMaximumRawFlowCount);
  layout->addWidget(boxes.Widget(), 0, Qt::AlignLeft);
  QGroupBox* formulas = MakeFrame("Maximum Raw Flow Count", *area);
  auto* lines = new QVBoxLayout(formulas);
  lines->addWidget(MakeFixedText("With no temperature compensation (zero time =0)", *formulas));
  lines->addWidget(Note(
      "MaximumRawFlowCount = 10 *(KM4400SetUp_MaximumFlow) * (FlowScaleFactor) / 20  +  FlowZero",
      *formulas));
  lines->addWidget(MakeFixedText("With temperature compensation (zero time > 0)", *formulas));
  lines->addWidget(Note(
      "MaximumRawFlowCount = 10 *(KM4400SetUp_MaximumFlow) * (FlowScaleFactor) / 20  +  FlowZero "
      "+ TCF*[MaximumRawFlowCount (Beginning Zero Time) - MaximumRawFlowCount(End Zero Time)]",
      *formulas));
  layout->addWidget(formulas);
  return area;
}

}  // namespace

QWidget* BuildSerialFormView(scaling::SerialForm& model) {
  auto* content = new QWidget;
  auto* layout = new QVBoxLayout(content);
  layout->setSpacing(12);
  // A formula keeps its own width, so its terms and operators stay together.
  layout->addWidget(SerialInput(model, *content));
  layout->addWidget(PlotAreaMinimum(model, *content), 0, Qt::AlignLeft);
  layout->addWidget(PlotAreaMaximum(model, *content));
  layout->addWidget(LeakLimitCount(model, *content), 0, Qt::AlignLeft);
  layout->addWidget(TemperatureCompensation(model, *content), 0, Qt::AlignLeft);
  layout->addWidget(MaximumRawFlow(model, *content));
  // The notes wrap, so the height follows from the width.
  constexpr int kWidth = 860;
  content->setFixedSize(kWidth, layout->heightForWidth(kWidth));

  // On a small screen the window is made shorter, so it leaves the main window's button
  // free, and its formulas scroll; Manual Calibration and Close stay in view.
  QWidget* window = MakeWindow();
  auto* scroll = new QScrollArea(window);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setWidget(content);
  auto* outer = new QVBoxLayout(window);
  outer->setContentsMargins(0, 0, 0, 9);
  outer->addWidget(scroll);
  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(9, 0, 9, 0);
  buttons->addWidget(MakeButton(model.Command2, *window));
  buttons->addStretch();
  buttons->addWidget(MakeButton(model.Command1, *window));
  outer->addLayout(buttons);
  int buttonsHeight =
      outer->contentsMargins().bottom() + outer->spacing() + buttons->sizeHint().height();
  int full = content->height() + buttonsHeight;
  window->setFixedWidth(kWidth + scroll->verticalScrollBar()->sizeHint().width());
  window->setMinimumHeight(buttonsHeight + 160);
  window->setMaximumHeight(full);
  window->resize(window->width(), full);
  return window;
}

}  // namespace qtui

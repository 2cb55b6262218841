#include "qt/status_view.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/control_bindings.h"
#include "qt/form_parts.h"

namespace qtui {
namespace {

// A status letter in its frame, with the legend of the letters beside it.
QGroupBox* LetterFrame(const char* caption, core::TextBox& box, core::TextBox* legend,
                       QWidget& window) {
  QGroupBox* frame = MakeFrame(caption, window);
  auto* row = new QHBoxLayout(frame);
  QLineEdit* edit = MakeLineEdit(box, *frame);
  edit->setFixedWidth(BoxWidth(*edit, 4));
  row->addWidget(edit);
  if (legend) row->addWidget(MakeCaption(*legend, *frame), 1);
  return frame;
}

QGroupBox* CountsFrame(acquisition::StatusForm& m, QWidget& window) {
  QGroupBox* frame = MakeFrame(QString(), window);
  auto* grid = new QGridLayout(frame);
  struct Count {
    core::TextBox& box;
    core::TextBox& caption;
  };
  const Count counts[] = {
      {m.Text5, m.FlowRateCaption}, {m.Text6, m.FlowScaleCaption}, {m.Text7, m.TotalTimeCaption}};
  int row = 0;
  for (const Count& count : counts) {
    QLineEdit* edit = MakeLineEdit(count.box, *frame);
    edit->setFixedWidth(BoxWidth(*edit, 7));
    grid->addWidget(edit, row, 0);
    grid->addWidget(MakeCaption(count.caption, *frame), row++, 1);
  }
  return frame;
}

}  // namespace

QWidget* BuildStatusView(acquisition::StatusForm& model) {
  using acquisition::StatusForm;
  QWidget* window = MakeWindow();
  auto* layout = new QVBoxLayout;
  layout->addWidget(LetterFrame(StatusForm::kModeFrame, model.Text1, &model.ModeLegend, *window));
  layout->addWidget(
      LetterFrame(StatusForm::kTestStatusFrame, model.Text2, &model.TestStatusLegend, *window));
  layout->addWidget(
      LetterFrame(StatusForm::kCompletionFrame, model.Text3, &model.CompletionLegend, *window));
  layout->addWidget(LetterFrame(StatusForm::kZeroSelectionFrame, model.Text16, nullptr, *window));
  layout->addWidget(CountsFrame(model, *window));
  layout->addWidget(MakeButton(model.Command1, *window), 0, Qt::AlignRight);
  FixWindowSize(*window, *layout);
  return window;
}

}  // namespace qtui

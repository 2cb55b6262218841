#include "qt/pen_colour_view.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/control_bindings.h"
#include "qt/form_parts.h"

namespace qtui {
namespace {

QGridLayout* ColourRows(trend::PenColour& m, QWidget& window) {
  auto* grid = new QGridLayout;
  int row = 0;
  for (const trend::PenColour::Row& entry : trend::PenColour::kRows) {
    QLineEdit* edit = MakeLineEdit(*m.ColourSelect[static_cast<std::size_t>(entry.index)], window);
    edit->setFixedWidth(BoxWidth(*edit, 3));
    grid->addWidget(MakeFixedText(entry.label, window), row, 0);
    grid->addWidget(edit, row++, 1);
  }
  grid->setRowStretch(row, 1);
  return grid;
}

QGroupBox* LegendFrame(trend::PenColour& m, QWidget& window) {
  QGroupBox* frame = MakeFrame(trend::PenColour::kColourCodeFrame, window);
  auto* layout = new QVBoxLayout(frame);
  QPlainTextEdit* legend = MakeMultiLineEdit(m.Text1, *frame);
  QFontMetrics metrics(legend->font());
  legend->setFixedSize(
      metrics.horizontalAdvance(QStringLiteral("5 Magenta  13 Light Magenta")) + 24,
      metrics.lineSpacing() * 9 + 12);
  legend->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  layout->addWidget(legend);
  return frame;
}

QGroupBox* PlotNumberFrame(trend::PenColour& m, QWidget& window) {
  QGroupBox* frame = MakeFrame(trend::PenColour::kPlotNumberFrame, window);
  auto* layout = new QHBoxLayout(frame);
  QLineEdit* edit = MakeLineEdit(m.plotnumbertext, *frame);
  edit->setFixedWidth(BoxWidth(*edit, 4));
  layout->addWidget(edit);
  layout->addStretch();
  return frame;
}

}  // namespace

QWidget* BuildPenColourView(trend::PenColour& model) {
  QWidget* window = MakeWindow();
  auto* columns = new QHBoxLayout;
  columns->addLayout(ColourRows(model, *window));
  auto* right = new QVBoxLayout;
  right->addWidget(LegendFrame(model, *window));
  right->addWidget(PlotNumberFrame(model, *window));
  right->addWidget(MakeButton(model.Command1, *window), 0, Qt::AlignRight);
  columns->addLayout(right);
  FixWindowSize(*window, *columns);
  return window;
}

}  // namespace qtui

#include "qt/main_window_view.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>

#include "qt/badge_picture.h"
#include "qt/chart_view.h"
#include "qt/control_bindings.h"
#include "qt/form_parts.h"
#include "qt/main_window_geometry.h"
#include "qt/menu_bindings.h"

namespace qtui {
namespace {

using Geometry = MainWindowGeometry;

QFont AxisFont(const QWidget& client) {
  // Small enough that "100" or "22.5" fits the strip left of the chart.
  QFont font = client.font();
  font.setPointSizeF(font.pointSizeF() * 0.8);
  return font;
}

// The axis font, made smaller for a caption too wide for its label ("8999.1"), so the label
// never shows a clipped, misleading number.
QFont FittingFont(const QFont& font, const QString& text, int width) {
  QFont fitted = font;
  constexpr qreal kSmallest = 4.0;
  while (QFontMetrics(fitted).horizontalAdvance(text) > width && fitted.pointSizeF() > kSmallest) {
    fitted.setPointSizeF(std::max(kSmallest, fitted.pointSizeF() - 0.5));
  }
  return fitted;
}

void AddAxisLabels(app::LeakMainForm& m, QWidget& client) {
  QFont font = AxisFont(client);
  int height = QFontMetrics(font).height();
  for (int i = 0; i < static_cast<int>(m.Axis.size()); ++i) {
    core::Label& axis = *m.Axis[static_cast<std::size_t>(i)];
    QLabel* label = MakeLabel(axis, client);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(Geometry::AxisLabel(i, height));
    Mirror(axis, *label,
           [label, font] { label->setFont(FittingFont(font, label->text(), label->width())); });
  }
  QSize timeSize(60, height);
  for (int i = 0; i < static_cast<int>(m.TimeAxis.size()); ++i) {
    QLabel* label = MakeLabel(*m.TimeAxis[static_cast<std::size_t>(i)], client);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setGeometry(Geometry::TimeAxisLabel(i, timeSize));
  }
}

QLineEdit* SizedEdit(core::TextBox& box, int characters, QWidget& parent) {
  QLineEdit* edit = MakeLineEdit(box, parent);
  edit->setFixedWidth(BoxWidth(*edit, characters));
  return edit;
}

QHBoxLayout* ControlRow(app::LeakMainForm& m, QWidget& frame) {
  auto* row = new QHBoxLayout;
  row->addWidget(SizedEdit(m.Text3, 5, frame));
  row->addWidget(MakeButton(m.Command2, frame));
  row->addWidget(MakeButton(m.Command4, frame));
  QPushButton* plotting = MakeButton(m.Stop_Command, frame);
  // Room for either caption, so the row does not shift when it toggles.
  plotting->setMinimumWidth(plotting->fontMetrics().horizontalAdvance("Start Plotting") + 24);
  row->addWidget(plotting);
  row->addWidget(SizedEdit(m.Text2, 7, frame));
  row->addWidget(SizedEdit(m.NumberSecPerDiv, 5, frame));
  row->addWidget(MakeButton(m.Reset_Command, frame));
  row->addStretch();
  return row;
}

QGroupBox* ControlFrame(app::LeakMainForm& m, QWidget& client) {
  QGroupBox* frame = MakeFrame(QString(), client);
  frame->setObjectName("Frame2");
  auto* grid = new QGridLayout(frame);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setVerticalSpacing(3);
  grid->addLayout(ControlRow(m, *frame), 0, 0);
  QLineEdit* notice = MakeLineEdit(m.Notice, *frame);
  notice->setFrame(false);
  notice->setStyleSheet("QLineEdit { background: transparent; color: #a01010; }");
  grid->addWidget(notice, 1, 0);
  grid->addWidget(new BadgePicture(*frame), 0, 1, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
  grid->addWidget(MakeLineEdit(m.PlotFooter, *frame), 2, 0, 1, 2);
  return frame;
}

}  // namespace

QMainWindow* BuildMainWindowView(app::LeakMainForm& model, RasterSurface& chart) {
  auto* window = new QMainWindow;
  AddMenuItems(*window->menuBar(), model.MenuBar());
  auto* client = new QWidget(window);
  auto* chartView = new ChartView(chart, *client);
  chartView->setGeometry(QRect(Geometry::kChart.topLeft(), chartView->sizeHint()));
  AddAxisLabels(model, *client);
  QGroupBox* frame = ControlFrame(model, *client);
  int timeAxisHeight = QFontMetrics(AxisFont(*client)).height() + 2;
  QRect frameRect = Geometry::ControlFrame(timeAxisHeight, frame->sizeHint().height());
  frame->setGeometry(frameRect);
  client->setFixedSize(Geometry::ClientSize(frameRect));
  window->setCentralWidget(client);
  window->layout()->setSizeConstraint(QLayout::SetFixedSize);
  return window;
}

}  // namespace qtui

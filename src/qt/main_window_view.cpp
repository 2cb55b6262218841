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
#include <vector>

#include "qt/badge_picture.h"
#include "qt/chart_view.h"
#include "qt/control_bindings.h"
#include "qt/form_parts.h"
#include "qt/main_window_geometry.h"
#include "qt/menu_bindings.h"

namespace qtui {
namespace {

using Geometry = MainWindowGeometry;

// The widgets placed around the chart, arranged again whenever a flow label changes.
struct ChartParts {
  QWidget* client;
  ChartView* chart;
  std::vector<QLabel*> axis;
  std::vector<QLabel*> timeAxis;
  QGroupBox* frame;
};

// Makes the label column as wide as the widest flow label of the current scale, so every
// label stands whole at the window's own font size, and places everything from there.
void Arrange(const ChartParts& parts) {
  QFontMetrics metrics(parts.client->font());
  int widest = 0;
  for (QLabel* label : parts.axis)
    widest = std::max(widest, metrics.horizontalAdvance(label->text()));
  Geometry geometry(widest);
  parts.chart->setGeometry(geometry.Chart());
  for (int i = 0; i < static_cast<int>(parts.axis.size()); ++i) {
    parts.axis[static_cast<std::size_t>(i)]->setGeometry(geometry.AxisLabel(i, metrics.height()));
  }
  QSize timeSize(60, metrics.height());
  for (int i = 0; i < static_cast<int>(parts.timeAxis.size()); ++i) {
    parts.timeAxis[static_cast<std::size_t>(i)]->setGeometry(geometry.TimeAxisLabel(i, timeSize));
  }
  QRect frameRect = geometry.ControlFrame(metrics.height() + 2, parts.frame->sizeHint().height());
  parts.frame->setGeometry(frameRect);
  parts.client->setFixedSize(geometry.ClientSize(frameRect));
}

std::vector<QLabel*> AxisLabels(app::LeakMainForm& m, QWidget& client) {
  std::vector<QLabel*> labels;
  for (auto& axis : m.Axis) {
    QLabel* label = MakeLabel(*axis, client);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    labels.push_back(label);
  }
  return labels;
}

std::vector<QLabel*> TimeAxisLabels(app::LeakMainForm& m, QWidget& client) {
  std::vector<QLabel*> labels;
  for (auto& time : m.TimeAxis) {
    QLabel* label = MakeLabel(*time, client);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    labels.push_back(label);
  }
  return labels;
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
  // What the program says: selectable and copyable with the mouse, never a Tab stop.
  notice->setFocusPolicy(Qt::ClickFocus);
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
  ChartParts parts{client, new ChartView(chart, *client), AxisLabels(model, *client),
                   TimeAxisLabels(model, *client), ControlFrame(model, *client)};
  for (auto& axis : model.Axis) Mirror(*axis, *client, [parts] { Arrange(parts); });
  window->setCentralWidget(client);
  window->layout()->setSizeConstraint(QLayout::SetFixedSize);
  return window;
}

}  // namespace qtui

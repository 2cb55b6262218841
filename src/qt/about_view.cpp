#include "qt/about_view.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/control_bindings.h"
#include "qt/form_parts.h"

namespace qtui {

QWidget* BuildAboutView(app::About& model) {
  QWidget* window = MakeWindow();
  auto* layout = new QVBoxLayout;
  QGroupBox* frame = MakeFrame(QString(), *window);
  auto* lines = new QVBoxLayout(frame);
  lines->setContentsMargins(24, 16, 24, 16);
  lines->addWidget(MakeCaption(model.Line1, *frame), 0, Qt::AlignHCenter);
  lines->addWidget(MakeCaption(model.Line2, *frame), 0, Qt::AlignHCenter);
  layout->addWidget(frame);
  layout->addWidget(MakeButton(model.Command1, *window), 0, Qt::AlignHCenter);
  FixWindowSize(*window, *layout);
  return window;
}

}  // namespace qtui

#include "qt/print_draw_form_view.h"

#include <QPushButton>

#include "qt/control_bindings.h"
#include "qt/form_parts.h"
#include "qt/picture_view.h"

namespace qtui {
namespace {

constexpr int kTwipsPerPixel = 15;

QRect FromTwips(int left, int top, int width, int height) {
  return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
          height / kTwipsPerPixel};
}

// A button at its place, as wide as its caption needs should the font be larger.
void Place(QPushButton& button, const QRect& at) {
  QRect place = at;
  place.setWidth(std::max(at.width(), button.sizeHint().width()));
  button.setGeometry(place);
}

}  // namespace

QWidget* BuildPrintDrawFormView(reports::Print_Draw_Form& model, PictureSurface& picture) {
  QWidget* window = MakeWindow();
  auto* view = new PictureView(picture, *window);
  view->setGeometry(FromTwips(0, 0, 11655, 6975));
  view->setToolTip(QString::fromStdString(model.picEnroll.ToolTip()));
  Place(*MakeButton(model.cmdPrint, *window), FromTwips(0, 7080, 825, 375));
  Place(*MakeButton(model.Command2, *window), FromTwips(5400, 7080, 1335, 375));
  QPushButton* cancel = MakeButton(model.Command1, *window);
  Place(*cancel, FromTwips(10680, 7080, 1065, 375));
  // Room for the Cancel button, which reaches a little past the design's client width.
  window->setFixedSize(std::max(11715 / kTwipsPerPixel, cancel->geometry().right() + 1),
                       7455 / kTwipsPerPixel);
  return window;
}

}  // namespace qtui

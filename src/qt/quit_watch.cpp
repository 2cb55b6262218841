#include "qt/quit_watch.h"

#include <QCoreApplication>
#include <QEvent>

namespace qtui {

QuitWatch::QuitWatch(std::function<void()> action) : action_(std::move(action)) {
  QCoreApplication::instance()->installEventFilter(this);
}

bool QuitWatch::eventFilter(QObject* watched, QEvent* event) {
  if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit) action_();
  return false;
}

}  // namespace qtui

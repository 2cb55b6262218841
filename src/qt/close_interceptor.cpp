#include "qt/close_interceptor.h"

#include <QEvent>

namespace qtui {

CloseInterceptor::CloseInterceptor(QObject& window, std::function<void()> close)
    : QObject(&window), close_(std::move(close)) {
  window.installEventFilter(this);
}

bool CloseInterceptor::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Close || watched != parent()) return false;
  event->ignore();
  close_();
  return true;
}

}  // namespace qtui

#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "qt/coloured_button.h"

namespace qt_test {

// Widget tests need an application; the first test suite to run makes it. It is never
// destroyed: destroyed among the exit handlers, after Qt's own statics, it crashes the run.
inline void EnsureApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  static int argc = 1;
  static char name[] = "qt_tests";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

// Runs the event loop until `condition` holds, polling every few milliseconds; false when
// `timeoutMs` passed first.
inline bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 5000) {
  QElapsedTimer clock;
  clock.start();
  while (!condition()) {
    if (clock.elapsed() > timeoutMs) return false;
    QEventLoop loop;
    QTimer::singleShot(5, &loop, &QEventLoop::quit);
    loop.exec();
  }
  return true;
}

// Runs the event loop for `milliseconds`, whatever happens.
inline void Spin(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

// The background colour a button is drawn with, checked against the face it paints: the
// middle of a light red face is redder than it is green, and the other way round.
inline QColor Colour(QPushButton& button) {
  auto* coloured = qobject_cast<qtui::ColouredButton*>(&button);
  QColor colour = coloured && coloured->Colour() ? *coloured->Colour() : button.palette().color(QPalette::Button);
  QColor face = button.grab().toImage().pixelColor(button.width() / 2, button.height() / 4);
  bool sameLean = (colour.red() > colour.green()) == (face.red() > face.green());
  return sameLean ? colour : face;
}

// A double-click as the window system delivers it: press, release, double-click, release.
inline void DoubleClick(QWidget& widget, QPoint at) {
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                            QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, at, widget.mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
  }
}

// Types `text` into a widget as key presses, as the operator would.
inline void Type(QWidget& widget, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(&widget, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(&widget, &release);
  }
}

}  // namespace qt_test

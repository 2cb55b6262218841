#pragma once

#include <QObject>
#include <functional>

namespace qtui {

// Turns the title-bar close of a window into the window model's own close, so the model
// stays the one that decides whether the window is shown.
class CloseInterceptor : public QObject {
  Q_OBJECT

 public:
  CloseInterceptor(QObject& window, std::function<void()> close);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> close_;
};

}  // namespace qtui

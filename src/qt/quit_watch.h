#pragma once

#include <QObject>
#include <functional>

namespace qtui {

// Runs an action each time the application is asked to quit, before Qt looks for windows
// still open: a visible window that is not an owned dialog makes Qt turn the quit down.
class QuitWatch : public QObject {
 public:
  explicit QuitWatch(std::function<void()> action);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> action_;
};

}  // namespace qtui

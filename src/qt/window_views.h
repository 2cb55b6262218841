#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>

#include "core/window.h"

namespace qtui {

// The widget windows of the window models. A window's widget is built hidden the first time
// its model is shown, then follows the model: shown modeless, raised on every Show, hidden on
// Hide. The title-bar close runs the close action given for the window.
class WindowViews {
 public:
  using Builder = std::function<QWidget*()>;

  WindowViews() = default;
  WindowViews(const WindowViews&) = delete;
  WindowViews& operator=(const WindowViews&) = delete;
  ~WindowViews();

  void Add(core::Window& model, Builder build, std::function<void()> close);
  // The widget of a window, or nullptr while it has not been shown yet.
  QWidget* ViewOf(const core::Window& model) const;
  // The program ends: every window built so far goes from the screen at once.
  void HideAll();

 private:
  struct View {
    Builder build;
    std::function<void()> close;
    QPointer<QWidget> widget;
    int raisedAt = 0;
  };

  void Follow(core::Window& model);
  void Build(core::Window& model, View& view);

  std::map<const core::Window*, View> views_;
  // The models outlive these views: their observers check this before following.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace qtui

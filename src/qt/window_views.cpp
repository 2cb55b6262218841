#include "qt/window_views.h"

#include "qt/close_interceptor.h"

namespace qtui {

WindowViews::~WindowViews() {
  // Every window is a top-level window of its own; one with a parent goes with it.
  for (auto& [model, view] : views_) {
    if (view.widget && !view.widget->parentWidget()) delete view.widget.data();
  }
}

void WindowViews::Add(core::Window& model, Builder build, std::function<void()> close) {
  views_[&model] = View{std::move(build), std::move(close), nullptr, model.RaiseCount()};
  std::weak_ptr<bool> alive = alive_;
  model.Observe([this, alive, &model] {
    if (!alive.expired()) Follow(model);
  });
  Follow(model);
}

QWidget* WindowViews::ViewOf(const core::Window& model) const {
  auto found = views_.find(&model);
  return found == views_.end() ? nullptr : found->second.widget.data();
}

void WindowViews::HideAll() {
  for (auto& [model, view] : views_) {
    if (view.widget) view.widget->hide();
  }
}

void WindowViews::Follow(core::Window& model) {
  auto found = views_.find(&model);
  if (found == views_.end()) return;
  View& view = found->second;
  if (!view.widget) {
    if (!model.Visible()) return;
    Build(model, view);
  }
  QWidget& widget = *view.widget;
  // An empty title would show the program's name on most window managers: a blank shows none.
  QString title = QString::fromStdString(model.Title());
  widget.setWindowTitle(title.isEmpty() ? QStringLiteral(" ") : title);
  if (!model.Visible()) {
    widget.hide();
    return;
  }
  widget.show();
  if (model.RaiseCount() != view.raisedAt) {
    view.raisedAt = model.RaiseCount();
    widget.raise();
    widget.activateWindow();
  }
}

void WindowViews::Build(core::Window& model, View& view) {
  view.widget = view.build();
  view.widget->setObjectName(QString::fromStdString(model.Name()));
  new CloseInterceptor(*view.widget, view.close);
  view.raisedAt = -1;  // the first Show raises
}

}  // namespace qtui

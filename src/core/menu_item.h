#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/control.h"
#include "core/guard.h"

namespace core {

// A menu item: "&" caption, check mark, optional submenu; a separator has no caption.
// Items with a submenu have no action of their own.
class MenuItem : public Control {
 public:
  MenuItem(std::string name, std::string caption, bool checked = false)
      : Control(std::move(name)), caption_(std::move(caption)), checked_(checked) {}

  static constexpr const char* kSeparator = "-";

  const std::string& Caption() const { return caption_; }
  bool IsSeparator() const { return caption_ == kSeparator; }
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  void OnClick(std::function<void()> action) { click_ = std::move(action); }
  // An action stops at a failing step; the failure goes no further than the click.
  void Click() const {
    if (click_ && enabled_) core::Guarded(click_);
  }

  // Submenu items, in order; owned by the window that declares them.
  const std::vector<MenuItem*>& Items() const { return items_; }
  void Add(MenuItem& item) { items_.push_back(&item); }

 private:
  std::string caption_;
  bool checked_;
  bool enabled_ = true;
  std::function<void()> click_;
  std::vector<MenuItem*> items_;
};

}  // namespace core

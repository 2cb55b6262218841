#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/control.h"
#include "core/guard.h"
#include "core/rgb.h"

namespace core {

// A push button: caption, optional background colour, and a click action.
class Button : public Control {
 public:
  Button(std::string name, std::string caption) : Control(std::move(name)), caption_(std::move(caption)) {}

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  std::optional<Rgb> BackColour() const { return backColour_; }
  void SetBackColour(Rgb colour);
  void OnClick(std::function<void()> action) { click_ = std::move(action); }
  // An action stops at a failing step; the failure goes no further than the click.
  void Click() const {
    if (click_) core::Guarded(click_);
  }

 private:
  std::string caption_;
  std::optional<Rgb> backColour_;
  std::function<void()> click_;
};

}  // namespace core

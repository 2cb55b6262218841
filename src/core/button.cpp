#include "core/button.h"

namespace core {

void Button::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  NotifyObservers();
}

void Button::SetBackColour(Rgb colour) {
  if (backColour_ == colour) return;
  backColour_ = colour;
  NotifyObservers();
}

}  // namespace core

#include "core/text_box.h"

namespace core {

void TextBox::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  NotifyObservers();
  if (change_) change_();
}

}  // namespace core

#include "core/text_box.h"

#include "core/guard.h"

namespace core {

void TextBox::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  changedSinceEdit_ = true;
  NotifyObservers();
  // A failing step ends the change action, not whoever wrote the text.
  if (change_) core::Guarded(change_);
}

void TextBox::EndEdit() {
  if (!changedSinceEdit_) return;
  changedSinceEdit_ = false;
  if (editEnd_) core::Guarded(editEnd_);
}

}  // namespace core

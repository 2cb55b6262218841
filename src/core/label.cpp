#include "core/label.h"

namespace core {

void Label::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  NotifyObservers();
}

}  // namespace core

#pragma once

#include <string>

#include "core/control.h"

namespace core {

// A text label whose caption code may change (the chart's axis labels).
class Label : public Control {
 public:
  Label(std::string name, std::string caption) : Control(std::move(name)), caption_(std::move(caption)) {}

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

 private:
  std::string caption_;
};

}  // namespace core

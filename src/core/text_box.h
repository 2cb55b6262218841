#pragma once

#include <functional>
#include <string>

#include "core/control.h"

namespace core {

// A text box: holds its text and runs its change action whenever the text actually changes,
// whoever writes it (the operator through a view, or code). Read-only boxes serve as captions.
class TextBox : public Control {
 public:
  explicit TextBox(std::string name, std::string text = {}, bool readOnly = false)
      : Control(std::move(name)), text_(std::move(text)), readOnly_(readOnly) {}

  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  bool ReadOnly() const { return readOnly_; }
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool multiLine) { multiLine_ = multiLine; }
  void OnChange(std::function<void()> action) { change_ = std::move(action); }
  // The operator has finished editing the box (Enter, Tab, leaving it, closing its window):
  // runs the end action once after any change, for checks that must not interrupt typing
  // half a number.
  void EndEdit();
  void OnEditEnd(std::function<void()> action) { editEnd_ = std::move(action); }

 private:
  std::string text_;
  bool readOnly_;
  bool multiLine_ = false;
  std::function<void()> change_;
  std::function<void()> editEnd_;
  bool changedSinceEdit_ = false;
};

// A read-only caption box.
class CaptionBox : public TextBox {
 public:
  CaptionBox(std::string name, std::string text) : TextBox(std::move(name), std::move(text), true) {}
};

}  // namespace core

#include "core/window.h"

#include <stdexcept>

#include "core/text_box.h"

namespace core {

void Window::EnsureLoaded() {
  if (loaded_) return;
  loaded_ = true;
  if (load_) load_();
}

void Window::Show() {
  EnsureLoaded();
  visible_ = true;
  ++raiseCount_;
  Notify();
}

void Window::Hide() {
  if (!visible_) return;
  for (const auto& [name, control] : controls_) {
    if (auto* box = dynamic_cast<TextBox*>(control)) box->EndEdit();
  }
  visible_ = false;
  Notify();
}

Control* Window::Find(const std::string& controlName) const {
  auto it = controls_.find(controlName);
  return it == controls_.end() ? nullptr : it->second;
}

void Window::Register(Control& control) {
  if (!controls_.emplace(control.Name(), &control).second) {
    throw std::logic_error("control registered twice: " + name_ + "." + control.Name());
  }
}

void Window::Notify() const {
  for (const auto& observer : observers_) observer();
}

std::string Indexed(const std::string& name, int index) {
  return name + "(" + std::to_string(index) + ")";
}

}  // namespace core

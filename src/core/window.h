#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/control.h"

namespace core {

// A window model: a title, the controls it owns by name, and its visibility. Every window
// is created hidden, loaded on first use, shown modeless and brought to the front; closing
// only hides it. Subclasses declare their controls as members and register them.
class Window {
 public:
  Window(std::string name, std::string title) : name_(std::move(name)), title_(std::move(title)) {}
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window() = default;

  const std::string& Name() const { return name_; }
  const std::string& Title() const { return title_; }
  bool Visible() const { return visible_; }
  bool Loaded() const { return loaded_; }

  // Runs the window's load action the first time the window is used.
  void EnsureLoaded();
  // Shows the window without blocking and brings it to the front.
  void Show();
  // Hides the window, first ending the editing of its boxes.
  void Hide();
  // How many times the window was brought to the front; views raise on every increase.
  int RaiseCount() const { return raiseCount_; }

  // A registered control by name, "Axis(3)" for arrays; nullptr when there is none.
  Control* Find(const std::string& controlName) const;
  const std::map<std::string, Control*>& Controls() const { return controls_; }

  void Observe(std::function<void()> observer) { observers_.push_back(std::move(observer)); }
  void SetLoadAction(std::function<void()> action) { load_ = std::move(action); }

 protected:
  void Register(Control& control);
  template <typename... Controls>
  void RegisterAll(Controls&... controls) {
    (Register(controls), ...);
  }

 private:
  void Notify() const;

  std::string name_;
  std::string title_;
  bool visible_ = false;
  bool loaded_ = false;
  int raiseCount_ = 0;
  std::map<std::string, Control*> controls_;
  std::vector<std::function<void()>> observers_;
  std::function<void()> load_;
};

// "Name(index)", the name of an element of a control array.
std::string Indexed(const std::string& name, int index);

}  // namespace core

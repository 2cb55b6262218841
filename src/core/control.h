#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace core {

// Base of every window-model control: a name, visibility, a tool tip, and the observers
// through which a widget view learns that the model changed.
class Control {
 public:
  explicit Control(std::string name) : name_(std::move(name)) {}
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  const std::string& Name() const { return name_; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  const std::string& ToolTip() const { return toolTip_; }
  void SetToolTip(std::string toolTip) { toolTip_ = std::move(toolTip); }

  // Views subscribe to redraw when anything about the control changes.
  void Observe(std::function<void()> observer) { observers_.push_back(std::move(observer)); }

 protected:
  void NotifyObservers() const;

 private:
  std::string name_;
  std::string toolTip_;
  bool visible_ = true;
  std::vector<std::function<void()>> observers_;
};

}  // namespace core

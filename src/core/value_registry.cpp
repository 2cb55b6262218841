#include "core/value_registry.h"

#include <stdexcept>

namespace core {

void ValueRegistry::Add(const std::string& name, Getter get, Setter set) {
  if (!values_.emplace(name, Entry{std::move(get), std::move(set)}).second) {
    throw std::logic_error("value registered twice: " + name);
  }
}

void ValueRegistry::AddIndexed(const std::string& name, IndexedGetter get) {
  if (!arrays_.emplace(name, std::move(get)).second) {
    throw std::logic_error("value registered twice: " + name);
  }
}

std::optional<std::string> ValueRegistry::Get(const std::string& name) const {
  auto it = values_.find(name);
  if (it != values_.end()) return it->second.get();
  auto open = name.find('(');
  if (open == std::string::npos || name.back() != ')') return std::nullopt;
  auto array = arrays_.find(name.substr(0, open));
  if (array == arrays_.end()) return std::nullopt;
  std::string index = name.substr(open + 1, name.size() - open - 2);
  if (index.empty() || index.find_first_not_of("0123456789") != std::string::npos || index.size() > 6) {
    return std::nullopt;
  }
  return array->second(std::stoi(index));
}

bool ValueRegistry::Set(const std::string& name, const std::string& value) const {
  auto it = values_.find(name);
  if (it == values_.end() || !it->second.set) return false;
  it->second.set(value);
  return true;
}

std::vector<std::string> ValueRegistry::Names() const {
  std::vector<std::string> names;
  for (const auto& [name, entry] : values_) names.push_back(name);
  for (const auto& [name, getter] : arrays_) names.push_back(name + "(i)");
  return names;
}

}  // namespace core

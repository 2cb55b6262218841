#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace core {

// Program-wide values by name ("EventsSinceStart", "LivePacket.FlowRateCount"), read as text
// by the headless session runner and the diagnostics of tests. Subsystems register the values
// they own; setting is offered only where a script needs to arrange a state.
class ValueRegistry {
 public:
  using Getter = std::function<std::string()>;
  using Setter = std::function<void(const std::string&)>;

  using IndexedGetter = std::function<std::optional<std::string>(int)>;

  void Add(const std::string& name, Getter get, Setter set = {});
  // An array of values read as "Name(index)"; the getter answers nothing for a bad index.
  void AddIndexed(const std::string& name, IndexedGetter get);
  std::optional<std::string> Get(const std::string& name) const;
  // False when there is no such value or it cannot be set.
  bool Set(const std::string& name, const std::string& value) const;
  bool Has(const std::string& name) const { return values_.count(name) != 0; }
  std::vector<std::string> Names() const;

 private:
  struct Entry {
    Getter get;
    Setter set;
  };
  std::map<std::string, Entry> values_;
  std::map<std::string, IndexedGetter> arrays_;
};

}  // namespace core

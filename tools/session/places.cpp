#include "session/places.h"

#include <algorithm>

namespace session {
namespace {

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  if (from.empty()) return text;
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

}  // namespace

Places::Places(std::string leak, std::string home, std::string start, std::string data)
    : places_{{"<LEAK>", std::move(leak)},
              {"<HOME>", std::move(home)},
              {"<START>", std::move(start)},
              {"<DATA>", std::move(data)}} {
  // A path that holds another (home holds the leak folder) is replaced before it.
  std::stable_sort(places_.begin(), places_.end(),
                   [](const auto& a, const auto& b) { return a.second.size() > b.second.size(); });
}

std::string Places::Expand(std::string text) const {
  for (const auto& [name, path] : places_) text = ReplaceAll(std::move(text), name, path);
  return text;
}

std::string Places::Show(std::string text) const {
  for (const auto& [name, path] : places_) text = ReplaceAll(std::move(text), path, name);
  return text;
}

}  // namespace session

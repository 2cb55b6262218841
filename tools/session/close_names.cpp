#include "session/close_names.h"

#include <algorithm>
#include <cctype>

namespace session {
namespace {

constexpr std::size_t kMaxNames = 3;

std::size_t EditDistance(const std::string& a, const std::string& b) {
  auto same = [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  };
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      std::size_t above = row[j];
      row[j] =
          std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same(a[i - 1], b[j - 1]) ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

}  // namespace

std::vector<std::string> CloseNames(const std::string& wanted,
                                    const std::vector<std::string>& known) {
  // A name is close when a third of its letters (at least two) would have to change, or when
  // the wanted name is the start of it, cut short.
  std::size_t limit = std::max<std::size_t>(2, wanted.size() / 3);
  std::vector<std::pair<std::size_t, std::string>> scored;
  for (const auto& name : known) {
    std::size_t distance = EditDistance(wanted, name);
    bool cutShort = wanted.size() >= 3 && EditDistance(wanted, name.substr(0, wanted.size())) == 0;
    // Names cut short rank first: they are what was meant more often than near spellings.
    if (cutShort)
      scored.emplace_back(0, name);
    else if (distance <= limit)
      scored.emplace_back(distance, name);
  }
  std::stable_sort(scored.begin(), scored.end(),
                   [](const auto& x, const auto& y) { return x.first < y.first; });
  std::vector<std::string> names;
  for (std::size_t i = 0; i < scored.size() && i < kMaxNames; ++i)
    names.push_back(scored[i].second);
  return names;
}

std::string Nearest(const std::string& wanted, const std::vector<std::string>& known) {
  std::string nearest;
  std::size_t best = std::string::npos;
  for (const auto& name : known) {
    std::size_t distance = EditDistance(wanted, name);
    if (distance < best) best = distance, nearest = name;
  }
  return nearest;
}

std::string CloseNamesHint(const std::string& wanted, const std::vector<std::string>& known) {
  std::vector<std::string> names = CloseNames(wanted, known);
  if (names.empty()) return {};
  std::string hint = "; close names: ";
  for (std::size_t i = 0; i < names.size(); ++i) hint += (i ? ", " : "") + names[i];
  return hint;
}

}  // namespace session

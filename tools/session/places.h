#pragma once

#include <string>
#include <utility>
#include <vector>

namespace session {

// The session's folders by name, so that scripts can state texts that hold paths: <LEAK>
// (the stand-in for "C:\Leak"), <HOME> (for "C:\") and <START> (the working directory at
// start-up) stand for their native paths in every text a command is given, and failures show
// those paths by these names again.
class Places {
 public:
  Places(std::string leak, std::string home, std::string start, std::string data);

  std::string Expand(std::string text) const;
  std::string Show(std::string text) const;

 private:
  std::vector<std::pair<std::string, std::string>> places_;  // name, path; longest path first
};

}  // namespace session

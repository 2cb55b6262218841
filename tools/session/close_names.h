#pragma once

#include <string>
#include <vector>

namespace session {

// The known names nearest to a mistyped one (edit distance, ignoring case), best first, for
// messages like `no control "Stop_Comand"; close names: Stop_Command`.
std::vector<std::string> CloseNames(const std::string& wanted,
                                    const std::vector<std::string>& known);

// The known name nearest to `wanted` however far it is; empty when nothing is known.
std::string Nearest(const std::string& wanted, const std::vector<std::string>& known);

// "; close names: a, b" or nothing when no known name is close.
std::string CloseNamesHint(const std::string& wanted, const std::vector<std::string>& known);

}  // namespace session

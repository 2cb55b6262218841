#include "session/report.h"

namespace session {

void PrintFailures(std::ostream& out, const Result& result) {
  for (const auto& failure : result.failures) {
    out << failure.script;
    if (failure.line > 0) out << ':' << failure.line;
    out << ": " << (failure.error ? "error: " : "") << failure.message << '\n';
    if (!failure.source.empty()) out << "    " << failure.source << '\n';
  }
}

void PrintSummary(std::ostream& out, int passed, int failed) {
  out << passed << " passed, " << failed << " failed\n";
}

}  // namespace session

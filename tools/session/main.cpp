// km4400-session: runs session scripts against the program on test doubles.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "session/program_subject.h"
#include "session/report.h"
#include "session/run_script.h"

namespace {

constexpr int kUsageError = 2;

session::Result RunFile(const std::string& path, bool keep) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    session::Result unreadable;
    unreadable.failures.push_back({path, 0, "cannot read the script", {}, true});
    return unreadable;
  }
  std::ostringstream text;
  text << in.rdbuf();
  return session::RunScript(text.str(), path, {session::RealProgram(), keep});
}

}  // namespace

int main(int argc, char** argv) {
  bool keep = false;
  std::vector<std::string> scripts;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--keep") {
      keep = true;
    } else if (arg.rfind("-", 0) == 0) {
      std::cerr << "unknown option " << arg << "\n";
      return kUsageError;
    } else {
      scripts.push_back(arg);
    }
  }
  if (scripts.empty()) {
    std::cerr << "usage: km4400-session [--keep] script.session [more.session ...]\n";
    return kUsageError;
  }
  int passed = 0;
  int failed = 0;
  for (const auto& script : scripts) {
    session::Result result = RunFile(script, keep);
    session::PrintFailures(std::cout, result);
    if (!result.keptFolder.empty()) std::cout << script << ": kept " << result.keptFolder << "\n";
    passed += result.passed;
    failed += result.Failed();
  }
  session::PrintSummary(std::cout, passed, failed);
  return failed == 0 ? 0 : 1;
}

#include "session/session_world.h"

namespace session {
namespace {

std::filesystem::path MadeFolder(const std::filesystem::path& path) {
  std::filesystem::create_directories(path);
  return path;
}

// "leak" and "leak/x" both lie under the leak folder; "leakage/x" does not.
bool Under(const std::string& path, const std::string& prefix, std::string& rest) {
  if (path == prefix) {
    rest.clear();
    return true;
  }
  if (path.rfind(prefix + "/", 0) != 0) return false;
  rest = path.substr(prefix.size() + 1);
  return true;
}

}  // namespace

SessionWorld::SessionWorld(const SubjectFactory& factory, bool keepFolder)
    : folder_(keepFolder),
      files_(MadeFolder(folder_.Path() / "start").string(),
             MadeFolder(folder_.Path() / "home").string()),
      program_(factory(app::Platform{port_, chart_, clock_, dialogs_, files_, picture_, printer_})) {
  program_->UseDataFolder(DataFolder().string());
}

std::filesystem::path SessionWorld::LeakFolder() const { return files_.DefaultLeakFolder(); }
std::filesystem::path SessionWorld::HomeFolder() const { return files_.RootFolder(); }
std::filesystem::path SessionWorld::StartFolder() const { return folder_.Path() / "start"; }
std::filesystem::path SessionWorld::DataFolder() const { return folder_.Path() / "data"; }

std::filesystem::path SessionWorld::PathOf(const std::string& scriptPath) const {
  std::string rest;
  std::filesystem::path base;
  if (Under(scriptPath, "leak", rest)) {
    base = LeakFolder();
  } else if (Under(scriptPath, "home", rest)) {
    base = HomeFolder();
  } else if (Under(scriptPath, "data", rest)) {
    base = DataFolder();
  } else {
    base = StartFolder();
    rest = scriptPath;
  }
  return rest.empty() ? base : base / rest;
}

}  // namespace session

#include "fuzz/harness/program_world.h"

#include <filesystem>
#include <fstream>

namespace fuzz {
namespace {

std::string MadeFolder(const std::filesystem::path& path) {
  std::filesystem::create_directories(path);
  return path.string();
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

}  // namespace

ProgramWorld::ProgramWorld(const std::string& configuration, const std::string* portDevices)
    : files(MadeFolder(folder.Path() / "start"), MadeFolder(folder.Path() / "home")),
      program(app::Platform{port, chart, clock, dialogs, files, picture, printer}) {
  MadeFolder(folder.Path() / "home" / "Leak");
  WriteFile(StartFile(app::Configuration::kFileName), configuration);
  if (portDevices) WriteFile(StartFile(acquisition::PortDevices::kFileName), *portDevices);
}

std::string ProgramWorld::StartFile(const std::string& name) const {
  return (folder.Path() / "start" / name).string();
}

}  // namespace fuzz

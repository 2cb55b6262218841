#include "history/plant_settings.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <charconv>

namespace history {

namespace {

std::string_view Trimmed(std::string_view s) {
  const char* space = " \t\r\n";
  std::size_t first = s.find_first_not_of(space);
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(space) - first + 1);
}

std::string LineMessage(int lineNo, const std::string& what) {
  return std::string(kPlantSettingsFileName) + " line " + std::to_string(lineNo) + ": " + what;
}

// Stores one key's value; returns what is wrong with it, empty when it was taken.
std::string Take(PlantSettings& s, std::string_view key, std::string_view value) {
  if (key == "host")
    s.host = value;
  else if (key == "dbname")
    s.dbname = value;
  else if (key == "user")
    s.user = value;
  else if (key == "station")
    s.station = value;
  else if (key == "sslmode")
    s.sslmode = value;
  else if (key == "port") {
    int port = 0;
    auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), port);
    if (ec != std::errc() || end != value.data() + value.size() || port < 1 || port > 65535)
      return "the port \"" + std::string(value) + "\" is not a port number; 5432 is used";
    s.port = port;
  } else if (key == "password") {
    return "a password is not kept in this file and was ignored: give it in PGPASSWORD or "
           "a password file (~/.pgpass or PGPASSFILE)";
  } else {
    return "unknown key \"" + std::string(key) + "\" ignored";
  }
  return {};
}

}  // namespace

std::string PlantSettings::DescribeForNotice() const {
  return user + "@" + host + ":" + std::to_string(port) + "/" + dbname + " as station " + station;
}

PlantSettingsRead ParsePlantSettings(std::string_view text, const std::string& defaultStation) {
  PlantSettingsRead read;
  read.settings.station = defaultStation;
  int lineNo = 0;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = Trimmed(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++lineNo;
    if (line.empty() || line.front() == '#') continue;
    std::size_t eq = line.find('=');
    std::string_view key =
        eq == std::string_view::npos ? std::string_view() : Trimmed(line.substr(0, eq));
    if (key.empty()) {
      read.messages.push_back(LineMessage(lineNo, "not a key=value line, ignored"));
      continue;
    }
    std::string problem = Take(read.settings, key, Trimmed(line.substr(eq + 1)));
    if (!problem.empty()) read.messages.push_back(LineMessage(lineNo, problem));
  }
  std::vector<std::string> missing;
  for (auto [name, value] : {std::pair{"host", &read.settings.host},
                             {"dbname", &read.settings.dbname},
                             {"user", &read.settings.user},
                             {"station", &read.settings.station}})
    if (value->empty()) missing.push_back(name);
  read.on = missing.empty();
  if (!read.on) {
    std::string list;
    for (const std::string& m : missing) list += (list.empty() ? "" : ", ") + m;
    read.messages.push_back(std::string(kPlantSettingsFileName) + ": no " + list +
                            "; the plant database stays off");
  }
  return read;
}

PlantSettingsRead ReadPlantSettingsFile(const std::string& folder) {
  QFile file(QDir(QString::fromStdString(folder))
                 .filePath(QString::fromUtf8(kPlantSettingsFileName.data(),
                                             kPlantSettingsFileName.size())));
  if (!file.exists()) return {};
  if (!file.open(QIODevice::ReadOnly)) {
    PlantSettingsRead read;
    read.messages.push_back(std::string(kPlantSettingsFileName) + " cannot be read (" +
                            file.errorString().toStdString() + "); the plant database stays off");
    return read;
  }
  QByteArray text = file.readAll();
  return ParsePlantSettings(std::string_view(text.constData(), text.size()),
                            QSysInfo::machineHostName().toStdString());
}

}  // namespace history

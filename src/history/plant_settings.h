#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace history {

// Where a station sends its tests: the plant database server and the name the station's
// tests go under there. No password: that comes from PGPASSWORD or a libpq password file.
struct PlantSettings {
  std::string host;
  int port = 5432;
  std::string dbname;
  std::string user;
  std::string station;
  std::string sslmode;  // empty: libpq's default

  // "kmuser@plant-db:5432/leaktests as station LINE3", for the notice line and messages.
  std::string DescribeForNotice() const;
  bool operator==(const PlantSettings&) const = default;
};

// The settings read from "plantdb.txt", and what was wrong in the file.
struct PlantSettingsRead {
  bool on = false;  // a usable file was found
  PlantSettings settings;
  std::vector<std::string> messages;  // for the caller to show; the file is used all the same
};

// The settings file's name, kept beside serialports.txt in the program's start folder.
inline constexpr std::string_view kPlantSettingsFileName = "plantdb.txt";

// Reads `key=value` lines (host, port, dbname, user, station, sslmode); blank lines and
// lines starting with '#' are skipped. The station defaults to `defaultStation`. Without
// host, dbname or user the plant database stays off, with a message.
PlantSettingsRead ParsePlantSettings(std::string_view text, const std::string& defaultStation);

// Reads "plantdb.txt" in `folder`; no file: off, no message. The station defaults to the
// machine's host name.
PlantSettingsRead ReadPlantSettingsFile(const std::string& folder);

}  // namespace history

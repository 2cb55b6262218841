#include "history/plant_settings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace history {
namespace {

struct SettingsCase {
  const char* what;
  const char* text;
  bool on;
  PlantSettings settings;
  std::vector<std::string> messages;
};

PlantSettings Server(const char* station = "HOST", int port = 5432, const char* sslmode = "") {
  return {"plant-db", port, "leaktests", "kmuser", station, sslmode};
}

class PlantSettingsTest : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(PlantSettingsTest, ReadsTheFile) {
  const SettingsCase& c = GetParam();
  PlantSettingsRead read = ParsePlantSettings(c.text, "HOST");
  EXPECT_EQ(read.on, c.on);
  if (c.on) EXPECT_EQ(read.settings, c.settings);
  EXPECT_EQ(read.messages, c.messages);
}

constexpr const char* kBase = "host=plant-db\ndbname=leaktests\nuser=kmuser\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, PlantSettingsTest,
    ::testing::Values(
        SettingsCase{"minimal", kBase, true, Server(), {}},
        SettingsCase{"all keys, spaces, CR LF, comments",
                     "# plant\r\n\r\n host = plant-db \r\ndbname=leaktests\r\nuser=kmuser\r\n"
                     "port=5433\r\nstation=LINE 3\r\nsslmode=require\r\n",
                     true,
                     Server("LINE 3", 5433, "require"),
                     {}},
        SettingsCase{"unknown key and malformed line are reported, the rest used",
                     "host=plant-db\ncolour=red\ndbname=leaktests\njust words\nuser=kmuser\n",
                     true,
                     Server(),
                     {"plantdb.txt line 2: unknown key \"colour\" ignored",
                      "plantdb.txt line 4: not a key=value line, ignored"}},
        SettingsCase{"a password is refused",
                     "host=plant-db\ndbname=leaktests\nuser=kmuser\npassword=secret\n",
                     true,
                     Server(),
                     {"plantdb.txt line 4: a password is not kept in this file and was ignored: "
                      "give it in PGPASSWORD or a password file (~/.pgpass or PGPASSFILE)"}},
        SettingsCase{"a bad port keeps the default",
                     "host=plant-db\ndbname=leaktests\nuser=kmuser\nport=54x\n",
                     true,
                     Server(),
                     {"plantdb.txt line 4: the port \"54x\" is not a port number; 5432 is used"}},
        SettingsCase{"without host or user it stays off",
                     "dbname=leaktests\nstation=\n",
                     false,
                     {},
                     {"plantdb.txt: no host, user, station; the plant database stays off"}}),
    [](const auto& info) {
      std::string name;
      for (char ch : std::string(info.param.what))
        name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
      return name;
    });

TEST(PlantSettingsFileTest, NoFileIsOffWithoutAMessageAndTheStationDefaultsToTheHostName) {
  QTemporaryDir folder;
  PlantSettingsRead none = ReadPlantSettingsFile(folder.path().toStdString());
  EXPECT_FALSE(none.on);
  EXPECT_TRUE(none.messages.empty());

  QFile file(QDir(folder.path()).filePath("plantdb.txt"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(kBase);
  file.close();
  PlantSettingsRead read = ReadPlantSettingsFile(folder.path().toStdString());
  EXPECT_TRUE(read.on);
  EXPECT_FALSE(read.settings.station.empty());
  EXPECT_EQ(read.settings.DescribeForNotice(),
            "kmuser@plant-db:5432/leaktests as station " + read.settings.station);
}

}  // namespace
}  // namespace history

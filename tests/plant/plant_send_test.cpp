#include <QFile>
#include <QString>

#include "history/plant_send_pass.h"
#include "plant/plant_database_fixture.h"
#include "plant/station_index.h"
#include "records/test_file_reader.h"

namespace plant_test {
namespace {

using history::PlantPassResult;
using history::PlantSendHooks;
using history::PlantSendPass;
using history::PlantState;

class PlantSendTest : public PlantDatabaseTest {
 protected:
  PlantPassResult SendAll(const std::string& station = "LINE1", const PlantSendHooks& hooks = {}) {
    return PlantSendPass::SendPendingOnce(station_.Path(), Cluster().SettingsFor(station), hooks);
  }
  static std::string Expect(const std::string& station, const std::string& path, int revision,
                            int lines) {
    return station + "|" + path + "|" + std::to_string(revision) + "|" + std::to_string(lines);
  }

  StationIndex station_;
};

TEST_F(PlantSendTest, QueuedTestsLandOnceWithTheirRowsAndDataLines) {
  std::string good = station_.SaveTest("1208A1.1", 12, 771);
  std::string damaged = station_.SaveTest("1208A2.1", 13, 0);

  PlantPassResult first = SendAll();
  EXPECT_EQ(first.state, PlantState::Idle);
  EXPECT_EQ(first.sent, 2);
  EXPECT_EQ(first.queued, 0);
  EXPECT_EQ(station_.Queued(), 0);
  EXPECT_EQ(ServerTests(),
            (std::vector{Expect("LINE1", good, 1, 771), Expect("LINE1", damaged, 1, 0)}));

  // The lines on the server are the file's, in order.
  QFile file(QString::fromStdString(good));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  std::vector<records::DataLine> lines = records::ReadTestFile(file.readAll().toStdString()).data;
  auto server = Cluster().Query(QStringLiteral(
      "SELECT chart_x, chart_y, temp_comp_offset, status FROM plant_data_lines ORDER BY line_no"));
  ASSERT_EQ(server.size(), lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i)
    ASSERT_EQ(server[i], (QStringList{QString::number(lines[i].x), QString::number(lines[i].y),
                                      QString::number(lines[i].offset),
                                      QString::fromStdString(lines[i].status)}))
        << "line " << i;
  EXPECT_EQ(
      Cluster().Scalar(
          QStringLiteral(
              "SELECT part_number || ' ' || read_highest || ' ' || (read_last IS NULL) || ' ' ||"
              " damage || '.' FROM plant_tests WHERE path = '%1'")
              .arg(QString::fromStdString(good))),
      QStringLiteral("12 12.5 true ."));

  // Nothing queued: nothing sent again. A saved-again test replaces its row and lines.
  EXPECT_EQ(SendAll().sent, 0);
  station_.SaveTest("1208A1.1", 12, 500);
  EXPECT_EQ(SendAll().sent, 1);
  EXPECT_EQ(ServerTests(),
            (std::vector{Expect("LINE1", good, 2, 500), Expect("LINE1", damaged, 1, 0)}));
}

TEST_F(PlantSendTest, AFileThatIsAwayWaitsAndARemovedRowIsDropped) {
  std::string away = station_.SaveTest("1208A1.1", 12, 771);
  std::string removed = station_.SaveTest("1208A2.1", 13, 771);
  std::string fine = station_.SaveTest("1208A3.1", 14, 771);
  QFile::rename(QString::fromStdString(away), QString::fromStdString(away + ".away"));
  QFile::remove(QString::fromStdString(removed));
  station_.RemoveRow(removed);

  PlantPassResult result = SendAll();
  EXPECT_EQ(result.state, PlantState::Idle);
  EXPECT_EQ(result.sent, 1);
  EXPECT_EQ(result.queued, 1);
  EXPECT_EQ(result.error, "cannot read " + away);
  EXPECT_EQ(ServerTests(), (std::vector{Expect("LINE1", fine, 1, 771)}));

  QFile::rename(QString::fromStdString(away + ".away"), QString::fromStdString(away));
  EXPECT_EQ(SendAll().sent, 1);
  EXPECT_EQ(station_.Queued(), 0);
}

// The server goes away at the worst moments of a send; after it is back, each test is there
// exactly once, with one set of data lines.
TEST_F(PlantSendTest, ASendCutOffLandsOnceAfterTheServerIsBack) {
  struct Case {
    const char* moment;
    bool beforeCommit;
    int rowsWhileCutOff;
  };
  for (Case c : {Case{"before COMMIT", true, 0}, Case{"after COMMIT", false, 1}}) {
    SCOPED_TRACE(c.moment);
    Cluster().Query(QStringLiteral("DROP TABLE IF EXISTS plant_data_lines, plant_tests"));
    std::string path = station_.SaveTest("1208A1.1", 12, 771);
    PlantSendHooks hooks;
    auto kill = [&](const std::string&) {
      EXPECT_TRUE(Cluster().Kill()) << Cluster().Why();
      return c.beforeCommit;  // after COMMIT, the program is cut off before its outbox delete
    };
    (c.beforeCommit ? hooks.beforeCommit : hooks.afterCommit) = kill;

    PlantPassResult cut = SendAll("LINE1", hooks);
    EXPECT_EQ(cut.sent, 0);
    EXPECT_EQ(station_.Queued(), 1);
    if (c.beforeCommit) EXPECT_EQ(cut.state, PlantState::Unreachable);
    ASSERT_TRUE(Cluster().Start()) << Cluster().Why();
    EXPECT_EQ(ServerTests().size(), static_cast<std::size_t>(c.rowsWhileCutOff));

    PlantPassResult again = SendAll();
    EXPECT_EQ(again.sent, 1);
    EXPECT_EQ(station_.Queued(), 0);
    EXPECT_EQ(ServerTests(), (std::vector{Expect("LINE1", path, station_.RevisionOf(path), 771)}));
  }
}

// Two stations that save under the same folder and file name: the station's name keeps them
// apart.
TEST_F(PlantSendTest, TwoStationsTestsOfTheSameNameStandSideBySide) {
  std::string path = station_.SaveTest("1208A1.1", 12, 771);
  EXPECT_EQ(SendAll("LINE1").sent, 1);
  station_.SaveTest("1208A1.1", 99, 300);
  EXPECT_EQ(SendAll("LINE2").sent, 1);

  EXPECT_EQ(ServerTests(),
            (std::vector{Expect("LINE1", path, 1, 771), Expect("LINE2", path, 2, 300)}));
  PlantSendPass pass(station_.Path(), Cluster().SettingsFor("LINE1"));
  history::PlantRowsAnswer plant = pass.FetchPlantRows();
  ASSERT_TRUE(plant.ok) << plant.error;
  ASSERT_EQ(plant.rows.size(), 2u);
  std::vector<std::pair<std::string, double>> seen;
  for (const history::TestIndexRow& row : plant.rows)
    seen.emplace_back(row.station, row.partNumber);
  std::sort(seen.begin(), seen.end());
  EXPECT_EQ(seen, (std::vector<std::pair<std::string, double>>{{"LINE1", 12}, {"LINE2", 99}}));
}

}  // namespace
}  // namespace plant_test

#include "history/plant_sender.h"

#include <chrono>
#include <functional>
#include <thread>

#include "plant/plant_database_fixture.h"
#include "plant/station_index.h"

namespace plant_test {
namespace {

using history::PlantSender;
using history::PlantState;
using history::PlantStatus;

// The worker's status, polled as the program's tick does, until `done` holds (or 20 s pass).
PlantStatus StatusWhen(const PlantSender& sender,
                       const std::function<bool(const PlantStatus&)>& done) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  PlantStatus status = sender.Status();
  while (!done(status) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    status = sender.Status();
  }
  return status;
}

using PlantSenderTest = PlantDatabaseTest;

TEST_F(PlantSenderTest, TestsSavedWhileTheServerIsAwayAreSentOnceItIsBack) {
  StationIndex station;
  PlantSender sender(station.Path(), Cluster().SettingsFor("LINE1"));
  ASSERT_TRUE(Cluster().Stop()) << Cluster().Why();
  std::string path = station.SaveTest("1208A1.1", 12, 771);
  sender.Start();

  PlantStatus away =
      StatusWhen(sender, [](const PlantStatus& s) { return s.state == PlantState::Unreachable; });
  EXPECT_EQ(away.state, PlantState::Unreachable);
  EXPECT_EQ(away.queued, 1);
  EXPECT_EQ(away.NoticeText().rfind("Plant database unreachable: ", 0), 0u) << away.NoticeText();
  EXPECT_NE(away.NoticeText().find("; 1 test queued."), std::string::npos) << away.NoticeText();

  ASSERT_TRUE(Cluster().Start()) << Cluster().Why();
  sender.Wake();
  PlantStatus sent = StatusWhen(
      sender, [](const PlantStatus& s) { return s.state == PlantState::Idle && s.queued == 0; });
  EXPECT_EQ(sent.NoticeText(), "Plant database: 1 queued test sent.");
  EXPECT_GT(sent.revision, away.revision);
  EXPECT_EQ(ServerTests(), (std::vector<std::string>{"LINE1|" + path + "|1|771"}));

  // A test indexed later is sent on Wake(); the plant-wide rows come when asked for.
  station.SaveTest("1208A2.1", 13, 771);
  sender.Wake();
  EXPECT_EQ(StatusWhen(sender, [](const PlantStatus& s) { return s.sent == 2; }).NoticeText(),
            "Plant database: 2 queued tests sent.");
  sender.RequestPlantRows();
  std::optional<history::PlantRowsAnswer> rows;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!(rows = sender.TakePlantRows()) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  ASSERT_TRUE(rows);
  EXPECT_TRUE(rows->ok) << rows->error;
  EXPECT_EQ(rows->rows.size(), 2u);
  EXPECT_FALSE(sender.TakePlantRows());
  sender.Stop();
}

TEST_F(PlantSenderTest, AWrongPasswordSaysSoAndKeepsTheQueue) {
  StationIndex station;
  station.SaveTest("1208A1.1", 12, 771);
  qputenv("PGPASSWORD", "not-the-password");
  PlantSender sender(station.Path(), Cluster().SettingsFor("LINE1"));
  sender.Start();

  PlantStatus refused =
      StatusWhen(sender, [](const PlantStatus& s) { return s.state != PlantState::Off; });
  sender.Stop();
  EXPECT_EQ(refused.state, PlantState::Refused);
  EXPECT_EQ(refused.NoticeText(),
            "Plant database: wrong password or access refused for user kmuser; 1 test queued.");
  EXPECT_EQ(station.Queued(), 1);
  EXPECT_EQ(Cluster().Scalar(
                QStringLiteral("SELECT COUNT(*) FROM pg_tables WHERE tablename = 'plant_tests'")),
            QStringLiteral("0"));  // refused at log-in: not even the tables were made
}

// A server that accepts connections but never answers ends in the connect timeout: the notice
// says so and Stop() returns.
TEST_F(PlantSenderTest, AServerThatHangsTimesOutAndStopStillReturns) {
  StationIndex station;
  station.SaveTest("1208A1.1", 12, 771);
  ASSERT_TRUE(Cluster().Hold(true));
  PlantSender sender(station.Path(), Cluster().SettingsFor("LINE1"));
  sender.Start();
  PlantStatus hung =
      StatusWhen(sender, [](const PlantStatus& s) { return s.state != PlantState::Off; });
  sender.Stop();
  ASSERT_TRUE(Cluster().Hold(false));
  EXPECT_EQ(hung.NoticeText(), "Plant database unreachable: timeout expired; 1 test queued.");
  EXPECT_EQ(station.Queued(), 1);
}

}  // namespace
}  // namespace plant_test

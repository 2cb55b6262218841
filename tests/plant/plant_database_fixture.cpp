#include "plant/plant_database_fixture.h"

#include <QtGlobal>

namespace plant_test {

std::unique_ptr<ThrowawayCluster> PlantDatabaseTest::cluster_;
std::string PlantDatabaseTest::why_;

void PlantDatabaseTest::SetUpTestSuite() {
  cluster_ = std::make_unique<ThrowawayCluster>();
  if (!cluster_->Create()) {
    why_ = cluster_->Why();
    cluster_.reset();
  }
}

void PlantDatabaseTest::TearDownTestSuite() { cluster_.reset(); }

void PlantDatabaseTest::SetUp() {
  if (!cluster_) GTEST_SKIP() << "no PostgreSQL server for the plant database tests: " << why_;
  qputenv("PGPASSWORD", ThrowawayCluster::kPassword);
  Cluster().Query(QStringLiteral("DROP TABLE IF EXISTS plant_data_lines, plant_tests"));
}

void PlantDatabaseTest::TearDown() {
  qunsetenv("PGPASSWORD");
  if (cluster_) cluster_->Hold(false);  // a test that failed while holding it
}

std::vector<std::string> PlantDatabaseTest::ServerTests() {
  std::vector<std::string> tests;
  for (const QStringList& row : Cluster().Query(QStringLiteral(
           "SELECT t.station, t.path, t.revision, (SELECT COUNT(*) FROM plant_data_lines l"
           " WHERE l.station = t.station AND l.path = t.path) FROM plant_tests t"
           " ORDER BY t.station, t.path")))
    tests.push_back(row.join(u'|').toStdString());
  return tests;
}

}  // namespace plant_test

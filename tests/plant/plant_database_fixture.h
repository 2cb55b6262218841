#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "plant/throwaway_cluster.h"

namespace plant_test {

// One throw-away PostgreSQL cluster for the whole suite; each test starts with no plant
// tables, so the sender creates them, and with the right password in PGPASSWORD.
class PlantDatabaseTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;
  void TearDown() override;

  static ThrowawayCluster& Cluster() { return *cluster_; }
  // The plant tests' rows as "station|path|revision|data lines on the server", sorted.
  static std::vector<std::string> ServerTests();

 private:
  static std::unique_ptr<ThrowawayCluster> cluster_;
  static std::string why_;
};

}  // namespace plant_test

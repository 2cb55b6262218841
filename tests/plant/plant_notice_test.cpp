#include <gtest/gtest.h>

#include <QString>

#include "history/plant_server.h"
#include "history/plant_status.h"

namespace history {
namespace {

TEST(PlantNoticeTest, SaysWhatHappensToTheQueue) {
  struct Case {
    PlantStatus status;
    std::string notice;
  };
  for (const Case& c : std::vector<Case>{
           {{PlantState::Off, 3}, ""},
           {{PlantState::Sending, 12}, "Plant database: sending, 12 tests queued."},
           {{PlantState::Unreachable, 1, 0, "kmuser", "Connection refused"},
            "Plant database unreachable: Connection refused; 1 test queued."},
           {{PlantState::Refused, 12, 0, "kmuser"},
            "Plant database: wrong password or access refused for user kmuser; 12 tests queued."},
           {{PlantState::Idle, 0, 12}, "Plant database: 12 queued tests sent."},
           {{PlantState::Idle, 0, 0}, "Plant database: all tests sent."},
           {{PlantState::Idle, 2, 5, "kmuser", "cannot read /mnt/leak/1208A1.1"},
            "Plant database: 2 tests queued: cannot read /mnt/leak/1208A1.1."}})
    EXPECT_EQ(c.status.NoticeText(), c.notice);
}

TEST(PlantNoticeTest, ServerMessagesAreCutToTheirCauseAndRefusalsKnown) {
  struct Case {
    const char* message;
    PlantState state;
    const char* reason;
  };
  for (const Case& c :
       {Case{"connection to server at \"127.0.0.1\", port 5433 failed: Connection refused\n"
             "\tIs the server running on that host and accepting TCP/IP connections?\n",
             PlantState::Unreachable, "Connection refused"},
        Case{"connection to server at \"10.0.0.9\", port 5432 failed: timeout expired\n",
             PlantState::Unreachable, "timeout expired"},
        Case{"connection to server at \"127.0.0.1\", port 5433 failed: FATAL:  password "
             "authentication failed for user \"kmuser\"\n",
             PlantState::Refused, "password authentication failed for user \"kmuser\""},
        Case{"FATAL:  database \"plant\" does not exist", PlantState::Refused,
             "database \"plant\" does not exist"},
        Case{"FATAL:  the database system is starting up", PlantState::Unreachable,
             "the database system is starting up"},
        Case{"", PlantState::Unreachable, "no answer from the server"}}) {
    PlantFailure f = PlantServer::Classify(QString::fromUtf8(c.message));
    EXPECT_EQ(f.state, c.state) << c.message;
    EXPECT_EQ(f.reason, c.reason) << c.message;
  }
}

}  // namespace
}  // namespace history

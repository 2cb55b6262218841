#pragma once

#include <functional>
#include <string>
#include <vector>

#include "history/plant_outbox.h"
#include "history/plant_server.h"
#include "history/plant_settings.h"
#include "history/plant_status.h"
#include "history/test_index_row.h"

namespace history {

// Moments of a send that tests use to cut it off. A hook that returns false ends the pass
// there, as if the program had stopped: nothing after it happens.
struct PlantSendHooks {
  std::function<bool(const std::string& path)> beforeCommit;  // data lines inserted
  std::function<bool(const std::string& path)> afterCommit;   // before the outbox delete
  std::function<void(int sentSoFar, int queued)> progress;    // after each test sent
  std::function<bool()> stopRequested;                        // checked between tests
};

struct PlantPassResult {
  PlantState state = PlantState::Idle;  // Idle, Unreachable or Refused
  int sent = 0;
  int queued = 0;
  std::string error;  // why the server or a file could not be used
};

// The plant-wide rows for the history window, or why they could not be had.
struct PlantRowsAnswer {
  bool ok = false;
  std::string error;
  std::vector<TestIndexRow> rows;  // station filled
};

// Sends the station's queued tests to the plant database: each test (its row and its data
// lines, read again from its file) in one server transaction, and only after COMMIT its outbox
// entry removed. Owns one index connection and one server connection, kept between passes;
// made, used and destroyed on one thread.
class PlantSendPass {
 public:
  PlantSendPass(std::string indexPath, PlantSettings settings, PlantSendHooks hooks = {});

  // Sends everything queued now; ends at the first server failure.
  PlantPassResult Run();
  PlantRowsAnswer FetchPlantRows();
  int Queued() { return outbox_.Count(); }

  // One pass on the calling thread with connections of its own.
  static PlantPassResult SendPendingOnce(const std::string& indexPath,
                                         const PlantSettings& settings,
                                         const PlantSendHooks& hooks = {});

 private:
  enum class Outcome { Sent, Dropped, Waiting, ServerFailed, CutOff };
  Outcome SendOne(const std::string& path);
  bool WriteTest(const QueuedTest& test, const std::string& fileText, QSqlError& error);

  PlantOutbox outbox_;
  PlantServer server_;
  PlantSendHooks hooks_;
  std::string waitReason_;
};

}  // namespace history

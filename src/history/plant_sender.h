#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "history/plant_send_pass.h"
#include "history/plant_settings.h"
#include "history/plant_status.h"

namespace history {

// Sends the station's indexed tests to the plant database on a worker thread of its own, and
// fetches the plant-wide rows for the history window. Owns the thread; the worker owns its own
// index and server connections (PlantSendPass), made and used only there.
//
// The user-interface thread never waits on the server: every call here only takes a short
// lock (Stop() also waits for the worker, bounded by the connect, TCP and statement timeouts).
// Nothing the worker does calls back into the user-interface thread: the program polls
// Status() and TakePlantRows() on its twice-a-second tick, which already skips while a
// communication event is unfinished, so sending can never re-enter a communication event.
// When the server is away the worker retries with a back-off (1 s doubling to 30 s), and at
// once on Wake().
class PlantSender {
 public:
  PlantSender(std::string indexDatabasePath, PlantSettings settings);
  ~PlantSender();  // Stop()
  PlantSender(const PlantSender&) = delete;
  PlantSender& operator=(const PlantSender&) = delete;

  void Start();
  // A test was indexed: send soon.
  void Wake();
  // Ends the worker and joins it; safe to call more than once.
  void Stop();

  PlantStatus Status() const;
  // Asks for the plant-wide rows; the answer comes later through TakePlantRows().
  void RequestPlantRows();
  // The latest answer, once; none while it is still coming.
  std::optional<PlantRowsAnswer> TakePlantRows();

 private:
  void Work();
  // Waits until woken, stopped or `timeout` passed (none: no timeout); false when stopping.
  bool Pause(std::optional<std::chrono::milliseconds> timeout);
  void Publish(PlantState state, int queued, int sent, const std::string& error);

  std::string indexPath_;
  PlantSettings settings_;
  mutable std::mutex mutex_;
  std::condition_variable signal_;
  bool stopping_ = false;
  bool woken_ = false;
  bool rowsRequested_ = false;
  PlantStatus status_;
  std::optional<PlantRowsAnswer> rows_;
  std::thread worker_;
};

}  // namespace history

#pragma once

#include <cstdint>
#include <string>

namespace history {

enum class PlantState {
  Off,          // no plant database for this station
  Sending,      // connected, sending queued tests
  Idle,         // connected; whatever is still queued waits for its file
  Unreachable,  // the server is away, slow or refuses connections: retrying
  Refused,      // the server answers but refuses this user (wrong password, no access)
};

// A snapshot of the plant database sending, for the notice line.
struct PlantStatus {
  PlantState state = PlantState::Off;
  int queued = 0;              // tests in the outbox
  int sent = 0;                // tests sent since the program started
  std::string user;            // for the refusal notice
  std::string lastError;       // short reason, empty when none
  std::uint64_t revision = 0;  // changes whenever NoticeText() changes

  // The notice line's text; empty when the plant database is off.
  std::string NoticeText() const;
};

}  // namespace history

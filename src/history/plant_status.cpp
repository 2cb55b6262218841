#include "history/plant_status.h"

namespace history {

namespace {

std::string Tests(int n) { return std::to_string(n) + (n == 1 ? " test" : " tests"); }

}  // namespace

std::string PlantStatus::NoticeText() const {
  std::string queuedText = Tests(queued) + " queued";
  switch (state) {
    case PlantState::Off:
      return {};
    case PlantState::Sending:
      return "Plant database: sending, " + queuedText + ".";
    case PlantState::Unreachable:
      return "Plant database unreachable: " + lastError + "; " + queuedText + ".";
    case PlantState::Refused:
      return "Plant database: wrong password or access refused for user " + user + "; " +
             queuedText + ".";
    case PlantState::Idle:
      if (queued > 0) return "Plant database: " + queuedText + ": " + lastError + ".";
      if (sent > 0)
        return "Plant database: " + std::to_string(sent) + " queued " +
               (sent == 1 ? "test" : "tests") + " sent.";
      return "Plant database: all tests sent.";
  }
  return {};
}

}  // namespace history

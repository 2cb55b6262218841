#include "history/plant_sender.h"

#include <algorithm>

namespace history {

namespace {

constexpr std::chrono::milliseconds kFirstRetry{1000};
constexpr std::chrono::milliseconds kLongestRetry{30000};

}  // namespace

PlantSender::PlantSender(std::string indexDatabasePath, PlantSettings settings)
    : indexPath_(std::move(indexDatabasePath)), settings_(std::move(settings)) {
  status_.user = settings_.user;
}

PlantSender::~PlantSender() { Stop(); }

void PlantSender::Start() {
  std::lock_guard lock(mutex_);
  if (worker_.joinable() || stopping_) return;
  worker_ = std::thread([this] { Work(); });
}

void PlantSender::Wake() {
  std::lock_guard lock(mutex_);
  woken_ = true;
  signal_.notify_all();
}

void PlantSender::Stop() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
    signal_.notify_all();
  }
  if (worker_.joinable()) worker_.join();
}

PlantStatus PlantSender::Status() const {
  std::lock_guard lock(mutex_);
  return status_;
}

void PlantSender::RequestPlantRows() {
  std::lock_guard lock(mutex_);
  rowsRequested_ = true;
  signal_.notify_all();
}

std::optional<PlantRowsAnswer> PlantSender::TakePlantRows() {
  std::lock_guard lock(mutex_);
  return std::exchange(rows_, std::nullopt);
}

void PlantSender::Publish(PlantState state, int queued, int sent, const std::string& error) {
  std::lock_guard lock(mutex_);
  std::string before = status_.NoticeText();
  status_.state = state;
  status_.queued = queued;
  status_.sent = sent;
  status_.lastError = error;
  if (status_.NoticeText() != before) ++status_.revision;
}

bool PlantSender::Pause(std::optional<std::chrono::milliseconds> timeout) {
  std::unique_lock lock(mutex_);
  auto due = [this] { return stopping_ || woken_ || rowsRequested_; };
  if (timeout)
    signal_.wait_for(lock, *timeout, due);
  else
    signal_.wait(lock, due);
  return !stopping_;
}

void PlantSender::Work() {
  int sentBefore = 0;
  PlantSendHooks hooks;
  hooks.progress = [&](int sentSoFar, int queued) {
    Publish(PlantState::Sending, queued, sentBefore + sentSoFar, {});
  };
  hooks.stopRequested = [this] {
    std::lock_guard lock(mutex_);
    return stopping_;
  };
  PlantSendPass pass(indexPath_, settings_, hooks);
  std::chrono::milliseconds retry = kFirstRetry;
  for (;;) {
    bool fetchRows = false;
    {
      std::lock_guard lock(mutex_);
      woken_ = false;
      fetchRows = std::exchange(rowsRequested_, false);
    }
    if (fetchRows) {
      PlantRowsAnswer answer = pass.FetchPlantRows();
      std::lock_guard lock(mutex_);
      rows_ = std::move(answer);
    }
    PlantPassResult result = pass.Run();
    sentBefore += result.sent;
    Publish(result.state, result.queued, sentBefore, result.error);
    bool settled = result.state == PlantState::Idle && result.queued == 0;
    if (settled) retry = kFirstRetry;
    std::optional<std::chrono::milliseconds> wait;
    if (!settled) wait = std::exchange(retry, std::min(retry * 2, kLongestRetry));
    if (!Pause(wait)) return;
  }
}

}  // namespace history

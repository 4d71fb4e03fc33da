#include "tests/search/recording_sink.h"

#include <chrono>
#include <utility>

namespace taoci::fixtures {

void RecordingSink::Record(std::string call) {
  std::lock_guard lock(mutex_);
  calls_.push_back(std::move(call));
}

void RecordingSink::BeginProgress(int maximum) {
  Record("BeginProgress(" + std::to_string(maximum) + ")");
}

void RecordingSink::AdvanceProgress() {
  std::lock_guard lock(mutex_);
  ++advances_;
  const std::string prefix = "AdvanceProgress x";
  if (!calls_.empty() && calls_.back().rfind(prefix, 0) == 0) {
    calls_.back() = prefix + std::to_string(std::stoi(calls_.back().substr(prefix.size())) + 1);
  } else {
    calls_.push_back(prefix + "1");
  }
}

void RecordingSink::ShowFound(int page, int position, const ByteText& result_address) {
  Record("ShowFound(" + std::to_string(page) + ", " + std::to_string(position) + ", " +
         std::string(result_address.bytes()) + ")");
}

void RecordingSink::ShowPicture(const ByteBlock& picture) {
  Record("ShowPicture(" + std::string(picture.view()) + ")");
}

void RecordingSink::ShowPrice(const ByteText& price) {
  Record("ShowPrice(" + std::string(price.bytes()) + ")");
}

void RecordingSink::ShowBrowserButtons() { Record("ShowBrowserButtons"); }

void RecordingSink::FinishRun(bool found) {
  std::lock_guard lock(mutex_);
  calls_.push_back(found ? "FinishRun(true)" : "FinishRun(false)");
  finished_run_ = true;
  finished_.notify_all();
}

std::vector<std::string> RecordingSink::Calls() const {
  std::lock_guard lock(mutex_);
  return calls_;
}

int RecordingSink::Advances() const {
  std::lock_guard lock(mutex_);
  return advances_;
}

bool RecordingSink::WaitForFinish(int seconds) const {
  std::unique_lock lock(mutex_);
  return finished_.wait_for(lock, std::chrono::seconds(seconds), [this] { return finished_run_; });
}

}  // namespace taoci::fixtures

#include "ui/run_channel.h"

#include <utility>

namespace taoci {

bool MergeRunEffect(RunEffect& pending, const RunEffect& next) {
  auto* earlier = std::get_if<run_effects::AdvanceProgress>(&pending);
  const auto* later = std::get_if<run_effects::AdvanceProgress>(&next);
  if (earlier == nullptr || later == nullptr) return false;
  // Beyond the bar's limit more steps change nothing, so the count may stop
  // growing there instead of overflowing.
  const long long sum = static_cast<long long>(earlier->times) + later->times;
  earlier->times = static_cast<int>(sum > 1'000'000'000 ? 1'000'000'000 : sum);
  return true;
}

RunChannel::RunChannel(HWND window, UINT message) : window_(window), message_(message) {}

void RunChannel::Post(RunEffect effect) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (window_ == nullptr) return;  // closed: the effect is dropped here
  // The last effect not yet taken can take this one in, and its message,
  // still on the way, then carries both.
  if (!pending_.empty() && MergeRunEffect(pending_.back().effect, effect)) return;
  const std::uint64_t ticket = next_ticket_++;
  pending_.push_back(Pending{ticket, std::move(effect)});
  if (!PostMessageW(window_, message_, 0, static_cast<LPARAM>(ticket))) {
    pending_.pop_back();  // never posted: the sender frees it
  }
}

std::vector<RunEffect> RunChannel::Take(LPARAM ticket) {
  std::vector<RunEffect> taken;
  std::lock_guard<std::mutex> lock(mutex_);
  while (!pending_.empty() && pending_.front().ticket <= static_cast<std::uint64_t>(ticket)) {
    taken.push_back(std::move(pending_.front().effect));
    pending_.pop_front();
  }
  return taken;
}

void RunChannel::Close() {
  std::deque<Pending> dropped;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    window_ = nullptr;
    dropped.swap(pending_);
  }
  // Freed outside the lock: a picture may be large, and the worker need not
  // wait for that.
}

bool RunChannel::closed() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return window_ == nullptr;
}

std::size_t RunChannel::pending_count() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return pending_.size();
}

bool ChannelRunSink::StartRun(const Start& start, SearchRequest request, SearchServices services,
                              std::shared_ptr<RunChannel> channel) {
  auto* sink = new ChannelRunSink(std::move(channel));
  const bool started = start ? start(std::move(request), *sink, std::move(services))
                             : StartSearchRun(std::move(request), *sink, std::move(services));
  if (started) return true;
  delete sink;  // the run never began, so it will never call FinishRun
  return false;
}

ChannelRunSink::ChannelRunSink(std::shared_ptr<RunChannel> channel)
    : channel_(std::move(channel)) {}

void ChannelRunSink::BeginProgress(int maximum) {
  channel_->Post(run_effects::BeginProgress{maximum});
}

void ChannelRunSink::AdvanceProgress() { channel_->Post(run_effects::AdvanceProgress{1}); }

void ChannelRunSink::ShowFound(int page, int position, const ByteText& result_address) {
  channel_->Post(run_effects::ShowFound{page, position, result_address});
}

void ChannelRunSink::ShowPicture(const ByteBlock& picture) {
  channel_->Post(run_effects::ShowPicture{picture});
}

void ChannelRunSink::ShowPrice(const ByteText& price) {
  channel_->Post(run_effects::ShowPrice{price});
}

void ChannelRunSink::ShowBrowserButtons() { channel_->Post(run_effects::ShowBrowserButtons{}); }

void ChannelRunSink::FinishRun(bool found) {
  channel_->Post(run_effects::FinishRun{found});
  // The run's last call: nothing of the run touches this sink afterwards.
  delete this;
}

}  // namespace taoci

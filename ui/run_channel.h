// The one path from a search run's worker to the window. The window's side
// of SearchRunSink copies each call into a RunEffect and hands it to the
// channel; the channel keeps it and posts a message naming it to the window;
// the window takes it back on the GUI thread and applies it. Posted messages
// keep their order, so the effects apply in the order of the calls.
//
// Ownership: an effect belongs to the channel from Post until the window
// takes it; the window frees it after applying it. When the post fails the
// sender's Post frees it at once. When the window closes the channel, every
// effect not yet taken is freed, later Posts free theirs unposted, and no
// message is ever posted again: the channel is the only holder of the
// window's handle on the worker's side, and it lets go of it at the close,
// while the handle is still the window's, so a handle reused by another
// window is never reached.
//
// Neither thread waits for the other: each holds the channel's lock only for
// a few operations on its queue, and the post made under it never waits for
// the receiving thread.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "search/search_run.h"
#include "ui/run_effects.h"

namespace taoci {

class RunChannel {
 public:
  // `window` receives `message` with the effect's ticket as its lParam.
  RunChannel(HWND window, UINT message);
  RunChannel(const RunChannel&) = delete;
  RunChannel& operator=(const RunChannel&) = delete;

  // Any thread; the worker in practice.
  void Post(RunEffect effect);
  // GUI thread: the effect that a message with this ticket names, together
  // with any older ones still here, oldest first. Older ones would be there
  // only if their own message had been lost; a stray ticket takes nothing
  // out of order. Nothing after Close.
  std::vector<RunEffect> Take(LPARAM ticket);
  // GUI thread, while the window still exists. Idempotent.
  void Close();

  bool closed() const;
  // Effects posted and not yet taken, each with its message in the queue.
  std::size_t pending_count() const;

 private:
  struct Pending {
    std::uint64_t ticket;
    RunEffect effect;
  };

  mutable std::mutex mutex_;
  HWND window_;  // nullptr once closed
  UINT message_;
  std::uint64_t next_ticket_ = 1;
  // Posted and not yet taken, oldest first.
  std::deque<Pending> pending_;
};

// The window's SearchRunSink for one run: every call becomes an effect on the
// channel. It lives on the heap and deletes itself at the end of FinishRun,
// the run's last call, since neither the window nor the button handler that
// starts the run is sure to outlive the run.
class ChannelRunSink final : public SearchRunSink {
 public:
  using Start = std::function<bool(SearchRequest, SearchRunSink&, SearchServices)>;

  // GUI thread: `start` (StartSearchRun when empty) with a new sink on
  // `channel`; false, with the sink gone again, when the worker could not be
  // started.
  static bool StartRun(const Start& start, SearchRequest request, SearchServices services,
                       std::shared_ptr<RunChannel> channel);

  // Each runs on the worker and returns without waiting for its effect.
  void BeginProgress(int maximum) override;
  void AdvanceProgress() override;
  void ShowFound(int page, int position, const ByteText& result_address) override;
  void ShowPicture(const ByteBlock& picture) override;
  void ShowPrice(const ByteText& price) override;
  void ShowBrowserButtons() override;
  void FinishRun(bool found) override;

 private:
  explicit ChannelRunSink(std::shared_ptr<RunChannel> channel);
  ~ChannelRunSink() override = default;

  std::shared_ptr<RunChannel> channel_;
};

}  // namespace taoci

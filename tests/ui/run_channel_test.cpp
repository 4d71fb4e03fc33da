// The one path from a run's worker to the window, on its own: order,
// folding of progress steps, what a close drops, and stray messages.
#include "ui/run_channel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <variant>
#include <vector>

namespace taoci {
namespace {

constexpr UINT kMessage = WM_APP + 7;

// A message-only window that takes every effect its messages name.
class Receiver {
 public:
  Receiver() {
    hwnd_ =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    channel_ = std::make_shared<RunChannel>(hwnd_, kMessage);
  }
  ~Receiver() { DestroyWindow(hwnd_); }

  // Takes what the queued messages name; returns how many messages came.
  int Drain() {
    int messages = 0;
    MSG message;
    while (PeekMessageW(&message, hwnd_, kMessage, kMessage, PM_REMOVE)) {
      // The quit that an earlier test's window posted comes through any
      // filter.
      if (message.message == WM_QUIT) continue;
      ++messages;
      for (RunEffect& effect : channel_->Take(message.lParam))
        received.push_back(std::move(effect));
    }
    return messages;
  }

  HWND hwnd() const { return hwnd_; }
  std::shared_ptr<RunChannel> channel() const { return channel_; }
  std::vector<RunEffect> received;

 private:
  HWND hwnd_ = nullptr;
  std::shared_ptr<RunChannel> channel_;
};

TEST(RunChannel, DeliversEffectsInOrderFoldingRunsOfProgressSteps) {
  Receiver receiver;
  RunChannel& channel = *receiver.channel();
  channel.Post(run_effects::BeginProgress{88});
  for (int i = 0; i < 1000; ++i) channel.Post(run_effects::AdvanceProgress{1});
  channel.Post(run_effects::ShowFound{3, 7, "http://a/?s=88"});
  channel.Post(run_effects::ShowPicture{ByteBlock(std::string("\0\1\2", 3))});
  channel.Post(run_effects::ShowPrice{"12.00"});
  channel.Post(run_effects::ShowBrowserButtons{});
  channel.Post(run_effects::FinishRun{true});
  EXPECT_EQ(receiver.Drain(), 7);

  ASSERT_EQ(receiver.received.size(), 7u);
  EXPECT_EQ(std::get<run_effects::BeginProgress>(receiver.received[0]).maximum, 88);
  EXPECT_EQ(std::get<run_effects::AdvanceProgress>(receiver.received[1]).times, 1000);
  EXPECT_EQ(std::get<run_effects::ShowFound>(receiver.received[2]).result_address,
            ByteText("http://a/?s=88"));
  EXPECT_EQ(std::get<run_effects::ShowPicture>(receiver.received[3]).picture.size(), 3u);
  EXPECT_EQ(std::get<run_effects::ShowPrice>(receiver.received[4]).price, ByteText("12.00"));
  EXPECT_TRUE(std::holds_alternative<run_effects::ShowBrowserButtons>(receiver.received[5]));
  EXPECT_TRUE(std::get<run_effects::FinishRun>(receiver.received[6]).found);
}

// A step posted after the pending ones were taken starts a new message:
// nothing already applied is folded into.
TEST(RunChannel, FoldsOnlyIntoAnEffectNotYetTaken) {
  Receiver receiver;
  receiver.channel()->Post(run_effects::AdvanceProgress{1});
  receiver.Drain();
  receiver.channel()->Post(run_effects::AdvanceProgress{1});
  receiver.channel()->Post(run_effects::AdvanceProgress{1});
  receiver.Drain();
  ASSERT_EQ(receiver.received.size(), 2u);
  EXPECT_EQ(std::get<run_effects::AdvanceProgress>(receiver.received[0]).times, 1);
  EXPECT_EQ(std::get<run_effects::AdvanceProgress>(receiver.received[1]).times, 2);
}

TEST(RunChannel, AfterCloseNothingIsTakenAndNothingIsPosted) {
  Receiver receiver;
  receiver.channel()->Post(run_effects::BeginProgress{44});
  receiver.channel()->Close();
  receiver.channel()->Post(run_effects::FinishRun{false});
  EXPECT_TRUE(receiver.channel()->closed());
  // The message posted before the close is still queued; it names nothing
  // any more.
  EXPECT_EQ(receiver.Drain(), 1);
  EXPECT_TRUE(receiver.received.empty());
  receiver.channel()->Close();  // again: no harm
}

TEST(RunChannel, AStrayTicketTakesNothingAndALostMessageIsMadeUpByTheNext) {
  Receiver receiver;
  RunChannel& channel = *receiver.channel();
  channel.Post(run_effects::BeginProgress{44});
  channel.Post(run_effects::ShowPrice{"1"});
  EXPECT_TRUE(channel.Take(0).empty());
  // Lose the first message; the second brings both, oldest first.
  MSG first;
  ASSERT_TRUE(PeekMessageW(&first, receiver.hwnd(), kMessage, kMessage, PM_REMOVE));
  receiver.Drain();
  ASSERT_EQ(receiver.received.size(), 2u);
  EXPECT_TRUE(std::holds_alternative<run_effects::BeginProgress>(receiver.received[0]));
  EXPECT_TRUE(std::holds_alternative<run_effects::ShowPrice>(receiver.received[1]));
  EXPECT_TRUE(channel.Take(first.lParam).empty());
}

// A worker that reports far faster than the window takes: every step
// arrives, the end comes last, and the queue never holds more than a few of
// the channel's messages, not one per step (the system's queue holds 10000
// at most, and a post beyond that would fail).
TEST(RunChannel, AFastWorkerNeitherLosesStepsNorFloodsTheQueue) {
  Receiver receiver;
  std::shared_ptr<RunChannel> channel = receiver.channel();
  constexpr int kSteps = 200000;
  std::size_t most_pending = 0;
  std::thread worker([channel, &most_pending] {
    channel->Post(run_effects::BeginProgress{4400});
    for (int i = 0; i < kSteps; ++i) {
      channel->Post(run_effects::AdvanceProgress{1});
      most_pending = std::max(most_pending, channel->pending_count());
    }
    channel->Post(run_effects::FinishRun{false});
  });
  long long steps = 0;
  bool finished = false;
  const ULONGLONG start = GetTickCount64();
  while (!finished && GetTickCount64() - start < 60000) {
    receiver.Drain();
    for (const RunEffect& effect : receiver.received) {
      if (const auto* advance = std::get_if<run_effects::AdvanceProgress>(&effect)) {
        steps += advance->times;
      }
      if (std::holds_alternative<run_effects::FinishRun>(effect)) finished = true;
    }
    receiver.received.clear();
    if (!finished) MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
  }
  worker.join();
  EXPECT_TRUE(finished);
  EXPECT_EQ(steps, kSteps);
  EXPECT_LE(most_pending, 2u);  // at most the start and one folded run of steps
}

}  // namespace
}  // namespace taoci

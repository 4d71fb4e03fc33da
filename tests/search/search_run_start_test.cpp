// The run on its own thread: StartSearchRun returns before the run has
// fetched anything, and the run then reports from its worker.
#include <gtest/gtest.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "search/search_run.h"
#include "tests/search/canned_marketplace.h"
#include "tests/search/recording_sink.h"

namespace taoci {
namespace {

// A gate the fetch waits at until the test opens it.
class Gate {
 public:
  void Open() {
    std::lock_guard lock(mutex_);
    open_ = true;
    opened_.notify_all();
  }
  void WaitUntilOpen() {
    std::unique_lock lock(mutex_);
    opened_.wait(lock, [this] { return open_; });
  }

 private:
  std::mutex mutex_;
  std::condition_variable opened_;
  bool open_ = false;
};

// Everything the worker touches, kept alive by the worker's own copy of the
// services until the thread has let go of it, whenever that is.
struct World {
  fixtures::CannedMarketplace marketplace;
  fixtures::RecordingSink sink;
  Gate gate;
  std::mutex mutex;
  std::vector<std::thread::id> fetching_threads;
};

TEST(StartSearchRun, RunsOnADetachedWorkerAndReturnsAtOnce) {
  auto world = std::make_shared<World>();
  SearchRequest request;
  request.keyword = "bag";
  request.target1 = "kw";
  request.target2 = "shop";
  request.first_page_text = "1";
  request.last_page_text = "2";
  constexpr CalendarDate kDate{2014, 10, 20};
  const ByteText base = BuildSearchAddress(request, kDate);
  world->marketplace.Serve(PageAddress(base, 2), fixtures::SmallResultPage(10, 4));

  SearchServices services;
  services.fetch = [world](const ByteText& address) {
    world->gate.WaitUntilOpen();
    {
      std::lock_guard lock(world->mutex);
      world->fetching_threads.push_back(std::this_thread::get_id());
    }
    return world->marketplace.Fetch(address);
  };
  services.today = [] { return kDate; };

  ASSERT_TRUE(StartSearchRun(request, world->sink, services));
  // The worker is held at its first fetch, so nothing past the progress
  // maximum can have been reported yet.
  EXPECT_LE(world->sink.Calls().size(), 1u);
  world->gate.Open();
  ASSERT_TRUE(world->sink.WaitForFinish(60));

  const std::string page2(PageAddress(base, 2).bytes());
  EXPECT_EQ(world->sink.Calls(),
            (std::vector<std::string>{"BeginProgress(88)", "AdvanceProgress x4",
                                      "ShowFound(2, 4, " + page2 + ")", "ShowPicture()",
                                      "ShowPrice(9.90)", "ShowBrowserButtons", "FinishRun(true)"}));
  std::lock_guard lock(world->mutex);
  ASSERT_EQ(world->fetching_threads.size(), 3u);
  EXPECT_NE(world->fetching_threads[0], std::this_thread::get_id());
  EXPECT_EQ(world->fetching_threads[1], world->fetching_threads[0]);
  EXPECT_EQ(world->fetching_threads[2], world->fetching_threads[0]);
}

}  // namespace
}  // namespace taoci

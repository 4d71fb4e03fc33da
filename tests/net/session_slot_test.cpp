#include "net/session_slot.h"

#include <gtest/gtest.h>

#include <atomic>
#include <latch>
#include <thread>
#include <vector>

namespace taoci {
namespace {

HINTERNET OpenTestSession() {
  return InternetOpenA("taoci session test", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
}

TEST(SessionSlot, OpensOnceWhenFirstCallsRace) {
  std::atomic<int> opens{0};
  SessionSlot slot([&opens] {
    ++opens;
    // Long enough that every racer arrives while the first is still opening.
    Sleep(200);
    return OpenTestSession();
  });
  constexpr int kRacers = 8;
  std::latch start(kRacers);
  std::vector<HINTERNET> seen(kRacers, nullptr);
  std::vector<std::thread> racers;
  for (int i = 0; i < kRacers; ++i) {
    racers.emplace_back([&, i] {
      start.arrive_and_wait();
      seen[i] = slot.Get();
    });
  }
  for (std::thread& racer : racers) racer.join();
  EXPECT_EQ(opens.load(), 1);
  ASSERT_NE(seen[0], nullptr);
  for (HINTERNET session : seen) EXPECT_EQ(session, seen[0]);
}

TEST(SessionSlot, TriesAgainAfterAFailedOpen) {
  int opens = 0;
  SessionSlot slot([&opens]() -> HINTERNET {
    ++opens;
    return opens == 1 ? nullptr : OpenTestSession();
  });
  EXPECT_EQ(slot.Get(), nullptr);
  const HINTERNET session = slot.Get();
  EXPECT_NE(session, nullptr);
  EXPECT_EQ(opens, 2);
  // Once open it stays the same session.
  EXPECT_EQ(slot.Get(), session);
  EXPECT_EQ(opens, 2);
}

TEST(SharedSession, IsOneSessionForTheWholeProcess) {
  const HINTERNET session = SharedSession();
  ASSERT_NE(session, nullptr);
  HINTERNET from_another_thread = nullptr;
  std::thread([&] { from_another_thread = SharedSession(); }).join();
  EXPECT_EQ(from_another_thread, session);

  char agent[128] = {};
  DWORD size = sizeof(agent);
  ASSERT_TRUE(InternetQueryOptionA(session, INTERNET_OPTION_USER_AGENT, agent, &size));
  EXPECT_STREQ(agent, "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)");
}

}  // namespace
}  // namespace taoci

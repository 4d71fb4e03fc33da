// A fetch on a machine out of memory: what arrived comes back, and the
// program goes on. This program replaces operator new, so that a test can
// make every large allocation fail.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "tests/net/fetch_test_support.h"

namespace {

// Allocations of at least this many bytes fail while it is not zero.
std::atomic<std::size_t> g_failing_from{0};

}  // namespace

void* operator new(std::size_t size) {
  const std::size_t failing_from = g_failing_from.load(std::memory_order_relaxed);
  if (failing_from != 0 && size >= failing_from) throw std::bad_alloc();
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }

namespace taoci::test {
namespace {

class WebFetchMemory : public FetchTest {
 protected:
  void TearDown() override { g_failing_from = 0; }

  // The fetch with allocations of `failing_from` bytes or more failing.
  std::string FetchShortOfMemory(const std::string& address, std::size_t failing_from) {
    g_failing_from = failing_from;
    ByteBlock block = WebFetch(ByteText(address));
    g_failing_from = 0;
    return std::string(block.view());
  }
};

TEST_F(WebFetchMemory, GivesWhatArrivedWhenTheBodyCannotGrow) {
  const std::string body =
      FetchShortOfMemory(server.Address("/pattern?size=16000000&tag=grow"), 4 * 1024 * 1024);
  EXPECT_FALSE(body.empty());
  EXPECT_LT(body.size(), 16000000u);
  EXPECT_TRUE(IsPatternPrefix(body));
  EXPECT_EQ(server.RequestsWith("tag=grow").size(), 1u);
  // The program goes on, and so do its fetches.
  EXPECT_EQ(Fetch(server.Address("/pattern?size=16000000")).size(), 16000000u);
}

TEST_F(WebFetchMemory, GivesTheEmptyBlockWithoutMemoryForTheReadBuffer) {
  // The announced length asks for the 102400-byte buffer.
  EXPECT_EQ(FetchShortOfMemory(server.Address("/pattern?size=500000&tag=buffer"), 102400), "");
  EXPECT_EQ(Fetch(server.Address("/pattern?size=500000")).size(), 500000u);
}

}  // namespace
}  // namespace taoci::test

// What comes back: the body, whatever the status and however it ends.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "net/read_body.h"
#include "tests/net/fetch_test_support.h"

namespace taoci::test {
namespace {

class WebFetchBody : public FetchTest {};

struct StatusCase {
  int status;
  std::string body;
};

void PrintTo(const StatusCase& c, std::ostream* out) { *out << c.status; }

class WebFetchStatus : public FetchTest, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(WebFetchStatus, GivesTheBodyWhateverTheStatus) {
  const StatusCase& c = GetParam();
  EXPECT_EQ(Fetch(server.Address("/reply?status=" + std::to_string(c.status) + "&body=" + c.body)),
            c.body);
}

INSTANTIATE_TEST_SUITE_P(Statuses, WebFetchStatus,
                         ::testing::Values(StatusCase{200, "<html>found</html>"},
                                           StatusCase{404, "<html>no such page</html>"},
                                           StatusCase{500, "<html>broken</html>"},
                                           StatusCase{403, "<html>go away</html>"}));

TEST_F(WebFetchBody, KeepsZeroBytes) {
  EXPECT_EQ(Fetch(server.Address("/reply?body=%00%00ab%00c%00&type=image/gif")),
            std::string("\0\0ab\0c\0", 7));
  EXPECT_EQ(Fetch(server.Address("/pattern?size=1000")), PatternBytes(1000));
}

TEST_F(WebFetchBody, GivesTheEmptyBlockForAnEmptyBody) {
  EXPECT_EQ(Fetch(server.Address("/reply?length=0&tag=length-zero")), "");
  // No Content-Length and nothing before the close.
  EXPECT_EQ(Fetch(server.Address("/reply?length=omit&tag=no-body")), "");
  // Both did reach the server: the emptiness is the answer's.
  EXPECT_EQ(server.RequestsWith("tag=length-zero").size(), 1u);
  EXPECT_EQ(server.RequestsWith("tag=no-body").size(), 1u);
}

struct WholeCase {
  std::size_t size;
  bool announced;
};

void PrintTo(const WholeCase& c, std::ostream* out) {
  *out << c.size << (c.announced ? " bytes with Content-Length" : " bytes without Content-Length");
}

class WebFetchWhole : public FetchTest, public ::testing::WithParamInterface<WholeCase> {};

// Sizes on both sides of the read buffers (10240 without a length, L + 1 and
// 102400 with one), up to several MB.
TEST_P(WebFetchWhole, GivesTheWholeBody) {
  const WholeCase& c = GetParam();
  const std::string body = Fetch(server.Address("/pattern?size=" + std::to_string(c.size) +
                                                (c.announced ? "" : "&length=omit")));
  EXPECT_EQ(body.size(), c.size);
  EXPECT_TRUE(IsPatternPrefix(body));
}

INSTANTIATE_TEST_SUITE_P(Sizes, WebFetchWhole,
                         ::testing::Values(WholeCase{1, true}, WholeCase{1, false},
                                           WholeCase{10240, false}, WholeCase{10241, false},
                                           WholeCase{102399, true}, WholeCase{102400, true},
                                           WholeCase{102401, true}, WholeCase{5000000, true},
                                           WholeCase{5000000, false}));

TEST_F(WebFetchBody, GivesThePartReceivedWhenTheConnectionDrops) {
  // Announced 200000, reset after 100000.
  const std::string body = Fetch(server.Address("/pattern?size=200000&drop=100000"));
  EXPECT_EQ(body.size(), 100000u);
  EXPECT_TRUE(IsPatternPrefix(body));
}

TEST_F(WebFetchBody, GivesThePartReceivedWhenTheBodyIsShort) {
  // Announced 5000, closed after 1000.
  EXPECT_EQ(Fetch(server.Address("/pattern?size=1000&length=5000")), PatternBytes(1000));
}

TEST_F(WebFetchBody, FollowsARedirectToTheFinalBody) {
  EXPECT_EQ(Fetch(server.Address("/redirect?to=/reply%3Fbody%3Dlanded%26tag%3Dredirect-end"
                                 "&tag=redirect-start")),
            "landed");
  EXPECT_EQ(server.RequestsWith("tag=redirect-start").size(), 1u);
  const std::vector<RecordedRequest> landed = server.RequestsWith("tag=redirect-end");
  ASSERT_EQ(landed.size(), 1u);
  // Followed like a fresh fetch: the same fixed request, and no Referer.
  EXPECT_EQ(landed[0].RequestLine(), "GET /reply?body=landed&tag=redirect-end HTTP/1.0");
  EXPECT_TRUE(landed[0].Header("Referer").empty());
  // An absolute Location as well, with a 301.
  EXPECT_EQ(Fetch(server.Address(
                "/redirect?status=301&to=http://127.0.0.1:" + std::to_string(server.port()) +
                "/reply%3Fbody%3Dfar%26tag%3Dabsolute-end")),
            "far");
  EXPECT_EQ(server.RequestsWith("tag=absolute-end").size(), 1u);
}

// Wine's WinINet follows a redirect loop without end (it asked the server
// thousands of times before the test was stopped), so the fetch follows
// redirects itself: 20 of them, as browsers do, and the 21st ends the fetch
// with the empty block.
struct ChainCase {
  std::string target;
  std::size_t requests;
  std::string body;
};

void PrintTo(const ChainCase& c, std::ostream* out) { *out << c.target; }

class WebFetchRedirects : public FetchTest, public ::testing::WithParamInterface<ChainCase> {};

TEST_P(WebFetchRedirects, FollowsTwentyRedirectsAndNoMore) {
  const ChainCase& c = GetParam();
  const std::size_t before = server.Requests().size();
  EXPECT_EQ(Fetch(server.Address(c.target)), c.body);
  EXPECT_EQ(server.Requests().size() - before, c.requests);
}

INSTANTIATE_TEST_SUITE_P(Chains, WebFetchRedirects,
                         ::testing::Values(ChainCase{"/chain?left=20", 21, "end of chain"},
                                           ChainCase{"/chain?left=21", 21, ""},
                                           ChainCase{"/loop/a", 21, ""}));

class WebFetchLimit : public FetchTest, public ::testing::WithParamInterface<bool> {};

// 69 MiB on offer, with and without a Content-Length: exactly the first
// 64 MiB come back, and the next fetch works as before.
TEST_P(WebFetchLimit, StopsAtSixtyFourMebibytes) {
  const bool announced = GetParam();
  const std::string body =
      Fetch(server.Address("/pattern?size=" + std::to_string(kMaxBodyBytes + 5 * 1024 * 1024) +
                           (announced ? "" : "&length=omit")));
  EXPECT_EQ(body.size(), kMaxBodyBytes);
  EXPECT_TRUE(IsPatternPrefix(body));
  EXPECT_EQ(Fetch(server.Address("/reply?body=still%20here")), "still here");
}

INSTANTIATE_TEST_SUITE_P(Lengths, WebFetchLimit, ::testing::Bool());

}  // namespace
}  // namespace taoci::test

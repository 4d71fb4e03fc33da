// A whole run through the real web fetch against the loopback test server,
// which answers the search from 37 generated realistic pages and serves the
// target's picture; the item stands on page 37 at place 12.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "net/web_fetch.h"
#include "search/search_run.h"
#include "tests/net/test_server.h"
#include "tests/search/generated_pages.h"
#include "tests/search/recording_sink.h"

namespace taoci {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in.good()) << "cannot read " << path;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// "GET /search?... HTTP/1.x" -> "GET /search?...": the method and target are
// what the run decides; the protocol version is WinINet's business.
std::string MethodAndTarget(const std::string& request_line) {
  return request_line.substr(0, request_line.rfind(' '));
}

TEST(SearchRunAgainstTheServer, FetchesEveryPageUpToTheItemThenItsPictureAndNothingElse) {
  const test::TestServer server;
  ASSERT_TRUE(server.available())
      << "no test server: run this program through tools/with_test_server.py (ctest does)";

  std::map<std::string, std::string> target = fixtures::ReadDescription("server-run/target.txt");
  ASSERT_EQ(target["page"], "37");
  ASSERT_EQ(target["position"], "12");
  // The pages were made before the server had a port; it fills the
  // placeholder in as it serves them.
  std::string picture_address = target["picture"];
  const std::string placeholder = "{server}";
  const std::size_t at = picture_address.find(placeholder);
  ASSERT_NE(at, std::string::npos) << picture_address;
  picture_address.replace(at, placeholder.size(), "127.0.0.1:" + std::to_string(server.port()));
  ASSERT_EQ(picture_address, server.Address("/pictures/target.jpg"));

  SearchRequest request;
  request.keyword = "\xB2\xE8\xBE\xDF";  // the search word of the generated pages
  request.target1 = ByteText(target["target1"]);
  request.target2 = ByteText(target["target2"]);
  request.first_page_text = "1";
  request.last_page_text = "100";
  constexpr CalendarDate kDate{2014, 10, 20};
  const ByteText host("127.0.0.1:" + std::to_string(server.port()));
  const ByteText base = BuildSearchAddress(request, kDate, host);

  SearchServices services;
  services.fetch = [](const ByteText& address) { return WebFetch(address); };
  services.today = [] { return kDate; };
  services.search_host = host;

  const std::size_t before = server.Requests().size();
  fixtures::RecordingSink sink;
  ASSERT_TRUE(StartSearchRun(request, sink, services));
  // Bounded only so that a run that never ends fails the test instead of
  // holding it; a healthy run is done in a few seconds.
  ASSERT_TRUE(sink.WaitForFinish(240)) << "the run did not finish";

  // Pages 1 to 36 carry the two keywords apart, so each passes the page test
  // and has all 44 blocks examined; page 37 adds its first 12.
  const std::string page37(PageAddress(base, 37).bytes());
  EXPECT_EQ(sink.Calls(),
            (std::vector<std::string>{
                "BeginProgress(4400)", "AdvanceProgress x" + std::to_string(36 * 44 + 12),
                "ShowFound(37, 12, " + page37 + ")",
                "ShowPicture(" + ReadFile(TAOCI_SERVER_RUN_PICTURE) + ")",
                "ShowPrice(" + target["price"] + ")", "ShowBrowserButtons", "FinishRun(true)"}));

  const std::string origin = server.Address("");
  std::vector<std::string> expected;
  for (int page = 1; page <= 37; ++page) {
    const std::string address(PageAddress(base, page).bytes());
    ASSERT_EQ(address.rfind(origin, 0), 0u) << address;
    expected.push_back("GET " + address.substr(origin.size()));
  }
  expected.push_back("GET /pictures/target.jpg");

  std::vector<std::string> seen;
  const std::vector<test::RecordedRequest> requests = server.Requests();
  for (std::size_t i = before; i < requests.size(); ++i) {
    EXPECT_EQ(requests[i].note, "request") << "connection " << requests[i].connection;
    seen.push_back(MethodAndTarget(requests[i].RequestLine()));
  }
  EXPECT_EQ(seen, expected);
}

}  // namespace
}  // namespace taoci

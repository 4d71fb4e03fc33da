// A whole run over generated realistic pages: the item on page 4 at place 12.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "search/search_run.h"
#include "tests/search/canned_marketplace.h"
#include "tests/search/generated_pages.h"
#include "tests/search/recording_sink.h"

namespace taoci {
namespace {

TEST(SearchRunOnRealisticPages, FindsTheItemOnItsPageAndFetchesNothingAfter) {
  std::map<std::string, std::string> target = fixtures::ReadDescription("run/target.txt");
  ASSERT_EQ(target["page"], "4");
  ASSERT_EQ(target["position"], "12");

  SearchRequest request;
  request.keyword = "\xB2\xE8\xBE\xDF";  // the search word of the generated pages
  request.target1 = ByteText(target["target1"]);
  request.target2 = ByteText(target["target2"]);
  request.sort = SortOrder::kSalesDesc;
  request.first_page_text = "1";
  request.last_page_text = "5";
  constexpr CalendarDate kDate{2014, 10, 20};
  const ByteText base = BuildSearchAddress(request, kDate);

  fixtures::CannedMarketplace marketplace;
  std::vector<std::string> expected_fetches;
  for (int page = 1; page <= 5; ++page) {
    char name[32];
    std::snprintf(name, sizeof name, "run/page-%03d.html", page);
    marketplace.Serve(PageAddress(base, page), fixtures::ReadGeneratedFile(name));
    if (page <= 4) expected_fetches.emplace_back(PageAddress(base, page).bytes());
  }
  marketplace.Serve(ByteText(target["picture"]), "picture bytes");
  expected_fetches.push_back(target["picture"]);

  fixtures::RecordingSink sink;
  SearchServices services;
  services.fetch = [&marketplace](const ByteText& address) { return marketplace.Fetch(address); };
  services.today = [] { return kDate; };
  RunSearch(request, sink, services);

  // Pages 1 to 3 carry the two keywords apart, so each passes the page test
  // and has all 44 blocks examined.
  const std::string page4(PageAddress(base, 4).bytes());
  EXPECT_EQ(sink.Calls(),
            (std::vector<std::string>{
                "BeginProgress(220)", "AdvanceProgress x144", "ShowFound(4, 12, " + page4 + ")",
                "ShowPicture(picture bytes)", "ShowPrice(" + target["price"] + ")",
                "ShowBrowserButtons", "FinishRun(true)"}));
  EXPECT_EQ(marketplace.Fetched(), expected_fetches);
}

}  // namespace
}  // namespace taoci

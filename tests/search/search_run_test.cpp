#include "search/search_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/search/canned_marketplace.h"
#include "tests/search/recording_sink.h"

namespace taoci {
namespace {

using Calls = std::vector<std::string>;

constexpr CalendarDate kDate{2014, 10, 20};

class SearchRunTest : public ::testing::Test {
 protected:
  SearchRunTest() {
    request_.keyword = "bag";
    request_.target1 = "kw";
    request_.target2 = "shop";
    request_.first_page_text = "1";
    request_.last_page_text = "1";
    services_.fetch = [this](const ByteText& address) { return marketplace_.Fetch(address); };
    services_.today = [] { return kDate; };
  }

  std::string Page(int page) const {
    return std::string(PageAddress(BuildSearchAddress(request_, kDate), page).bytes());
  }

  void Serve(int page, std::string body) {
    marketplace_.Serve(ByteText(Page(page)), std::move(body));
  }

  Calls Run(const char* first, const char* last) {
    request_.first_page_text = first;
    request_.last_page_text = last;
    RunSearch(request_, sink_, services_);
    return sink_.Calls();
  }

  SearchRequest request_;
  SearchServices services_;
  fixtures::CannedMarketplace marketplace_;
  fixtures::RecordingSink sink_;
};

TEST_F(SearchRunTest, ReportsAFindOnTheOnlyPage) {
  Serve(1, fixtures::SmallResultPage(44, 5));
  marketplace_.Serve("http://pic/1.jpg", "JPEG bytes");
  EXPECT_EQ(Run("1", "1"), (Calls{"BeginProgress(44)", "AdvanceProgress x5",
                                  "ShowFound(1, 5, " + Page(1) + ")", "ShowPicture(JPEG bytes)",
                                  "ShowPrice(9.90)", "ShowBrowserButtons", "FinishRun(true)"}));
  EXPECT_EQ(Page(1).substr(Page(1).size() - 4), "&s=0");
  EXPECT_EQ(marketplace_.Fetched(), (Calls{Page(1), "http://pic/1.jpg"}));
}

TEST_F(SearchRunTest, StopsAtTheFirstPageWithTheItem) {
  Serve(1, fixtures::SmallResultPage(44, 0));
  Serve(2, fixtures::SmallResultPage(44, 0));
  Serve(3, fixtures::SmallResultPage(44, 7));
  const Calls calls = Run("1", "100");
  EXPECT_EQ(calls,
            (Calls{"BeginProgress(4400)", "AdvanceProgress x95", "ShowFound(3, 7, " + Page(3) + ")",
                   "ShowPicture()", "ShowPrice(9.90)", "ShowBrowserButtons", "FinishRun(true)"}));
  EXPECT_EQ(marketplace_.Fetched(), (Calls{Page(1), Page(2), Page(3), "http://pic/1.jpg"}));
}

TEST_F(SearchRunTest, SendsEveryPageToTheHostItIsGiven) {
  services_.search_host = "127.0.0.1:8080";
  Run("1", "2");
  const std::string base(BuildSearchAddress(request_, kDate, "127.0.0.1:8080").bytes());
  EXPECT_EQ(base.rfind("http://127.0.0.1:8080/search?q=bag&", 0), 0u);
  EXPECT_EQ(marketplace_.Fetched(), (Calls{base + "&s=0", base + "&s=44"}));
}

struct RangeCase {
  const char* first;
  const char* last;
  int maximum;
  std::vector<int> pages;
};

class SearchRunRanges : public SearchRunTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(SearchRunRanges, FetchEveryPageOfTheRangeInOrder) {
  const RangeCase& c = GetParam();
  const Calls calls = Run(c.first, c.last);
  EXPECT_EQ(calls, (Calls{"BeginProgress(" + std::to_string(c.maximum) + ")", "FinishRun(false)"}));
  Calls pages;
  for (int page : c.pages) pages.push_back(Page(page));
  EXPECT_EQ(marketplace_.Fetched(), pages);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SearchRunRanges,
    ::testing::Values(RangeCase{"3", "2", 0, {}}, RangeCase{"5", "1", -132, {}},
                      RangeCase{"1.9", "2.5", 70, {1, 2}}, RangeCase{"", "2", 132, {0, 1, 2}},
                      RangeCase{"abc", "", 44, {0}}, RangeCase{"-1", "0", 88, {-1, 0}},
                      // The largest pages: the loop ends after the last one.
                      RangeCase{"2147483646", "2147483647", 88, {2147483646, 2147483647}},
                      RangeCase{"2147483647", "1e10", 2147483647, {2147483647}}));

TEST_F(SearchRunTest, GivesPageZeroItsNegativeOffset) {
  Run("", "0");
  ASSERT_EQ(marketplace_.Fetched().size(), 1u);
  EXPECT_EQ(marketplace_.Fetched()[0].substr(Page(0).size() - 6), "&s=-44");
}

TEST_F(SearchRunTest, EndsWithAFindOnPageZero) {
  Serve(0, fixtures::SmallResultPage(3, 2));
  const Calls calls = Run("", "2");
  EXPECT_EQ(calls,
            (Calls{"BeginProgress(132)", "AdvanceProgress x2", "ShowFound(0, 2, " + Page(0) + ")",
                   "ShowPicture()", "ShowPrice(9.90)", "ShowBrowserButtons", "FinishRun(true)"}));
  EXPECT_EQ(marketplace_.Fetched(), (Calls{Page(0), "http://pic/1.jpg"}));
}

TEST_F(SearchRunTest, GoesOnPastPagesThatCannotBeFetched) {
  // Nothing served: every fetch fails.
  EXPECT_EQ(Run("1", "3"), (Calls{"BeginProgress(132)", "FinishRun(false)"}));
  EXPECT_EQ(marketplace_.Fetched(), (Calls{Page(1), Page(2), Page(3)}));
}

TEST_F(SearchRunTest, AdvancesOncePerBlockEvenPastTheMaximum) {
  Serve(1, fixtures::SmallResultPage(50, 0));
  EXPECT_EQ(Run("1", "1"), (Calls{"BeginProgress(44)", "AdvanceProgress x50", "FinishRun(false)"}));
}

TEST_F(SearchRunTest, HandsAnEmptyPictureAddressToTheFetch) {
  Serve(1, fixtures::SmallResultPage(2, 2, ""));
  // Whatever the fetch makes of the empty address goes to the picture box
  // unchanged; the real fetch makes an empty block of it.
  marketplace_.Serve("", "body for the empty address");
  const Calls calls = Run("1", "1");
  EXPECT_EQ(marketplace_.Fetched(), (Calls{Page(1), ""}));
  ASSERT_EQ(calls.size(), 7u);
  EXPECT_EQ(calls[3], "ShowPicture(body for the empty address)");
}

TEST_F(SearchRunTest, ReportsPriceAndButtonsWhenThePictureFails) {
  Serve(1, fixtures::SmallResultPage(1, 1, "http://pic/missing.jpg"));
  EXPECT_EQ(Run("1", "1"),
            (Calls{"BeginProgress(44)", "AdvanceProgress x1", "ShowFound(1, 1, " + Page(1) + ")",
                   "ShowPicture()", "ShowPrice(9.90)", "ShowBrowserButtons", "FinishRun(true)"}));
}

TEST_F(SearchRunTest, ScansNothingWithoutKeywordsButFetchesEveryPage) {
  request_.target1 = "";
  request_.target2 = "";
  Serve(1, fixtures::SmallResultPage(44, 3));
  Serve(2, fixtures::SmallResultPage(44, 3));
  EXPECT_EQ(Run("1", "2"), (Calls{"BeginProgress(88)", "FinishRun(false)"}));
  EXPECT_EQ(marketplace_.Fetched(), (Calls{Page(1), Page(2)}));
}

TEST_F(SearchRunTest, ReadsAPageOnlyUpToAZeroByte) {
  std::string page = fixtures::SmallResultPage(3, 3);
  page.insert(page.find("<div"), 1, '\0');
  Serve(1, page);
  EXPECT_EQ(Run("1", "1"), (Calls{"BeginProgress(44)", "FinishRun(false)"}));
}

TEST_F(SearchRunTest, ComposesTheBaseAddressOnceWithTheDateOfTheStart) {
  int asked = 0;
  services_.today = [&asked] {
    ++asked;
    return CalendarDate{2014, 12, 31 + asked - 1};
  };
  Run("1", "3");
  EXPECT_EQ(asked, 1);
  for (const std::string& address : marketplace_.Fetched()) {
    EXPECT_NE(address.find("tbindexz_20141231&s="), std::string::npos) << address;
  }
}

TEST_F(SearchRunTest, SecondRunSharesNothingWithTheFirst) {
  Serve(1, fixtures::SmallResultPage(4, 2));
  Run("1", "1");
  fixtures::RecordingSink second_sink;
  request_.target2 = "nowhere";
  RunSearch(request_, second_sink, services_);
  EXPECT_EQ(second_sink.Calls(),
            (Calls{"BeginProgress(44)", "AdvanceProgress x4", "FinishRun(false)"}));
  EXPECT_EQ(marketplace_.Fetched(), (Calls{Page(1), "http://pic/1.jpg", Page(1)}));
}

TEST_F(SearchRunTest, RunsWithoutServices) {
  RunSearch(request_, sink_, SearchServices{});
  EXPECT_EQ(sink_.Calls(), (Calls{"BeginProgress(44)", "FinishRun(false)"}));
}

}  // namespace
}  // namespace taoci

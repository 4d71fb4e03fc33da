#include "search/search_address.h"

#include <gtest/gtest.h>

#include <string>

#include "taoci/build_config.h"
#include "text/text_ops.h"

namespace taoci {
namespace {

std::string Host() { return std::string("http://") + config::kSearchHost; }

constexpr const char* kFixed = "&ssid=s5-e&search_type=item&sourceId=tb.index";

SearchRequest Request() {
  SearchRequest request;
  request.keyword = "bag";
  return request;
}

// The address with the host and the fixed keys taken off the front, and
// the date stamp off the back: what the choices of the request add.
std::string Choices(const SearchRequest& request) {
  const std::string address(BuildSearchAddress(request, {2014, 10, 20}).bytes());
  const std::string front = Host() + "/search?q=" + "bag" + kFixed;
  const std::string back = "&initiative_id=tbindexz_20141020";
  EXPECT_EQ(address.substr(0, front.size()), front);
  EXPECT_EQ(address.substr(address.size() - back.size()), back);
  return address.substr(front.size(), address.size() - front.size() - back.size());
}

TEST(BuildSearchAddress, ComposesTheWorkedExample) {
  SearchRequest request;
  request.keyword = "\x62\x61\x67\x20\xB0\xFC";
  request.sort = SortOrder::kSalesDesc;
  request.price_low_text = "10";
  request.price_high_text = "50";
  request.scope = Scope::kTmall;
  const ByteText base = BuildSearchAddress(request, {2014, 10, 20});
  EXPECT_EQ(std::string(base.bytes()),
            Host() +
                "/search?q=bag%20%B0%FC&ssid=s5-e&search_type=item&sourceId=tb.index"
                "&sort=sale-desc&filter=reserve_price%5B10%2C50%5D&tab=mall"
                "&initiative_id=tbindexz_20141020");
  EXPECT_EQ(std::string(PageAddress(base, 3).bytes()), std::string(base.bytes()) + "&s=88");
}

struct SortCase {
  SortOrder sort;
  const char* fragment;
};

class SortFragments : public ::testing::TestWithParam<SortCase> {};

TEST_P(SortFragments, FollowTheFixedKeys) {
  SearchRequest request = Request();
  request.sort = GetParam().sort;
  EXPECT_EQ(Choices(request), GetParam().fragment);
}

INSTANTIATE_TEST_SUITE_P(Cases, SortFragments,
                         ::testing::Values(SortCase{SortOrder::kNone, ""},
                                           SortCase{SortOrder::kOverall, "&commend=all"},
                                           SortCase{SortOrder::kPopularityDesc, "&sort=renqi-desc"},
                                           SortCase{SortOrder::kSalesDesc, "&sort=sale-desc"},
                                           SortCase{SortOrder::kCreditDesc, "&sort=credit-desc"},
                                           SortCase{SortOrder::kPriceAsc, "&sort=price-asc"},
                                           SortCase{SortOrder::kPriceDesc, "&sort=price-desc"},
                                           SortCase{SortOrder::kTotalAsc, "&sort=total-asc"},
                                           SortCase{SortOrder::kTotalDesc, "&sort=total-desc"}));

struct PriceCase {
  const char* low;
  const char* high;
  const char* fragment;
};

class PriceFragments : public ::testing::TestWithParam<PriceCase> {};

TEST_P(PriceFragments, AppearOnlyForAPositiveHighPriceAndCarryTheTextsAsTyped) {
  SearchRequest request = Request();
  request.price_low_text = GetParam().low;
  request.price_high_text = GetParam().high;
  EXPECT_EQ(Choices(request), GetParam().fragment);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PriceFragments,
    ::testing::Values(PriceCase{"10", "0", ""}, PriceCase{"10", "", ""}, PriceCase{"10", "abc", ""},
                      PriceCase{"10", "-5", ""}, PriceCase{"10", "0.0000001", ""},
                      PriceCase{"", "0.0000002", "&filter=reserve_price%5B%2C0.0000002%5D"},
                      PriceCase{"", "50", "&filter=reserve_price%5B%2C50%5D"},
                      PriceCase{"abc", "50", "&filter=reserve_price%5Babc%2C50%5D"},
                      PriceCase{"99", "50", "&filter=reserve_price%5B99%2C50%5D"},
                      PriceCase{"", "12abc", "&filter=reserve_price%5B%2C12abc%5D"},
                      PriceCase{"", " 50", "&filter=reserve_price%5B%2C 50%5D"},
                      // Full-width 5 and 0 read as 50 and go in unencoded.
                      PriceCase{"", "\xA3\xB5\xA3\xB0",
                                "&filter=reserve_price%5B%2C\xA3\xB5\xA3\xB0%5D"},
                      PriceCase{"1&2", "3&4", "&filter=reserve_price%5B1&2%2C3&4%5D"}));

struct ScopeCase {
  Scope scope;
  const char* fragment;
};

class ScopeFragments : public ::testing::TestWithParam<ScopeCase> {};

TEST_P(ScopeFragments, ComeLast) {
  SearchRequest request = Request();
  request.scope = GetParam().scope;
  EXPECT_EQ(Choices(request), GetParam().fragment);
}

INSTANTIATE_TEST_SUITE_P(Cases, ScopeFragments,
                         ::testing::Values(ScopeCase{Scope::kNone, ""},
                                           ScopeCase{Scope::kAll, "&tab=all"},
                                           ScopeCase{Scope::kTmall, "&tab=mall"}));

TEST(BuildSearchAddress, PutsSortThenPriceThenScope) {
  SearchRequest request = Request();
  request.sort = SortOrder::kOverall;
  request.price_high_text = "5";
  request.scope = Scope::kAll;
  EXPECT_EQ(Choices(request), "&commend=all&filter=reserve_price%5B%2C5%5D&tab=all");
}

TEST(BuildSearchAddress, StampsTheDateWithTwoDigitMonthAndDay) {
  const std::string address(BuildSearchAddress(Request(), {2015, 1, 5}).bytes());
  EXPECT_EQ(address.substr(address.size() - 17), "tbindexz_20150105");
}

TEST(BuildSearchAddress, LeavesTheKeywordEmptyWhenThereIsNone) {
  const std::string address(BuildSearchAddress(SearchRequest(), {2014, 10, 20}).bytes());
  EXPECT_EQ(address, Host() + "/search?q=" + kFixed + "&initiative_id=tbindexz_20141020");
}

struct PageCase {
  int page;
  const char* ending;
};

class PageAddresses : public ::testing::TestWithParam<PageCase> {};

TEST_P(PageAddresses, AppendTheOffsetOfThePagesFirstItem) {
  EXPECT_EQ(PageAddress("base", GetParam().page), Concat({"base&s=", GetParam().ending}));
}

INSTANTIATE_TEST_SUITE_P(Cases, PageAddresses,
                         ::testing::Values(PageCase{1, "0"}, PageCase{2, "44"}, PageCase{3, "88"},
                                           PageCase{100, "4356"}, PageCase{0, "-44"},
                                           PageCase{-1, "-88"}, PageCase{48806448, "2147483668"},
                                           PageCase{2147483647, "94489280424"},
                                           PageCase{-2147483647 - 1, "-94489280556"}));

}  // namespace
}  // namespace taoci

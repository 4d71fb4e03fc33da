#include "search/search_address.h"

#include <cstdint>

#include "search/keyword_encoding.h"
#include "taoci/build_config.h"
#include "text/text_ops.h"

namespace taoci {
namespace {

ByteText SortFragment(SortOrder sort) {
  switch (sort) {
    case SortOrder::kOverall:
      return "&commend=all";
    case SortOrder::kPopularityDesc:
      return "&sort=renqi-desc";
    case SortOrder::kSalesDesc:
      return "&sort=sale-desc";
    case SortOrder::kCreditDesc:
      return "&sort=credit-desc";
    case SortOrder::kPriceAsc:
      return "&sort=price-asc";
    case SortOrder::kPriceDesc:
      return "&sort=price-desc";
    case SortOrder::kTotalAsc:
      return "&sort=total-asc";
    case SortOrder::kTotalDesc:
      return "&sort=total-desc";
    case SortOrder::kNone:
      break;
  }
  return ByteText();
}

ByteText ScopeFragment(Scope scope) {
  switch (scope) {
    case Scope::kAll:
      return "&tab=all";
    case Scope::kTmall:
      return "&tab=mall";
    case Scope::kNone:
      break;
  }
  return ByteText();
}

// A price range only when the high price reads as a positive number. The
// number decides presence only: both texts go in as typed, not encoded, and
// the low price is never looked at.
ByteText PriceFragment(const ByteText& low, const ByteText& high) {
  constexpr double kThreshold = 0.0000001;
  if (!(TextToNumber(high) > kThreshold)) return ByteText();
  return Concat({"&filter=reserve_price%5B", low, "%2C", high, "%5D"});
}

}  // namespace

ByteText BuildSearchAddress(const SearchRequest& request, CalendarDate date) {
  return BuildSearchAddress(request, date, config::kSearchHost);
}

ByteText BuildSearchAddress(const SearchRequest& request, CalendarDate date,
                            const ByteText& host) {
  return Concat({
      "http://",
      host,
      "/search?q=",
      EncodeKeyword(request.keyword),
      "&ssid=s5-e&search_type=item&sourceId=tb.index",
      SortFragment(request.sort),
      PriceFragment(request.price_low_text, request.price_high_text),
      ScopeFragment(request.scope),
      "&initiative_id=tbindexz_",
      IntToText(date.year),
      PadTwo(date.month),
      PadTwo(date.day),
  });
}

ByteText PageAddress(const ByteText& base, int page) {
  // In 64 bits, so that every Integer page, the extremes included, gets its
  // exact offset; as a double it is whole and far below 10^13.
  const std::int64_t offset = (static_cast<std::int64_t>(page) - 1) * kItemsPerPage;
  return Concat({base, "&s=", NumberToText(static_cast<double>(offset))});
}

}  // namespace taoci

// SearchRequest: the snapshot of one run's inputs, taken from the window's
// controls when the search starts. The texts stay exactly as typed; nothing
// here trims, checks or converts them.
#pragma once

#include "text/byte_text.h"

namespace taoci {

enum class Scope { kNone, kAll, kTmall };

enum class SortOrder {
  kNone,
  kOverall,
  kPopularityDesc,
  kSalesDesc,
  kCreditDesc,
  kPriceAsc,
  kPriceDesc,
  kTotalAsc,
  kTotalDesc,
};

struct SearchRequest {
  ByteText keyword;
  ByteText target1;
  ByteText target2;
  Scope scope = Scope::kNone;
  SortOrder sort = SortOrder::kNone;
  ByteText price_low_text;
  ByteText price_high_text;
  ByteText first_page_text;
  ByteText last_page_text;
};

// Items on one result page; page N starts at item offset (N - 1) * 44.
inline constexpr int kItemsPerPage = 44;

}  // namespace taoci

// The marketplace search address of a request, and of each of its pages.
#pragma once

#include "search/search_request.h"
#include "text/byte_text.h"

namespace taoci {

struct CalendarDate {
  int year;
  int month;  // 1..12
  int day;    // 1..31
};

// The base address, composed once per run: host, keyword, sort, price range,
// scope and the date stamp. A run keeps this one address for every page, so
// a run that goes past midnight keeps the day it started on. The host is the
// marketplace's search host the program was built with, unless one is given
// (host or host:port; tests and the demo point it at a local server).
ByteText BuildSearchAddress(const SearchRequest& request, CalendarDate date);
ByteText BuildSearchAddress(const SearchRequest& request, CalendarDate date,
                            const ByteText& host);

// The address of result page `page` (counted from 1): base, "&s=" and the
// offset of the page's first item, negative for pages 0 and below.
ByteText PageAddress(const ByteText& base, int page);

}  // namespace taoci

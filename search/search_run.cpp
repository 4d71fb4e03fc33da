#include "search/search_run.h"

#include <cstdint>

#include "search/result_page_scan.h"
#include "text/text_ops.h"

namespace taoci {
namespace {

ByteBlock Fetch(const SearchServices& services, const ByteText& address) {
  return services.fetch ? services.fetch(address) : ByteBlock();
}

CalendarDate Today(const SearchServices& services) {
  return services.today ? services.today() : CalendarDate{0, 0, 0};
}

}  // namespace

void RunSearch(const SearchRequest& request, SearchRunSink& sink, const SearchServices& services) {
  const double first = TextToNumber(request.first_page_text);
  const double last = TextToNumber(request.last_page_text);
  // From the numbers as typed, fractions included, truncated once at the end:
  // 1.9 to 2.5 gives 70, not the 88 that the two pages scanned would suggest.
  sink.BeginProgress(TruncateToInt((last - first + 1) * kItemsPerPage));

  const ByteText base = BuildSearchAddress(request, Today(services), services.search_host);
  bool found = false;
  // The page counter is wider than a page number, so that a range ending at
  // the largest Integer still ends.
  const std::int64_t from_page = TruncateToInt(first);
  const std::int64_t to_page = TruncateToInt(last);
  const auto advance = [&sink] { sink.AdvanceProgress(); };
  for (std::int64_t page = from_page; page <= to_page; ++page) {
    const int page_number = static_cast<int>(page);
    const ByteText address = PageAddress(base, page_number);
    const ByteText page_text = TextFromBlock(Fetch(services, address));
    const PageScanResult scan =
        ScanResultPage(page_text, request.target1, request.target2, advance);
    if (!scan.found) continue;

    found = true;
    sink.ShowFound(page_number, scan.position, address);
    sink.ShowPicture(Fetch(services, scan.picture_address));
    sink.ShowPrice(scan.price);
    sink.ShowBrowserButtons();
    break;
  }
  sink.FinishRun(found);
}

}  // namespace taoci

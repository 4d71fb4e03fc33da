// Arbitrary pages and keywords for the result-page scan. Besides running
// clean under the sanitizers, every result must keep the scan's own promises
// and equal what the literal SplitText-and-FindText scan gives.
//
// Input: target1, a zero byte, target2, a zero byte, then the page. So that
// whole markers come up often, the bytes 01 to 04 anywhere stand for the
// item-block marker, the picture marker, "<strong>" and "</strong>".
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "search/result_page_scan.h"
#include "tests/search/plain_page_scan.h"

namespace {

std::string Expand(std::string_view raw) {
  std::string out;
  for (const char c : raw) {
    switch (c) {
      case '\x01':
        out += "<div class=\"item-box st-itembox\">";
        break;
      case '\x02':
        out += "<img data-ks-lazyload=\"";
        break;
      case '\x03':
        out += "<strong>";
        break;
      case '\x04':
        out += "</strong>";
        break;
      default:
        out.push_back(c);
    }
  }
  return out;
}

void Require(bool promise) {
  if (!promise) std::abort();
}

bool IsPartOf(std::string_view part, std::string_view whole) {
  return part.empty() || whole.find(part) != std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t first_end = input.find('\0');
  if (first_end == std::string_view::npos) return 0;
  const std::size_t second_end = input.find('\0', first_end + 1);
  if (second_end == std::string_view::npos) return 0;
  const std::string target1 = Expand(input.substr(0, first_end));
  const std::string target2 = Expand(input.substr(first_end + 1, second_end - first_end - 1));
  // A text ends at a zero byte, so the page is what comes before the next one.
  const taoci::ByteText page(Expand(input.substr(second_end + 1)));

  int hook_calls = 0;
  const taoci::PageScanResult scan = taoci::ScanResultPage(
      page, taoci::ByteText(target1), taoci::ByteText(target2), [&hook_calls] { ++hook_calls; });

  const std::string page_bytes(page.bytes());
  const auto blocks = static_cast<int>(
      taoci::plain::SplitText(page_bytes, "<div class=\"item-box st-itembox\">").size());
  Require(scan.items_examined == hook_calls);
  if (scan.found) {
    Require(1 <= scan.position && scan.position == scan.items_examined &&
            scan.items_examined <= blocks - 1);
    const std::string block = taoci::plain::SplitText(
        page_bytes, "<div class=\"item-box st-itembox\">")[static_cast<std::size_t>(scan.position)];
    Require(IsPartOf(scan.picture_address.bytes(), block));
    Require(IsPartOf(scan.price.bytes(), block));
  } else {
    Require(scan.position == 0 && scan.picture_address.empty() && scan.price.empty());
    Require(scan.items_examined == 0 || scan.items_examined == blocks - 1);
  }

  const taoci::plain::PageScan literal = taoci::plain::ScanResultPage(page_bytes, target1, target2);
  Require(literal == taoci::plain::PageScan{scan.found, scan.position, scan.items_examined,
                                            std::string(scan.picture_address.bytes()),
                                            std::string(scan.price.bytes())});
  return 0;
}

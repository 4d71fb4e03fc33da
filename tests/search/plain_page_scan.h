// The result-page scan written out literally on top of the literal text
// rules: SplitText into pieces, FindText in each. The fast scan in search/
// is checked against it, in the tests and in the fuzzer.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tests/text/plain_text_rules.h"

namespace taoci::plain {

struct PageScan {
  bool found = false;
  int position = 0;
  int items_examined = 0;
  std::string picture_address;
  std::string price;

  friend bool operator==(const PageScan&, const PageScan&) = default;
};

// Piece 1 of SplitText(piece 2 of SplitText(block, start), stop), or empty
// when either list is too short.
inline std::string PieceBehind(std::string_view block, std::string_view start,
                               std::string_view stop) {
  const std::vector<std::string> outer = SplitText(block, start);
  if (outer.size() < 2) return {};
  const std::vector<std::string> inner = SplitText(outer[1], stop);
  return inner.empty() ? std::string() : inner[0];
}

inline PageScan ScanResultPage(std::string_view page, std::string_view target1,
                               std::string_view target2) {
  constexpr std::string_view kItemBlock = "<div class=\"item-box st-itembox\">";
  PageScan scan;
  if (target1.empty() && target2.empty()) return scan;
  if (!(FindText(page, target1) >= 1 || FindText(page, target2) >= 1)) return scan;
  if (FindText(page, kItemBlock) < 1) return scan;
  const std::vector<std::string> pieces = SplitText(page, kItemBlock);
  for (std::size_t k = 1; k < pieces.size(); ++k) {
    ++scan.items_examined;
    const std::string& block = pieces[k];
    if (FindText(block, target1) >= 1 && FindText(block, target2) >= 1) {
      scan.found = true;
      scan.position = scan.items_examined;
      scan.picture_address = PieceBehind(block, "<img data-ks-lazyload=\"", "\"");
      scan.price = PieceBehind(block, "<strong>", "</strong>");
      return scan;
    }
  }
  return scan;
}

}  // namespace taoci::plain

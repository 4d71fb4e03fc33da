// The scan of one result page for the target item: the page is cut into item
// blocks at the item-block marker, and the first block holding both target
// keywords is the item. Its picture address and price come out of that block.
#pragma once

#include <functional>

#include "text/byte_text.h"

namespace taoci {

struct PageScanResult {
  bool found;
  int position;        // number of the matching item block, from 1; 0 when not found
  int items_examined;  // item blocks examined, which is the number of hook calls
  ByteText picture_address;
  ByteText price;
};

// Runs on the caller's thread and keeps nothing between calls. `item_hook`,
// when not empty, is called once before each item block is tested, the
// matching block included; a page that fails the page test (no keyword
// given, neither keyword on the page, or no item block marker) calls it never.
PageScanResult ScanResultPage(const ByteText& page, const ByteText& target1,
                              const ByteText& target2, const std::function<void()>& item_hook);

}  // namespace taoci

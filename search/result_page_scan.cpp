#include "search/result_page_scan.h"

#include <cstddef>
#include <string_view>

#include "search/result_page_markers.h"
#include "text/char_start_search.h"

// The scan gives exactly what cutting the page with SplitText and testing
// each piece with FindText gives, without copying a single piece: it walks
// the page once for the markers and once for each keyword.
//
// That is sound because every marker is ASCII. Behind an ASCII marker a new
// character always begins, so an item block's character starts are the
// page's own, and a keyword occurrence found searching from one block's start
// is still the first occurrence seen from any later block start that lies in
// front of it. Each keyword's next occurrence is therefore searched for once
// and remembered until the blocks have passed it.

namespace taoci {
namespace {

class KeywordCursor {
 public:
  KeywordCursor(std::string_view page, std::string_view keyword) : page_(page), keyword_(keyword) {}

  // Whether FindText over page bytes [begin, end) alone would find the
  // keyword. `begin` must begin a character of the page and must not
  // decrease from one call to the next.
  bool OccursIn(std::size_t begin, std::size_t end) {
    // An empty keyword is found in any non-empty text.
    if (keyword_.empty()) return end > begin;
    if (!searched_ || (next_ != kNoMatch && next_ < begin)) {
      const std::size_t at = FindAtCharStart(page_.substr(begin), keyword_);
      next_ = at == kNoMatch ? kNoMatch : begin + at;
      searched_ = true;
    }
    return next_ != kNoMatch && next_ + keyword_.size() <= end;
  }

 private:
  std::string_view page_;
  std::string_view keyword_;
  bool searched_ = false;
  std::size_t next_ = kNoMatch;
};

// The text behind the first `start` in `block`, up to a second `start` or
// the end of the block, and in that up to the first `stop`: piece 1 of
// SplitText(piece 2 of SplitText(block, start), stop). Empty when the block
// has no `start` or nothing behind it.
std::string_view TextBehind(std::string_view block, std::string_view start, std::string_view stop) {
  const std::size_t at = FindAtCharStart(block, start);
  if (at == kNoMatch) return {};
  std::string_view behind = block.substr(at + start.size());
  const std::size_t again = FindAtCharStart(behind, start);
  if (again != kNoMatch) behind = behind.substr(0, again);
  const std::size_t stop_at = FindAtCharStart(behind, stop);
  if (stop_at != kNoMatch) behind = behind.substr(0, stop_at);
  return behind;
}

ByteText CopyOf(const ByteText& page, std::string_view part) {
  if (part.empty()) return ByteText();
  return page.Slice(static_cast<std::size_t>(part.data() - page.bytes().data()), part.size());
}

}  // namespace

PageScanResult ScanResultPage(const ByteText& page, const ByteText& target1,
                              const ByteText& target2, const std::function<void()>& item_hook) {
  PageScanResult result{false, 0, 0, ByteText(), ByteText()};
  const std::string_view text = page.bytes();

  // The page test, in its order; the second keyword is looked for only when
  // the first is missing.
  if (target1.empty() && target2.empty()) return result;
  KeywordCursor first(text, target1.bytes());
  KeywordCursor second(text, target2.bytes());
  if (!first.OccursIn(0, text.size()) && !second.OccursIn(0, text.size())) return result;
  std::size_t marker = FindAtCharStart(text, kItemBlockMarker);
  if (marker == kNoMatch) return result;

  int examined = 0;
  for (;;) {
    const std::size_t begin = marker + kItemBlockMarker.size();
    std::size_t next = FindAtCharStart(text.substr(begin), kItemBlockMarker);
    if (next != kNoMatch) next += begin;
    // A marker that ends the page has no item block behind it.
    if (next == kNoMatch && begin == text.size()) break;
    const std::size_t end = next == kNoMatch ? text.size() : next;

    ++examined;
    if (item_hook) item_hook();
    if (first.OccursIn(begin, end) && second.OccursIn(begin, end)) {
      const std::string_view block = text.substr(begin, end - begin);
      result.found = true;
      result.position = examined;
      result.items_examined = examined;
      result.picture_address = CopyOf(page, TextBehind(block, kPictureMarker, kPictureEnd));
      result.price = CopyOf(page, TextBehind(block, kPriceStart, kPriceEnd));
      return result;
    }
    if (next == kNoMatch) break;
    marker = next;
  }
  result.items_examined = examined;
  return result;
}

}  // namespace taoci

#include "tests/search/canned_marketplace.h"

#include <utility>

namespace taoci::fixtures {

void CannedMarketplace::Serve(const ByteText& address, std::string body) {
  std::lock_guard lock(mutex_);
  bodies_[std::string(address.bytes())] = std::move(body);
}

ByteBlock CannedMarketplace::Fetch(const ByteText& address) {
  std::lock_guard lock(mutex_);
  fetched_.emplace_back(address.bytes());
  const auto body = bodies_.find(std::string(address.bytes()));
  return body == bodies_.end() ? ByteBlock() : ByteBlock(body->second);
}

std::vector<std::string> CannedMarketplace::Fetched() const {
  std::lock_guard lock(mutex_);
  return fetched_;
}

std::string SmallResultPage(int blocks, int match, const std::string& picture_address) {
  std::string page = "<html><head><title>kw</title></head><body>";
  for (int k = 1; k <= blocks; ++k) {
    page += "<div class=\"item-box st-itembox\">";
    if (k == match) {
      page += "<img data-ks-lazyload=\"" + picture_address +
              "\" src=\"e.gif\"><strong>9.90</strong><a>kw</a><span>shop</span>";
    } else {
      page += "<img data-ks-lazyload=\"http://pic/other.jpg\"><strong>1.00</strong>kw other";
    }
  }
  return page + "</body></html>";
}

}  // namespace taoci::fixtures

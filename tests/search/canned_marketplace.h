// A fetch for the search run that answers from a table of canned bodies and
// writes down every address it was asked for. An address not in the table
// gets the empty block, as a failed fetch does.
#pragma once

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "search/search_run.h"

namespace taoci::fixtures {

class CannedMarketplace {
 public:
  void Serve(const ByteText& address, std::string body);
  ByteBlock Fetch(const ByteText& address);
  std::vector<std::string> Fetched() const;

 private:
  mutable std::mutex mutex_;
  std::map<std::string, std::string> bodies_;
  std::vector<std::string> fetched_;
};

// A small result page: a head, `blocks` item blocks, and at block `match`
// (none when 0) the two keywords "kw" and "shop" with a picture and a price.
std::string SmallResultPage(int blocks, int match,
                            const std::string& picture_address = "http://pic/1.jpg");

}  // namespace taoci::fixtures

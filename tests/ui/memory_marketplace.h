// The marketplace for window tests, served from memory: realistic result
// pages written by tools/gen_result_page.py into the build tree and an item
// picture, handed to the window's runs as their fetch. Nothing touches the
// network. A test can hold a page's fetch until it lets it go, to look at the
// window while a run is at work.
#pragma once

#include <windows.h>

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "search/search_run.h"

namespace taoci::test {

// A file of the generated test data (pages, descriptions, the picture).
std::string ReadTestData(const std::string& name);
// name=value lines, values as GBK bytes.
std::map<std::string, std::string> ReadDescription(const std::string& name);

// The page a result-page address asks for, from its "&s=" offset: offset
// / 44 + 1. 0 for an address that is no result page.
int PageOfAddress(const ByteText& address);

class MemoryMarketplace : public std::enable_shared_from_this<MemoryMarketplace> {
 public:
  // Pages `folder`/page-001.html to page-`count`; every other address that
  // is no result page gets `picture`. A page beyond `count` is empty, as a
  // failed fetch is.
  static std::shared_ptr<MemoryMarketplace> FromGeneratedRun(const std::string& folder, int count,
                                                             std::string picture);

  // For the window's runs: this fetch and a fixed date. The services keep
  // the marketplace alive as long as a run holds them.
  SearchServices Services();

  // Any thread.
  ByteBlock Fetch(const ByteText& address);
  std::vector<int> fetched_pages() const;
  std::vector<ByteText> fetched_addresses() const;  // result pages only
  int picture_fetches() const;

  // The next fetch of `page` waits until Release; `held()` tells when a run
  // is waiting there, and held_thread() which thread it is.
  void HoldPage(int page);
  // The same for the next picture fetch.
  void HoldPicture();
  bool held() const;
  DWORD held_thread() const;
  void Release();

 private:
  std::vector<std::string> pages_;
  std::string picture_;
  mutable std::mutex mutex_;
  std::condition_variable released_;
  std::vector<int> fetched_pages_;
  std::vector<ByteText> fetched_addresses_;
  int picture_fetches_ = 0;
  int hold_page_ = 0;
  bool hold_picture_ = false;
  bool held_ = false;
  bool release_ = false;
  DWORD held_thread_ = 0;
};

}  // namespace taoci::test

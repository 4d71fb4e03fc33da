#include "tests/ui/memory_marketplace.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "search/search_request.h"

namespace taoci::test {

std::string ReadTestData(const std::string& name) {
  const std::string path = std::string(TAOCI_UI_TEST_DATA) + "/" + name;
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in.good()) << "cannot read " << path;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::map<std::string, std::string> ReadDescription(const std::string& name) {
  std::map<std::string, std::string> description;
  std::istringstream lines(ReadTestData(name));
  for (std::string line; std::getline(lines, line);) {
    const std::size_t equals = line.find('=');
    if (equals != std::string::npos) description[line.substr(0, equals)] = line.substr(equals + 1);
  }
  return description;
}

int PageOfAddress(const ByteText& address) {
  const std::string_view text = address.bytes();
  if (text.find("/search?") == std::string_view::npos) return 0;
  const std::size_t at = text.rfind("&s=");
  if (at == std::string_view::npos) return 0;
  const long offset = std::strtol(std::string(text.substr(at + 3)).c_str(), nullptr, 10);
  return static_cast<int>(offset / kItemsPerPage + 1);
}

std::shared_ptr<MemoryMarketplace> MemoryMarketplace::FromGeneratedRun(const std::string& folder,
                                                                       int count,
                                                                       std::string picture) {
  auto marketplace = std::make_shared<MemoryMarketplace>();
  for (int page = 1; page <= count; ++page) {
    char name[64];
    std::snprintf(name, sizeof name, "/page-%03d.html", page);
    marketplace->pages_.push_back(ReadTestData(folder + name));
  }
  marketplace->picture_ = std::move(picture);
  return marketplace;
}

SearchServices MemoryMarketplace::Services() {
  SearchServices services;
  std::shared_ptr<MemoryMarketplace> self = shared_from_this();
  services.fetch = [self](const ByteText& address) { return self->Fetch(address); };
  services.today = [] { return CalendarDate{2014, 10, 20}; };
  return services;
}

ByteBlock MemoryMarketplace::Fetch(const ByteText& address) {
  const int page = PageOfAddress(address);
  std::unique_lock<std::mutex> lock(mutex_);
  if (page == 0) {
    ++picture_fetches_;
  } else {
    fetched_pages_.push_back(page);
    fetched_addresses_.push_back(address);
  }
  if ((page != 0 && page == hold_page_) || (page == 0 && hold_picture_)) {
    hold_page_ = 0;
    hold_picture_ = false;
    held_ = true;
    held_thread_ = GetCurrentThreadId();
    released_.wait(lock, [this] { return release_; });
    held_ = false;
  }
  if (page == 0) return ByteBlock(picture_);
  if (page < 1 || page > static_cast<int>(pages_.size())) return ByteBlock();
  return ByteBlock(pages_[static_cast<std::size_t>(page - 1)]);
}

std::vector<int> MemoryMarketplace::fetched_pages() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return fetched_pages_;
}

std::vector<ByteText> MemoryMarketplace::fetched_addresses() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return fetched_addresses_;
}

int MemoryMarketplace::picture_fetches() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return picture_fetches_;
}

void MemoryMarketplace::HoldPage(int page) {
  std::lock_guard<std::mutex> lock(mutex_);
  hold_page_ = page;
  release_ = false;
}

void MemoryMarketplace::HoldPicture() {
  std::lock_guard<std::mutex> lock(mutex_);
  hold_picture_ = true;
  release_ = false;
}

bool MemoryMarketplace::held() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return held_;
}

DWORD MemoryMarketplace::held_thread() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return held_thread_;
}

void MemoryMarketplace::Release() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    release_ = true;
  }
  released_.notify_all();
}

}  // namespace taoci::test

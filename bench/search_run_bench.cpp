// A whole run over 100 canned realistic pages without the item, beside the
// scans of the same 100 pages alone: what the run adds to its scans (the
// page addresses, the copies a fetch makes, the text conversion).
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

#include "bench/bench_pages.h"
#include "search/result_page_scan.h"
#include "search/search_run.h"
#include "text/text_ops.h"

namespace taoci::bench {
namespace {

class CountingSink : public SearchRunSink {
 public:
  void BeginProgress(int) override {}
  void AdvanceProgress() override { ++advances; }
  void ShowFound(int, int, const ByteText&) override {}
  void ShowPicture(const ByteBlock&) override {}
  void ShowPrice(const ByteText&) override {}
  void ShowBrowserButtons() override {}
  void FinishRun(bool) override {}
  long advances = 0;
};

SearchRequest Request() {
  SearchRequest request;
  request.keyword = "\xB2\xE8\xBE\xDF";
  request.target1 = ByteText(Pages().target.at("target1"));
  request.target2 = ByteText(Pages().target.at("target2"));
  request.first_page_text = "1";
  request.last_page_text = "100";
  return request;
}

constexpr CalendarDate kDate{2014, 10, 20};

// The canned marketplace: each page's body under its address.
std::map<std::string, ByteBlock> Served(const SearchRequest& request) {
  const ByteText base = BuildSearchAddress(request, kDate);
  std::map<std::string, ByteBlock> served;
  for (int page = 1; page <= 100; ++page) {
    served[std::string(PageAddress(base, page).bytes())] =
        ByteBlock(Pages().run[static_cast<std::size_t>(page) - 1].bytes());
  }
  return served;
}

// Like a real fetch, the canned one hands out a block of its own.
ByteBlock Fetch(const std::map<std::string, ByteBlock>& served, const ByteText& address) {
  const auto body = served.find(std::string(address.bytes()));
  return body == served.end() ? ByteBlock() : body->second;
}

void RunSearchOver100Pages(benchmark::State& state) {
  const SearchRequest request = Request();
  const std::map<std::string, ByteBlock> served = Served(request);
  SearchServices services;
  services.fetch = [&served](const ByteText& address) { return Fetch(served, address); };
  services.today = [] { return kDate; };
  CountingSink sink;
  for (auto _ : state) RunSearch(request, sink, services);
  state.counters["pages/s"] = benchmark::Counter(100.0 * static_cast<double>(state.iterations()),
                                                 benchmark::Counter::kIsRate);
  state.counters["advances/run"] =
      static_cast<double>(sink.advances) / static_cast<double>(state.iterations());
}

void ScanSame100Pages(benchmark::State& state) {
  const SearchRequest request = Request();
  long advances = 0;
  const std::function<void()> hook = [&advances] { ++advances; };
  for (auto _ : state) {
    for (const ByteText& page : Pages().run) {
      benchmark::DoNotOptimize(ScanResultPage(page, request.target1, request.target2, hook));
    }
  }
  state.counters["pages/s"] = benchmark::Counter(100.0 * static_cast<double>(state.iterations()),
                                                 benchmark::Counter::kIsRate);
}

// The same fetches and scans without the run around them: the run's own
// share is what RunSearchOver100Pages costs beyond this.
void FetchAndScanSame100Pages(benchmark::State& state) {
  const SearchRequest request = Request();
  const std::map<std::string, ByteBlock> served = Served(request);
  const ByteText base = BuildSearchAddress(request, kDate);
  std::vector<ByteText> addresses;
  for (int page = 1; page <= 100; ++page) addresses.push_back(PageAddress(base, page));
  long advances = 0;
  const std::function<void()> hook = [&advances] { ++advances; };
  for (auto _ : state) {
    for (const ByteText& address : addresses) {
      const ByteText page = TextFromBlock(Fetch(served, address));
      benchmark::DoNotOptimize(ScanResultPage(page, request.target1, request.target2, hook));
    }
  }
  state.counters["pages/s"] = benchmark::Counter(100.0 * static_cast<double>(state.iterations()),
                                                 benchmark::Counter::kIsRate);
}

BENCHMARK(RunSearchOver100Pages)->Unit(benchmark::kMillisecond);
BENCHMARK(FetchAndScanSame100Pages)->Unit(benchmark::kMillisecond);
BENCHMARK(ScanSame100Pages)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace taoci::bench

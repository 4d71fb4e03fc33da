// What a search run costs over the fetches it makes: a 100-page run through
// the real web fetch against the loopback test server, item absent, timed
// against the same 100 fetches made alone, both in this one process so that
// the machine's speed of the moment cancels out. Each round times both, the
// one that goes first changing from round to round, and each side's median
// is taken: the cores are shared, and a single round is at their mercy. Run through tools/with_test_server.py
// with --marketplace holding 100 generated pages (tools/run-wine-bench.sh).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "net/web_fetch.h"
#include "search/result_page_scan.h"
#include "search/search_run.h"
#include "tests/net/test_server.h"
#include "text/text_ops.h"

namespace taoci {
namespace {

constexpr int kPages = 100;
constexpr int kRounds = 11;
constexpr CalendarDate kDate{2014, 10, 20};

// Counts what the run reports and keeps nothing else, so the sink costs as
// little as the run lets it.
class CountingSink : public SearchRunSink {
 public:
  void BeginProgress(int) override {}
  void AdvanceProgress() override { ++advances; }
  void ShowFound(int, int, const ByteText&) override { found = true; }
  void ShowPicture(const ByteBlock&) override {}
  void ShowPrice(const ByteText&) override {}
  void ShowBrowserButtons() override {}
  void FinishRun(bool) override { finished = true; }

  long long advances = 0;
  bool found = false;
  bool finished = false;
};

double Seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

int Main() {
  const test::TestServer server;
  if (!server.available()) {
    std::fprintf(stderr, "no test server: run through tools/with_test_server.py\n");
    return 2;
  }
  SearchRequest request;
  request.keyword = "\xB2\xE8\xBE\xDF";  // the generated pages' search word
  request.target1 = "\xC8\xEA\xD2\xA4\xCC\xEC\xC7\xE0";              // its target word
  request.target2 = "\xBE\xB0\xB5\xC2\xD5\xF2\xB4\xC9\xD4\xCF\xD0\xF9";  // its target shop
  request.first_page_text = "1";
  request.last_page_text = ByteText(std::to_string(kPages));
  const ByteText host("127.0.0.1:" + std::to_string(server.port()));
  const ByteText base = BuildSearchAddress(request, kDate, host);
  std::vector<ByteText> addresses;
  for (int page = 1; page <= kPages; ++page) addresses.push_back(PageAddress(base, page));

  SearchServices services;
  services.fetch = [](const ByteText& address) { return WebFetch(address); };
  services.today = [] { return kDate; };
  services.search_host = host;

  // The bodies once more, held in memory, for the third figure: the run's
  // own work without the network.
  std::vector<ByteBlock> bodies;
  for (const ByteText& address : addresses) bodies.push_back(WebFetch(address));

  std::vector<double> scan_times;
  std::vector<double> fetch_times;
  std::vector<double> run_times;
  long long bytes = 0;
  auto time_fetches = [&] {
    const auto start = std::chrono::steady_clock::now();
    long long round_bytes = 0;
    for (const ByteText& address : addresses) {
      round_bytes += static_cast<long long>(WebFetch(address).view().size());
    }
    fetch_times.push_back(Seconds(std::chrono::steady_clock::now() - start));
    bytes = round_bytes;
  };
  auto time_run = [&] {
    CountingSink sink;
    const auto start = std::chrono::steady_clock::now();
    RunSearch(request, sink, services);
    run_times.push_back(Seconds(std::chrono::steady_clock::now() - start));
    // A run that found something, or scanned less than every block, would
    // not be the 100-page run this measures.
    return sink.finished && !sink.found && sink.advances == 44LL * kPages;
  };
  long long scanned_blocks = 0;
  auto time_scan = [&] {
    long long blocks = 0;
    const auto start = std::chrono::steady_clock::now();
    for (const ByteBlock& body : bodies) {
      const PageScanResult scan =
          ScanResultPage(TextFromBlock(body), request.target1, request.target2, [&] { ++blocks; });
      if (scan.found) blocks = -1'000'000;
    }
    scan_times.push_back(Seconds(std::chrono::steady_clock::now() - start));
    scanned_blocks = blocks;
  };
  for (int round = 0; round < kRounds; ++round) {
    time_scan();
    bool full_run = true;
    if (round % 2 == 0) {
      time_fetches();
      full_run = time_run();
    } else {
      full_run = time_run();
      time_fetches();
    }
    if (!full_run) {
      std::fprintf(stderr, "the run was not a full %d-page run without a find\n", kPages);
      return 1;
    }
  }
  if (scanned_blocks != 44LL * kPages) {
    std::fprintf(stderr, "the pages alone did not scan as %d pages without a find\n", kPages);
    return 1;
  }
  if (bytes < 100LL * kPages * 1024) {
    std::fprintf(stderr, "the fetches brought only %lld bytes: is the marketplace served?\n",
                 bytes);
    return 1;
  }

  const double fetches = Median(fetch_times);
  const double run = Median(run_times);
  const double scans = Median(scan_times);
  std::printf("search run against the test server, %d pages (%.1f MB), median of %d rounds\n",
              kPages, static_cast<double>(bytes) / 1e6, kRounds);
  std::printf("  %d fetches alone: %8.3f s  (%.1f pages/s)\n", kPages, fetches, kPages / fetches);
  std::printf("  the whole run:    %8.3f s  (%.1f pages/s)\n", run, kPages / run);
  std::printf("  the scans alone:  %8.3f s  (the same pages from memory)\n", scans);
  std::printf("  run / fetches:    %8.3f  (aim: at most 1.10)\n", run / fetches);
  std::printf("  (fetches + scans) / fetches: %.3f\n", (fetches + scans) / fetches);
  return 0;
}

}  // namespace
}  // namespace taoci

int main() { return taoci::Main(); }

// ScanResultPage over a realistic page, beside one memmem pass over it.
#include <benchmark/benchmark.h>

#include <string_view>

#include "bench/bench_pages.h"
#include "bench/memmem_pass.h"
#include "search/result_page_scan.h"

namespace taoci::bench {
namespace {

void Scan(benchmark::State& state, const ByteText& page, int expected_position) {
  const ByteText target1(Pages().target.at("target1"));
  const ByteText target2(Pages().target.at("target2"));
  int hook_calls = 0;
  const std::function<void()> hook = [&hook_calls] { ++hook_calls; };
  if (ScanResultPage(page, target1, target2, hook).position != expected_position) {
    state.SkipWithError("the item is not where the page has it");
  }
  for (auto _ : state) benchmark::DoNotOptimize(ScanResultPage(page, target1, target2, hook));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(page.size()));
}

void ScanItemAt44(benchmark::State& state) { Scan(state, Pages().at_44, 44); }
void ScanItemAbsent(benchmark::State& state) { Scan(state, Pages().absent, 0); }

void MemmemPassOverPage(benchmark::State& state) {
  const std::string_view page = Pages().at_44.bytes();
  for (auto _ : state) {
    benchmark::DoNotOptimize(MemmemPass(page, "<div class=\"item-box st-itembox\">"));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(page.size()));
}

BENCHMARK(ScanItemAt44);
BENCHMARK(ScanItemAbsent);
BENCHMARK(MemmemPassOverPage);

}  // namespace
}  // namespace taoci::bench

// FindText and SplitText over a realistic page, each beside memmem over the
// same bytes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "bench/bench_pages.h"
#include "bench/memmem_pass.h"
#include "text/text_ops.h"

namespace taoci::bench {
namespace {

constexpr std::string_view kItemBlockMarker = "<div class=\"item-box st-itembox\">";
// Markup of the same kind that the page does not hold.
constexpr std::string_view kAbsentMarker = "<div class=\"item-box st-adbox\">";

// The two-byte sequence, lead byte first, that occurs most often in the page
// and only ever at second-byte positions: FindText must reject every one.
std::string SecondByteOnlyPair(std::string_view page) {
  std::map<std::string, int> at_second_byte;
  std::map<std::string, int> at_start;
  for (std::size_t p = 0; p + 1 < page.size();) {
    const auto b = static_cast<unsigned char>(page[p]);
    if (b >= 0x80) {
      at_start[std::string(page.substr(p, 2))]++;
      if (p + 2 < page.size() && static_cast<unsigned char>(page[p + 1]) >= 0x80) {
        at_second_byte[std::string(page.substr(p + 1, 2))]++;
      }
      p += 2;
    } else {
      p += 1;
    }
  }
  std::pair<std::string, int> best{"", 0};
  for (const auto& [pair, count] : at_second_byte) {
    if (at_start.count(pair) == 0 && count > best.second) best = {pair, count};
  }
  if (best.second == 0) {
    std::fprintf(stderr, "the page has no pair that occurs only at second bytes\n");
    std::exit(1);
  }
  return best.first;
}

const std::string& SecondBytePair() {
  static const std::string pair = SecondByteOnlyPair(Pages().at_44.bytes());
  return pair;
}

void SetBytes(benchmark::State& state, std::size_t bytes) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(bytes));
}

void FindTextAbsentMarker(benchmark::State& state) {
  const ByteText& page = Pages().at_44;
  const ByteText sought(kAbsentMarker);
  for (auto _ : state) benchmark::DoNotOptimize(FindText(page, sought));
  SetBytes(state, page.size());
}

void MemmemAbsentMarker(benchmark::State& state) {
  const std::string_view page = Pages().at_44.bytes();
  for (auto _ : state) benchmark::DoNotOptimize(MemmemPass(page, kAbsentMarker));
  SetBytes(state, page.size());
}

void FindTextSecondBytePair(benchmark::State& state) {
  const ByteText& page = Pages().at_44;
  const ByteText sought(SecondBytePair());
  if (FindText(page, sought) != -1) state.SkipWithError("the pair was found at a start");
  for (auto _ : state) benchmark::DoNotOptimize(FindText(page, sought));
  SetBytes(state, page.size());
  state.counters["occurrences"] = static_cast<double>(MemmemPass(page.bytes(), SecondBytePair()));
}

void MemmemSecondBytePair(benchmark::State& state) {
  const std::string_view page = Pages().at_44.bytes();
  for (auto _ : state) benchmark::DoNotOptimize(MemmemPass(page, SecondBytePair()));
  SetBytes(state, page.size());
}

void SplitTextItemMarker(benchmark::State& state) {
  const ByteText& page = Pages().at_44;
  const ByteText marker(kItemBlockMarker);
  for (auto _ : state) benchmark::DoNotOptimize(SplitText(page, marker));
  SetBytes(state, page.size());
}

void MemmemItemMarker(benchmark::State& state) {
  const std::string_view page = Pages().at_44.bytes();
  for (auto _ : state) benchmark::DoNotOptimize(MemmemPass(page, kItemBlockMarker));
  SetBytes(state, page.size());
}

BENCHMARK(FindTextAbsentMarker);
BENCHMARK(MemmemAbsentMarker);
BENCHMARK(FindTextSecondBytePair);
BENCHMARK(MemmemSecondBytePair);
BENCHMARK(SplitTextItemMarker);
BENCHMARK(MemmemItemMarker);

}  // namespace
}  // namespace taoci::bench

// Runs the benchmarks, then prints each subject's time against its baseline
// measured in the same run.
#include <benchmark/benchmark.h>

#include "bench/ratio_reporter.h"

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  taoci::bench::RatioReporter reporter({
      {"FindTextAbsentMarker", "MemmemAbsentMarker"},
      {"FindTextSecondBytePair", "MemmemSecondBytePair"},
      {"SplitTextItemMarker", "MemmemItemMarker"},
      {"ScanItemAt44", "MemmemPassOverPage"},
      {"ScanItemAbsent", "MemmemPassOverPage"},
      {"RunSearchOver100Pages", "ScanSame100Pages"},
      {"RunSearchOver100Pages", "FetchAndScanSame100Pages"},
  });
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}

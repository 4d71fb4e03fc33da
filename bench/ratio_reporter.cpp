#include "bench/ratio_reporter.h"

#include <cstdio>

namespace taoci::bench {

RatioReporter::RatioReporter(std::vector<std::pair<std::string, std::string>> pairs)
    : pairs_(std::move(pairs)) {}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    if (run.error_occurred) continue;
    // With --benchmark_repetitions the median stands for the benchmark.
    const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
    if (run.run_type != Run::RT_Iteration && !median) continue;
    seconds_[run.run_name.str()] =
        run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
  }
  ConsoleReporter::ReportRuns(runs);
}

void RatioReporter::PrintRatios() const {
  std::printf("\n%-44s %-30s %s\n", "subject", "baseline", "time / baseline time");
  for (const auto& [subject, baseline] : pairs_) {
    const auto s = seconds_.find(subject);
    const auto b = seconds_.find(baseline);
    if (s == seconds_.end() || b == seconds_.end() || b->second <= 0) continue;
    std::printf("%-44s %-30s %.2f\n", subject.c_str(), baseline.c_str(), s->second / b->second);
  }
}

}  // namespace taoci::bench

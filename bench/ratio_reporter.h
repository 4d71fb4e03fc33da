// Console output as usual, and afterwards each measured subject's time as a
// multiple of its baseline's, both measured in this same run. CPU time, not
// wall time: the machine is shared, and another process's turn on the core
// is no cost of ours.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace taoci::bench {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  // Pairs of benchmark names: subject, baseline.
  explicit RatioReporter(std::vector<std::pair<std::string, std::string>> pairs);

  void ReportRuns(const std::vector<Run>& runs) override;
  void PrintRatios() const;

 private:
  std::vector<std::pair<std::string, std::string>> pairs_;
  std::map<std::string, double> seconds_;  // CPU time per iteration
};

}  // namespace taoci::bench

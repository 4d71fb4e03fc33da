// The generated pages the benchmarks run over, read once.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "text/byte_text.h"

namespace taoci::bench {

struct BenchPages {
  ByteText at_44;                             // the item at place 44 of 44
  ByteText absent;                            // the item's keywords occur, apart, but not the item
  std::vector<ByteText> run;                  // 100 pages without the item
  std::map<std::string, std::string> target;  // target1, target2 of all of them
};

const BenchPages& Pages();

}  // namespace taoci::bench

#include "bench/bench_pages.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace taoci::bench {
namespace {

std::string Read(const std::string& name) {
  const std::string path = std::string(TAOCI_BENCH_PAGES) + "/" + name;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", path.c_str());
    std::exit(1);
  }
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

BenchPages Load() {
  BenchPages pages;
  pages.at_44 = ByteText(Read("at-44.html"));
  pages.absent = ByteText(Read("absent.html"));
  for (int n = 1; n <= 100; ++n) {
    char name[32];
    std::snprintf(name, sizeof name, "run/page-%03d.html", n);
    pages.run.emplace_back(Read(name));
  }
  std::istringstream lines(Read("at-44.txt"));
  for (std::string line; std::getline(lines, line);) {
    const std::size_t equals = line.find('=');
    if (equals != std::string::npos) pages.target[line.substr(0, equals)] = line.substr(equals + 1);
  }
  return pages;
}

}  // namespace

const BenchPages& Pages() {
  static const BenchPages pages = Load();
  return pages;
}

}  // namespace taoci::bench

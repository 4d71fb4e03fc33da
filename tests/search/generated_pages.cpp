#include "tests/search/generated_pages.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

namespace taoci::fixtures {

std::string ReadGeneratedFile(const std::string& name) {
  const std::string path = std::string(TAOCI_GENERATED_PAGES) + "/" + name;
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in.good()) << "cannot read " << path;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::map<std::string, std::string> ReadDescription(const std::string& name) {
  std::map<std::string, std::string> description;
  std::istringstream lines(ReadGeneratedFile(name));
  for (std::string line; std::getline(lines, line);) {
    const std::size_t equals = line.find('=');
    if (equals != std::string::npos) description[line.substr(0, equals)] = line.substr(equals + 1);
  }
  return description;
}

}  // namespace taoci::fixtures

// Reading the realistic result pages that tools/gen_result_page.py writes
// into the build tree before these tests run.
#pragma once

#include <map>
#include <string>

namespace taoci::fixtures {

// The bytes of a file in the generated-pages folder; fails the current test
// when it cannot be read.
std::string ReadGeneratedFile(const std::string& name);

// A description file: name=value lines, values as GBK bytes.
std::map<std::string, std::string> ReadDescription(const std::string& name);

}  // namespace taoci::fixtures

// The picture files of tests/image/data, compiled into the test program.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "text/byte_block.h"

namespace taoci::test {

struct EmbeddedFixture {
  std::string_view name;
  std::string_view bytes;
};

// Every fixture, in name order (written by embed_fixtures.cmake).
std::span<const EmbeddedFixture> EmbeddedFixtures();

// The bytes of the fixture of this file name; an empty block, and a failed
// test, when there is none.
ByteBlock Fixture(std::string_view name);

}  // namespace taoci::test

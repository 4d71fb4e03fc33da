#include "tests/image/fixtures.h"

#include <gtest/gtest.h>

#include <string>

namespace taoci::test {

ByteBlock Fixture(std::string_view name) {
  for (const EmbeddedFixture& fixture : EmbeddedFixtures()) {
    if (fixture.name == name) {
      return ByteBlock(fixture.bytes);
    }
  }
  ADD_FAILURE() << "no fixture " << name;
  return ByteBlock();
}

}  // namespace taoci::test

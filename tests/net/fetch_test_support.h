// Shared by the fetch tests: a fixture that insists on its server, and a
// fetch that speaks std::string.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "net/web_fetch.h"
#include "tests/net/test_server.h"

namespace taoci::test {

class FetchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.available())
        << "no test server: run this program through tools/with_test_server.py (ctest does)";
  }

  static std::string Fetch(const std::string& address) {
    return std::string(WebFetch(ByteText(address)).view());
  }

  TestServer server;
};

}  // namespace taoci::test

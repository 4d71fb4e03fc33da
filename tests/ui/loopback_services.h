// A run's services against the loopback test server, through the real web
// fetch. The window's runs ask for the marketplace's own addresses; each is
// sent to the server on 127.0.0.1 instead: a result page, told by its "&s="
// offset, to FOLDER/page-NNN.html, anything else (the item's picture) to
// /item.jpg. So nothing but 127.0.0.1 is ever asked.
#pragma once

#include <string>

#include "search/search_run.h"
#include "tests/net/test_server.h"

namespace taoci::test {

SearchServices LoopbackServices(const TestServer& server, const std::string& folder);

}  // namespace taoci::test

// The test's side of tools/test_server.py: where the server listens, and what
// it has seen. The server is started for the test program by
// tools/with_test_server.py (taoci_add_test(... WITH_TEST_SERVER)), which
// hands the ports over in the environment.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace taoci::test {

// One connection the server accepted, with the request head it read on it.
struct RecordedRequest {
  int connection = 0;
  bool tls = false;
  std::string note;  // "request", "no-request" or "tls-failed"
  std::string head;  // request line and header lines, raw, up to the blank line

  std::string RequestLine() const;
  // The values of every header line called `name` (any case), in order, with
  // the white space around them removed.
  std::vector<std::string> Header(std::string_view name) const;
};

class TestServer {
 public:
  // From TAOCI_TEST_SERVER_PORT, TAOCI_TEST_SERVER_TLS_PORT and
  // TAOCI_TEST_SERVER_REFUSED_PORT; a port is 0 when its variable is missing.
  TestServer();

  // False when the program runs without its server.
  bool available() const { return port_ != 0 && tls_port_ != 0 && refused_port_ != 0; }
  int port() const { return port_; }
  int tls_port() const { return tls_port_; }
  int refused_port() const { return refused_port_; }

  // "http://127.0.0.1:<port>" followed by `target` ("/path?query").
  std::string Address(std::string_view target) const;
  // The same on the TLS listener, with "https".
  std::string TlsAddress(std::string_view target) const;
  // An address on the port where nothing listens.
  std::string RefusedAddress(std::string_view target) const;

  // Everything the server has recorded, oldest first. Asked over a plain
  // socket, never through the code under test. Empty when the server cannot
  // be reached.
  std::vector<RecordedRequest> Requests() const;
  // Only the requests whose target holds `marker`, e.g. "tag=my-test".
  std::vector<RecordedRequest> RequestsWith(std::string_view marker) const;

 private:
  int port_ = 0;
  int tls_port_ = 0;
  int refused_port_ = 0;
};

// The body the server's /pattern route sends: byte i is i % 251.
std::string PatternBytes(std::size_t size);
// True when `bytes` are the first bytes of that body.
bool IsPatternPrefix(std::string_view bytes);

}  // namespace taoci::test

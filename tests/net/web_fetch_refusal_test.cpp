// What never becomes a request, and what fails on the way: the empty block
// each time.
#include <gtest/gtest.h>
#include <windows.h>
#include <wininet.h>

#include <string>
#include <vector>

#include "net/internet_handle.h"
#include "tests/net/fetch_test_support.h"

namespace taoci::test {
namespace {

class WebFetchRefusal : public FetchTest {};

// Each of these addresses must give the empty block without the server
// seeing so much as a connection. Built on the live port, so that a fetch
// that wrongly went ahead would be seen.
TEST_F(WebFetchRefusal, SendsNothingForAnAddressItCannotUse) {
  const std::string here = "127.0.0.1:" + std::to_string(server.port());
  const std::vector<std::string> addresses = {
      "",
      "ftp://" + here + "/reply?body=x",
      "//" + here + "/reply?body=x",
      here + "/reply?body=x",
      "gopher://" + here + "/reply?body=x",
      // One label of 256 bytes: no resolver would send it anywhere either.
      "http://" + std::string(256, 'h') + "/reply?body=x",
      "http://" + std::string(128, 'u') + ":p@" + here + "/reply?body=x",
      "http://u:" + std::string(128, 'p') + "@" + here + "/reply?body=x",
      // Path, query and fragment: 2048 bytes.
      "http://" + here + "/reply?body=x&pad=" + std::string(2048 - 18 - 2, 'q') + "#f",
  };
  // The record must be readable and not empty, or "nothing new" proves nothing.
  ASSERT_EQ(Fetch(server.Address("/reply?body=alive&tag=refusal-baseline")), "alive");
  ASSERT_FALSE(server.Requests().empty());
  for (const std::string& address : addresses) {
    const std::size_t before = server.Requests().size();
    EXPECT_EQ(Fetch(address), "") << address.substr(0, 80);
    EXPECT_EQ(server.Requests().size(), before) << address.substr(0, 80);
  }
}

// The other side of each limit: the last byte allowed still makes a request.
TEST_F(WebFetchRefusal, StillSendsAtEachLimit) {
  const std::string here = "127.0.0.1:" + std::to_string(server.port());
  const std::string long_tail = "/reply?body=x&tag=long-path&pad=";
  const std::string target = long_tail + std::string(2047 - long_tail.size() - 2, 'q');
  ASSERT_EQ((target + "#f").size(), 2047u);
  EXPECT_EQ(Fetch("http://" + here + target + "#f"), "x");
  const std::vector<RecordedRequest> long_path = server.RequestsWith("tag=long-path");
  ASSERT_EQ(long_path.size(), 1u);
  EXPECT_EQ(long_path[0].RequestLine(), "GET " + target + " HTTP/1.0");

  EXPECT_EQ(Fetch("http://" + std::string(127, 'u') + ":" + std::string(127, 'p') + "@" + here +
                  "/reply?body=y&tag=long-credentials"),
            "y");
  EXPECT_EQ(server.RequestsWith("tag=long-credentials").size(), 1u);
}

TEST_F(WebFetchRefusal, GivesTheEmptyBlockForARefusedConnection) {
  EXPECT_EQ(Fetch(server.RefusedAddress("/reply?body=x")), "");
}

// Validation stays on: the self-signed listener gets a TLS connection but
// never a request.
TEST_F(WebFetchRefusal, RefusesASelfSignedCertificate) {
  const std::size_t before = server.Requests().size();
  EXPECT_EQ(Fetch(server.TlsAddress("/reply?body=secret&tag=tls-refused")), "");
  const std::vector<RecordedRequest> after = server.Requests();
  ASSERT_GT(after.size(), before) << "the fetch never tried the TLS listener";
  for (std::size_t i = before; i < after.size(); ++i) {
    EXPECT_TRUE(after[i].tls);
    EXPECT_NE(after[i].note, "request") << after[i].head;
  }
}

// The check above proves something only if the listener does serve https:
// with the unknown issuer waved through, by hand, the same address answers.
TEST_F(WebFetchRefusal, TheTlsListenerAnswersWhenItsIssuerIsAccepted) {
  InternetHandle session(
      InternetOpenA("taoci tls test", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
  ASSERT_TRUE(session);
  InternetHandle connection(InternetConnectA(session.get(), "127.0.0.1",
                                             static_cast<INTERNET_PORT>(server.tls_port()), nullptr,
                                             nullptr, INTERNET_SERVICE_HTTP, 0, 0));
  ASSERT_TRUE(connection);
  InternetHandle request(HttpOpenRequestA(
      connection.get(), "GET", "/reply?body=secret&tag=tls-ok", "HTTP/1.0", nullptr, nullptr,
      INTERNET_FLAG_SECURE | INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0));
  ASSERT_TRUE(request);
  DWORD security = 0;
  DWORD size = sizeof(security);
  InternetQueryOptionA(request.get(), INTERNET_OPTION_SECURITY_FLAGS, &security, &size);
  security |= SECURITY_FLAG_IGNORE_UNKNOWN_CA;
  ASSERT_TRUE(InternetSetOptionA(request.get(), INTERNET_OPTION_SECURITY_FLAGS, &security,
                                 sizeof(security)));
  ASSERT_TRUE(HttpSendRequestA(request.get(), nullptr, 0, nullptr, 0)) << GetLastError();
  char body[64] = {};
  DWORD read = 0;
  ASSERT_TRUE(InternetReadFile(request.get(), body, sizeof(body) - 1, &read));
  EXPECT_STREQ(body, "secret");
  EXPECT_EQ(server.RequestsWith("tag=tls-ok").size(), 1u);
}

}  // namespace
}  // namespace taoci::test

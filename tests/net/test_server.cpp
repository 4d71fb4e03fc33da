#include "tests/net/test_server.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <cctype>
#include <cstdlib>
#include <sstream>

namespace taoci::test {
namespace {

int PortFromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? 0 : std::atoi(value);
}

std::string Trim(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
  while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
  return std::string(text.substr(begin, end - begin));
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

// GET `target` from 127.0.0.1:`port` over a bare socket; the whole answer,
// head included, or empty on any failure.
std::string RawGet(int port, std::string_view target) {
  WSADATA data;
  if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return {};
  std::string answer;
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (s != INVALID_SOCKET) {
    sockaddr_in to = {};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<u_short>(port));
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(s, reinterpret_cast<const sockaddr*>(&to), sizeof(to)) == 0) {
      const std::string request = "GET " + std::string(target) + " HTTP/1.0\r\n\r\n";
      if (send(s, request.data(), static_cast<int>(request.size()), 0) ==
          static_cast<int>(request.size())) {
        char buffer[16384];
        int got = 0;
        while ((got = recv(s, buffer, sizeof(buffer), 0)) > 0) answer.append(buffer, got);
      }
    }
    closesocket(s);
  }
  WSACleanup();
  return answer;
}

}  // namespace

std::string RecordedRequest::RequestLine() const { return head.substr(0, head.find("\r\n")); }

std::vector<std::string> RecordedRequest::Header(std::string_view name) const {
  std::vector<std::string> values;
  std::size_t at = head.find("\r\n");
  while (at != std::string::npos && at + 2 < head.size()) {
    const std::size_t start = at + 2;
    const std::size_t end = head.find("\r\n", start);
    const std::string_view line(head.data() + start,
                                (end == std::string::npos ? head.size() : end) - start);
    const std::size_t colon = line.find(':');
    if (colon != std::string_view::npos && SameName(Trim(line.substr(0, colon)), name)) {
      values.push_back(Trim(line.substr(colon + 1)));
    }
    at = end;
  }
  return values;
}

TestServer::TestServer()
    : port_(PortFromEnvironment("TAOCI_TEST_SERVER_PORT")),
      tls_port_(PortFromEnvironment("TAOCI_TEST_SERVER_TLS_PORT")),
      refused_port_(PortFromEnvironment("TAOCI_TEST_SERVER_REFUSED_PORT")) {}

std::string TestServer::Address(std::string_view target) const {
  return "http://127.0.0.1:" + std::to_string(port_) + std::string(target);
}

std::string TestServer::TlsAddress(std::string_view target) const {
  return "https://127.0.0.1:" + std::to_string(tls_port_) + std::string(target);
}

std::string TestServer::RefusedAddress(std::string_view target) const {
  return "http://127.0.0.1:" + std::to_string(refused_port_) + std::string(target);
}

std::vector<RecordedRequest> TestServer::Requests() const {
  const std::string answer = RawGet(port_, "/__server/requests");
  const std::size_t body = answer.find("\r\n\r\n");
  if (answer.compare(0, 12, "HTTP/1.0 200") != 0 || body == std::string::npos) return {};
  std::vector<RecordedRequest> requests;
  std::size_t at = body + 4;
  while (at < answer.size()) {
    const std::size_t line_end = answer.find('\n', at);
    if (line_end == std::string::npos) break;
    std::istringstream line(answer.substr(at, line_end - at));
    RecordedRequest request;
    int tls = 0;
    std::size_t length = 0;
    if (!(line >> request.connection >> tls >> request.note >> length)) break;
    request.tls = tls != 0;
    request.head = answer.substr(line_end + 1, length);
    requests.push_back(std::move(request));
    at = line_end + 1 + length + 1;
  }
  return requests;
}

std::vector<RecordedRequest> TestServer::RequestsWith(std::string_view marker) const {
  std::vector<RecordedRequest> matching;
  for (RecordedRequest& request : Requests()) {
    if (request.RequestLine().find(marker) != std::string::npos) {
      matching.push_back(std::move(request));
    }
  }
  return matching;
}

std::string PatternBytes(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i % 251);
  return bytes;
}

bool IsPatternPrefix(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (static_cast<unsigned char>(bytes[i]) != i % 251) return false;
  }
  return true;
}

}  // namespace taoci::test

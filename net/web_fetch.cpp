#include "net/web_fetch.h"

#include <windows.h>
#include <wininet.h>

#include <optional>
#include <string>
#include <utility>

#include "net/address_split.h"
#include "net/internet_handle.h"
#include "net/read_body.h"
#include "net/read_buffer_size.h"
#include "net/redirect.h"
#include "net/session_slot.h"

namespace taoci {
namespace {

// The program names no proxy of its own: before each request the session is
// told to follow the system's setting (direct when it names none), so that a
// change made while the program runs counts from the next fetch. Wine's
// client refuses the option on a session (ERROR_INTERNET_INVALID_OPTION) and
// keeps the system setting it read when the session was opened; a fetch goes
// ahead either way.
void FollowSystemProxy(HINTERNET session) {
  INTERNET_PROXY_INFO proxy = {};
  proxy.dwAccessType = INTERNET_OPEN_TYPE_PRECONFIG;
  InternetSetOptionA(session, INTERNET_OPTION_PROXY, &proxy, sizeof(proxy));
}

// Empty proxy credentials: the program has none to offer. Set on the
// connection, the handle the client takes them on.
void ClearProxyCredentials(HINTERNET connection) {
  char empty[] = "";
  InternetSetOptionA(connection, INTERNET_OPTION_PROXY_USERNAME, empty, 0);
  InternetSetOptionA(connection, INTERNET_OPTION_PROXY_PASSWORD, empty, 0);
}

// The header's text, as the response has it; nothing when there is none or
// when it does not fit 31 characters, which the sizing rule treats alike.
std::optional<std::string> ContentLengthText(HINTERNET request) {
  char text[32] = {};
  DWORD size = sizeof(text);
  if (!HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH, text, &size, nullptr)) {
    return std::nullopt;
  }
  return std::string(text, size);
}

// One request on its own connection. For a redirect the body is left unread
// and `next` receives the address it points to.
ByteBlock FetchOnce(HINTERNET session, const AddressParts& parts, const ByteText& address,
                    std::optional<std::string>& next) {
  FollowSystemProxy(session);
  // The address's credentials, empty when it has none, for the client to
  // present if the server asks.
  InternetHandle connection(InternetConnectA(session, parts.host.c_str(), parts.port,
                                             parts.user_name.c_str(), parts.password.c_str(),
                                             INTERNET_SERVICE_HTTP, 0, 0));
  if (!connection) return ByteBlock();
  ClearProxyCredentials(connection.get());

  // Every fetch goes to the server and leaves nothing behind: the cache is
  // neither read (RELOAD) nor written. Cookies stay with the client; no
  // Referer; certificate checks stay on for https. Redirects are followed
  // here rather than by the client, which (Wine's, at least) follows a loop
  // for ever.
  DWORD flags =
      INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_AUTO_REDIRECT;
  if (parts.secure) flags |= INTERNET_FLAG_SECURE;
  InternetHandle request(HttpOpenRequestA(connection.get(), "GET", parts.target.c_str(), "HTTP/1.0",
                                          nullptr, nullptr, flags, 0));
  if (!request) return ByteBlock();
  static constexpr char kAccept[] = "Accept: */*\r\n";
  if (!HttpSendRequestA(request.get(), kAccept, sizeof(kAccept) - 1, nullptr, 0)) {
    return ByteBlock();
  }
  next = RedirectAddress(request.get(), address);
  if (next) return ByteBlock();
  // Otherwise the status is not examined: an error page's body is an answer
  // like any other.
  return ReadBody(request.get(), ReadBufferSize(ContentLengthText(request.get())));
}

}  // namespace

ByteBlock WebFetch(const ByteText& address) {
  if (address.empty()) return ByteBlock();
  ByteText current = address;
  for (int redirects = 0;; ++redirects) {
    const std::optional<AddressParts> parts = SplitAddress(current);
    if (!parts) return ByteBlock();
    HINTERNET session = SharedSession();
    if (session == nullptr) return ByteBlock();
    std::optional<std::string> next;
    ByteBlock body = FetchOnce(session, *parts, current, next);
    if (!next) return body;
    if (redirects == kMaxRedirects) return ByteBlock();
    current = ByteText(std::move(*next));
  }
}

}  // namespace taoci

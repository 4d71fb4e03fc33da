#include "tests/ui/loopback_services.h"

#include <cstdio>

#include "net/web_fetch.h"
#include "tests/ui/memory_marketplace.h"

namespace taoci::test {

SearchServices LoopbackServices(const TestServer& server, const std::string& folder) {
  SearchServices services;
  const std::string root = server.Address("");
  services.fetch = [root, folder](const ByteText& address) {
    const int page = PageOfAddress(address);
    char target[64];
    if (page > 0) {
      std::snprintf(target, sizeof target, "/page-%03d.html", page);
    } else {
      std::snprintf(target, sizeof target, "/item.jpg");
    }
    const std::string path = page > 0 ? "/" + folder + target : std::string(target);
    return WebFetch(ByteText(root + path));
  };
  services.today = [] { return CalendarDate{2014, 10, 20}; };
  return services;
}

}  // namespace taoci::test

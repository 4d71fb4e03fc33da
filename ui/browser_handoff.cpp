#include "ui/browser_handoff.h"

#include <string>

namespace taoci {

ByteText InternetExplorerCommandLine(const ByteText& address) {
  std::string line;
  line.reserve(sizeof(kInternetExplorerPath) + 3 + address.size());
  line += '"';
  line += kInternetExplorerPath;
  line += "\" ";
  line += address.bytes();
  return ByteText(std::string_view(line));
}

}  // namespace taoci

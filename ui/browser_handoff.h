// What the two browser buttons hand over.
#pragma once

#include "text/byte_text.h"

namespace taoci {

inline constexpr char kInternetExplorerPath[] =
    "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE";

// The quoted program path, one blank, then the address unchanged. Quoting
// matters: unquoted, Windows would first try to run C:\Program.exe.
ByteText InternetExplorerCommandLine(const ByteText& address);

}  // namespace taoci

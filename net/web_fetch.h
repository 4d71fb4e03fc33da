// Web fetch: the program's only network operation, an HTTP GET of one
// absolute address into the bytes of the response body.
#pragma once

#include "text/byte_block.h"
#include "text/byte_text.h"

namespace taoci {

// Blocks until the body is complete or the fetch has failed; callable from any
// thread. The body comes back whatever the status (an error page's HTML like
// any other page), cut at kMaxBodyBytes (read_body.h). Every failure is the
// empty block: an empty address, one that cannot be split or has a part over
// its limit, a scheme other than http and https, no client, no connection, a
// refused certificate, no memory. A body that breaks off comes back as far as
// it arrived, with no sign that it is short.
ByteBlock WebFetch(const ByteText& address);

}  // namespace taoci

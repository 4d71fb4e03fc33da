// The WinINet session that every fetch of the process shares: it carries the
// agent string and the proxy setting. Opened by the first fetch that needs it
// and kept to the end of the process.
#pragma once

#include <windows.h>
#include <wininet.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <utility>

#include "net/internet_handle.h"

namespace taoci {

// Holds one session and opens it on demand. A mutex rather than
// std::call_once: a failed open must leave the slot empty for the next caller
// to try again, and call_once counts a call that returned, failed or not, as
// done for good.
class SessionSlot {
 public:
  using Opener = std::function<HINTERNET()>;
  explicit SessionSlot(Opener opener) : opener_(std::move(opener)) {}
  SessionSlot(const SessionSlot&) = delete;
  SessionSlot& operator=(const SessionSlot&) = delete;

  // The session, opened by the first call; nullptr when opening failed, and
  // then the next call opens again. Calls racing on an empty slot open it
  // once between them. Any thread.
  HINTERNET Get();

 private:
  Opener opener_;
  std::mutex mutex_;
  InternetHandle session_;
  // Set once the session is open, so that later fetches skip the mutex.
  std::atomic<HINTERNET> open_{nullptr};
};

// The session of the process: synchronous, with the agent string
// "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)" and the system's own
// proxy setting. nullptr when it cannot be opened. Any thread.
HINTERNET SharedSession();

}  // namespace taoci

#include "net/session_slot.h"

namespace taoci {

HINTERNET SessionSlot::Get() {
  if (HINTERNET open = open_.load(std::memory_order_acquire)) return open;
  std::lock_guard<std::mutex> lock(mutex_);
  if (!session_) {
    session_ = InternetHandle(opener_());
    open_.store(session_.get(), std::memory_order_release);
  }
  return session_.get();
}

namespace {

HINTERNET OpenSession() {
  return InternetOpenA("Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)",
                       INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
}

}  // namespace

HINTERNET SharedSession() {
  // Never destroyed: a search worker may still be inside a fetch while the
  // process ends, and closing the session under it from a static destructor
  // would pull the mutex away too. The system releases the session with the
  // process.
  static SessionSlot& slot = *new SessionSlot(&OpenSession);
  return slot.Get();
}

}  // namespace taoci

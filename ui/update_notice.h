// The update notice at start-up: one fetch of the maker's version file and,
// when it names a newer release, a message and the home page. GUI thread;
// the fetch blocks it, which is why the window appears only afterwards.
#pragma once

#include <functional>

#include "text/byte_block.h"
#include "text/byte_text.h"

namespace taoci {

// This release, as its version text reads.
inline constexpr char kCurrentRelease[] = "1.0";

// Whether a version file's text names a release newer than this one: its
// number exceeds ours by more than 1e-7 and the text is not empty.
bool IsNewerRelease(const ByteText& version_text);

struct UpdateNoticeServices {
  ByteText version_address;
  ByteText home_page;
  std::function<ByteBlock(const ByteText& address)> fetch;
  // Shows the text with the title, task-modal, OK only, and returns when the
  // user dismisses it.
  std::function<void(const ByteText& text, const ByteText& title)> message_box;
  std::function<void(const ByteText& address)> open_address;
};

void RunUpdateNotice(const UpdateNoticeServices& services);

// The real message box: no owner, task-modal, one OK button, no icon.
void ShowTaskModalMessage(const ByteText& text, const ByteText& title);

}  // namespace taoci

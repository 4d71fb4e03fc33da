// Whether the shell holds the program's tray icon for `owner`: modifying an
// icon succeeds only for one that is there. (Wine's notification area keeps
// its icons the same way.)
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "ui/tray_icon.h"

namespace taoci::test {

inline bool ShellHasIcon(HWND owner) {
  NOTIFYICONDATAW data = {};
  data.cbSize = sizeof(data);
  data.hWnd = owner;
  data.uID = kTrayIconId;
  data.uFlags = NIF_MESSAGE;
  data.uCallbackMessage = kTrayMessage;
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

}  // namespace taoci::test

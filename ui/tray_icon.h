// The notification-area icon that hides and shows the main window.
// GUI thread only.
#pragma once

#include <windows.h>

namespace taoci {

inline constexpr UINT kTrayIconId = 100;
inline constexpr UINT kTrayMessage = WM_APP + 100;

// The tray event for a mouse notification's lParam: 1 left button released,
// 2 left double click, 3 right button released or the context-menu request,
// 0 for anything else (no event).
int TrayEventFromNotification(LPARAM lparam);

class TrayIcon {
 public:
  TrayIcon() = default;
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;
  ~TrayIcon();

  // Adds the icon, owned by `owner`, which receives kTrayMessage. The result
  // is not reported: without a notification area the program runs on.
  void Add(HWND owner);
  // After the shell restarts (its "TaskbarCreated" broadcast) the icon is
  // gone from the new notification area: put it back if it was added.
  void AddAgainAfterShellRestart();
  void Remove();
  bool added() const { return owner_ != nullptr; }

  // The registered "TaskbarCreated" message, 0 if it could not be registered.
  static UINT TaskbarCreatedMessage();

 private:
  HWND owner_ = nullptr;
  HICON icon_ = nullptr;
};

}  // namespace taoci

// The program entry: no command line, no settings; one window and its loop.
#include <windows.h>
#include <commctrl.h>

#include "ui/main_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);

  taoci::MainWindow window;
  if (!window.Create()) return 1;
  ShowWindow(window.hwnd(), SW_SHOWNORMAL);
  SetForegroundWindow(window.hwnd());

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}

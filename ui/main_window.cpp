#include "ui/main_window.h"

#include "ui/captions.h"
#include "ui/wide_text.h"

namespace taoci {

namespace {

constexpr wchar_t kClassName[] = L"TaociMainWindow";
// A fixed frame with a system menu and a minimise button, no maximise.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

}  // namespace

bool MainWindow::Create() {
  const int left = (GetSystemMetrics(SM_CXSCREEN) - kOuterWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kOuterHeight) / 2;
  const std::wstring title = WideFromGbk(captions::kWindowTitle);
  return CreateTopLevel(kClassName, title.c_str(), kStyle, WS_EX_APPWINDOW, left, top,
                        kOuterWidth, kOuterHeight, nullptr);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return Window::HandleMessage(message, wparam, lparam);
  }
}

}  // namespace taoci

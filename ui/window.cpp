#include "ui/window.h"

namespace taoci {

Window::~Window() {
  if (hwnd_ != nullptr) {
    // Destroying here would call back into a half-destroyed object: detach
    // first so that the remaining messages go to the default procedure.
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

bool Window::CreateTopLevel(const wchar_t* class_name, const wchar_t* title, DWORD style,
                            DWORD ex_style, int left, int top, int width, int height,
                            HICON icon) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc = {};
  if (!GetClassInfoExW(instance, class_name, &wc)) {
    wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = StaticProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = class_name;
    wc.hIcon = icon;
    wc.hIconSm = icon;
    if (RegisterClassExW(&wc) == 0) return false;
  }
  return CreateWindowExW(ex_style, class_name, title, style, left, top, width, height, nullptr,
                         nullptr, instance, this) != nullptr;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

LRESULT CALLBACK Window::StaticProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  Window* self = nullptr;
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    self = static_cast<Window*>(create->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (self == nullptr) return DefWindowProcW(hwnd, message, wparam, lparam);
  const LRESULT result = self->HandleMessage(message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    self->OnFinalMessage();
  }
  return result;
}

}  // namespace taoci

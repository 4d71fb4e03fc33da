#include "ui/window.h"

#include <commctrl.h>

namespace taoci {

namespace {

// One subclass of ours per control, so one identifier does.
constexpr UINT_PTR kSubclassId = 1;

}  // namespace

Window::~Window() {
  if (hwnd_ != nullptr) {
    // Destroying with the object still attached would call back into a
    // half-destroyed object: detach first, so that the remaining messages get
    // the default processing. A derived class that must see its own
    // WM_DESTROY destroys the window in its own destructor.
    HWND hwnd = hwnd_;
    Detach();
    DestroyWindow(hwnd);
  }
}

bool Window::Register(const OwnWindowClass& window_class) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc = {};
  if (GetClassInfoExW(instance, window_class.name, &wc)) return true;
  wc = {};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = StaticProc;
  wc.hInstance = instance;
  wc.hCursor = window_class.cursor;
  wc.hbrBackground = window_class.background;
  wc.lpszClassName = window_class.name;
  wc.hIcon = window_class.icon;
  wc.hIconSm = window_class.icon;
  return RegisterClassExW(&wc) != 0;
}

bool Window::CreateTopLevel(const OwnWindowClass& window_class, const wchar_t* title, DWORD style,
                            DWORD ex_style, int left, int top, int width, int height) {
  if (!Register(window_class)) return false;
  return CreateWindowExW(ex_style, window_class.name, title, style, left, top, width, height,
                         nullptr, nullptr, GetModuleHandleW(nullptr), this) != nullptr;
}

bool Window::CreateOwnChild(const OwnWindowClass& window_class, HWND parent, int id,
                            ChildPlace place, DWORD style, DWORD ex_style, const wchar_t* text) {
  if (!Register(window_class)) return false;
  return CreateWindowExW(ex_style, window_class.name, text, style | WS_CHILD, place.left, place.top,
                         place.width, place.height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), this) != nullptr;
}

bool Window::CreateSystemChild(const wchar_t* system_class, HWND parent, int id, ChildPlace place,
                               DWORD style, DWORD ex_style, const wchar_t* text) {
  HWND hwnd = CreateWindowExW(ex_style, system_class, text, style | WS_CHILD, place.left, place.top,
                              place.width, place.height, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleW(nullptr), nullptr);
  if (hwnd == nullptr) return false;
  if (!SetWindowSubclass(hwnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
    DestroyWindow(hwnd);
    return false;
  }
  hwnd_ = hwnd;
  subclassed_ = true;
  return true;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  return DefaultProcessing(message, wparam, lparam);
}

LRESULT Window::DefaultProcessing(UINT message, WPARAM wparam, LPARAM lparam) {
  if (subclassed_) return DefSubclassProc(hwnd_, message, wparam, lparam);
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

void Window::Detach() {
  if (subclassed_) {
    RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
  } else {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  }
  hwnd_ = nullptr;
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
    self->Detach();
    self->OnFinalMessage();
  }
  return result;
}

LRESULT CALLBACK Window::SubclassProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                      UINT_PTR, DWORD_PTR self_data) {
  auto* self = reinterpret_cast<Window*>(self_data);
  if (self == nullptr || self->hwnd_ != hwnd) {
    return DefSubclassProc(hwnd, message, wparam, lparam);
  }
  if (message == WM_NCDESTROY) {
    // The subclass goes before the control's own last processing, as the
    // subclassing functions require.
    self->Detach();
    const LRESULT result = DefSubclassProc(hwnd, message, wparam, lparam);
    self->OnFinalMessage();
    return result;
  }
  return self->HandleMessage(message, wparam, lparam);
}

}  // namespace taoci

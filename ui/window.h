// A small window base: the static window procedure finds the object that
// was passed through CreateWindowEx at WM_NCCREATE and hands every message
// to its virtual handler. GUI thread only.
#pragma once

#include <windows.h>

namespace taoci {

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND hwnd() const { return hwnd_; }

 protected:
  // Registers the class on first use and creates the window, with this
  // object as its instance data. Returns false when creation fails.
  bool CreateTopLevel(const wchar_t* class_name, const wchar_t* title, DWORD style,
                      DWORD ex_style, int left, int top, int width, int height, HICON icon);

  virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  // The last message a window gets; the object may be released after it.
  virtual void OnFinalMessage() {}

 private:
  static LRESULT CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

  HWND hwnd_ = nullptr;
};

}  // namespace taoci

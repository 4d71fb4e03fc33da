// A small window base. Two ways in, one way of handling messages:
// - a window of our own class: the static window procedure finds the object
//   passed through CreateWindowEx at WM_NCCREATE;
// - a system control (edit, button, progress bar): created as it is and
//   subclassed at once, so that its object sees its messages first and hands
//   the rest to the control's own procedure.
// Either way every message goes to the virtual HandleMessage, whose default
// is the window's default processing. GUI thread only.
#pragma once

#include <windows.h>

namespace taoci {

// Where a child goes: left, top, width and height in its parent's client
// coordinates.
struct ChildPlace {
  int left;
  int top;
  int width;
  int height;
};

// What a class of our own needs besides its name.
struct OwnWindowClass {
  const wchar_t* name;
  HCURSOR cursor;     // the pointer over the window
  HBRUSH background;  // not owned; nullptr when the window erases itself
  HICON icon;         // nullptr for none
};

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND hwnd() const { return hwnd_; }

 protected:
  // Registers the class on first use and creates a top-level window with this
  // object as its instance data. Returns false when creation fails.
  bool CreateTopLevel(const OwnWindowClass& window_class, const wchar_t* title, DWORD style,
                      DWORD ex_style, int left, int top, int width, int height);
  // The same for a child window of our own class.
  bool CreateOwnChild(const OwnWindowClass& window_class, HWND parent, int id, ChildPlace place,
                      DWORD style, DWORD ex_style, const wchar_t* text);
  // A system control of `system_class`, subclassed for this object.
  bool CreateSystemChild(const wchar_t* system_class, HWND parent, int id, ChildPlace place,
                         DWORD style, DWORD ex_style, const wchar_t* text);

  virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  // The processing the window would get without this object: DefWindowProc
  // for our own classes, the control's own procedure for a subclassed one.
  LRESULT DefaultProcessing(UINT message, WPARAM wparam, LPARAM lparam);
  // The last message a window gets; the object may be released after it.
  virtual void OnFinalMessage() {}

 private:
  static bool Register(const OwnWindowClass& window_class);
  static LRESULT CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                       UINT_PTR subclass_id, DWORD_PTR self);
  void Detach();

  HWND hwnd_ = nullptr;
  bool subclassed_ = false;
};

}  // namespace taoci

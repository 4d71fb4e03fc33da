#include "ui/controls/control.h"

#include <string>

#include "ui/wide_text.h"

namespace taoci {

void Control::SetVisible(bool visible) { ShowWindow(hwnd(), visible ? SW_SHOWNA : SW_HIDE); }

bool Control::visible() const { return (GetWindowLongW(hwnd(), GWL_STYLE) & WS_VISIBLE) != 0; }

void Control::SetEnabled(bool enabled) { EnableWindow(hwnd(), enabled ? TRUE : FALSE); }

bool Control::enabled() const { return IsWindowEnabled(hwnd()) != FALSE; }

ByteText Control::Text() const {
  const int length = GetWindowTextLengthW(hwnd());
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(hwnd(), wide.data(), length + 1);
  wide.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return GbkFromWide(wide);
}

void Control::SetText(const ByteText& text) {
  const std::wstring wide = WideFromGbk(text);
  SetWindowTextW(hwnd(), wide.c_str());
}

}  // namespace taoci

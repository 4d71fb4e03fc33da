#include "ui/controls/label.h"

#include <string>

#include "ui/gdi_objects.h"

namespace taoci {

namespace {

UINT HorizontalFlag(HorizontalAlign align) {
  switch (align) {
    case HorizontalAlign::kCentre:
      return DT_CENTER;
    case HorizontalAlign::kRight:
      return DT_RIGHT;
    case HorizontalAlign::kLeft:
      break;
  }
  return DT_LEFT;
}

UINT VerticalFlag(VerticalAlign align) {
  switch (align) {
    case VerticalAlign::kCentre:
      return DT_VCENTER;
    case VerticalAlign::kBottom:
      return DT_BOTTOM;
    case VerticalAlign::kTop:
      break;
  }
  return DT_TOP;
}

// The DrawText flags for a look: never a mnemonic; with auto-wrap, lines
// broken at word boundaries and line breaks from the top; without it, one
// line on which a line break starts nothing, placed vertically.
UINT DrawFlags(const LabelLook& look) {
  UINT flags = DT_NOPREFIX | HorizontalFlag(look.horizontal);
  if (look.auto_wrap) return flags | DT_WORDBREAK | DT_TOP;
  return flags | DT_SINGLELINE | VerticalFlag(look.vertical);
}

}  // namespace

bool Label::Create(HWND parent, int id, ChildPlace place, const ByteText& text,
                   const LabelLook& look) {
  look_ = look;
  // Below its overlapping siblings (see the window's layout), so it must not
  // paint over them.
  if (!CreateOwnChild(window_class(), parent, id, place, WS_VISIBLE | WS_CLIPSIBLINGS, 0, L"")) {
    return false;
  }
  SetText(text);
  return true;
}

OwnWindowClass Label::window_class() const {
  return {L"TaociLabel", LoadCursorW(nullptr, IDC_ARROW), nullptr, nullptr};
}

void Label::SetAutoWrap(bool on) {
  look_.auto_wrap = on;
  RedrawNow();
}

void Label::RedrawNow() {
  InvalidateRect(hwnd(), nullptr, FALSE);
  UpdateWindow(hwnd());
}

void Label::PaintBackground(HDC dc, const RECT& client) {
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
}

void Label::Paint(HDC dc) {
  RECT client = {};
  GetClientRect(hwnd(), &client);
  PaintBackground(dc, client);

  const int length = GetWindowTextLengthW(hwnd());
  std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
  const int copied = GetWindowTextW(hwnd(), text.data(), length + 1);
  if (copied <= 0) return;
  text.resize(static_cast<std::size_t>(copied));

  HFONT font =
      look_.font != nullptr ? look_.font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  SelectedObject selected(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, look_.colour);
  DrawTextW(dc, text.c_str(), copied, &client, DrawFlags(look_));
}

LRESULT Label::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_NCHITTEST:
      // A label is part of the window's surface: the press goes to whatever
      // lies beneath, in the end to the window, which starts a move.
      return HTTRANSPARENT;
    case WM_ERASEBKGND:
      return 1;  // painted with the text, so that nothing flickers
    case WM_PAINT: {
      PaintScope paint(hwnd());
      Paint(paint.dc());
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wparam));
      return 0;
    case WM_SETTEXT: {
      const LRESULT result = DefaultProcessing(message, wparam, lparam);
      RedrawNow();
      return result;
    }
    case WM_SETFONT:
      look_.font = reinterpret_cast<HFONT>(wparam);
      if (LOWORD(lparam) != 0) RedrawNow();
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(look_.font);
    default:
      return DefaultProcessing(message, wparam, lparam);
  }
}

}  // namespace taoci

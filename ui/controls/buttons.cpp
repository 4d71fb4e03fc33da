#include "ui/controls/buttons.h"

namespace taoci {

namespace {

bool IsRadioButton(HWND hwnd) {
  wchar_t class_name[16] = {};
  GetClassNameW(hwnd, class_name, 16);
  return lstrcmpiW(class_name, L"Button") == 0 &&
         (GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_RADIOBUTTON;
}

}  // namespace

bool PushButton::Create(HWND parent, int id, ChildPlace place, const ByteText& caption,
                        bool is_default) {
  const DWORD style =
      WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | (is_default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
  if (!CreateSystemChild(L"BUTTON", parent, id, place, style, 0, L"")) return false;
  SetText(caption);
  return true;
}

void PushButton::OnCommand(WORD code) {
  if (code == BN_CLICKED && on_click) on_click();
}

bool RadioButton::Create(HWND parent, int id, ChildPlace place, const ByteText& caption,
                         bool checked) {
  // Not an automatic radio button: the system's automatic one finds its
  // group by WS_GROUP marks in the order of the siblings, and here the group
  // is simply the parent.
  const DWORD style = WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | BS_RADIOBUTTON;
  if (!CreateSystemChild(L"BUTTON", parent, id, place, style, 0, L"")) return false;
  SetText(caption);
  SendMessageW(hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  return true;
}

bool RadioButton::checked() const { return SendMessageW(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void RadioButton::Check() {
  HWND parent = GetParent(hwnd());
  for (HWND sibling = GetWindow(parent, GW_CHILD); sibling != nullptr;
       sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    if (sibling != hwnd() && IsRadioButton(sibling)) {
      SendMessageW(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
    }
  }
  SendMessageW(hwnd(), BM_SETCHECK, BST_CHECKED, 0);
}

void RadioButton::OnCommand(WORD code) {
  if (code == BN_CLICKED) Check();
}

bool GroupBox::Create(HWND parent, int id, ChildPlace place, const ByteText& caption) {
  const DWORD style = WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | BS_GROUPBOX;
  if (!CreateSystemChild(L"BUTTON", parent, id, place, style, 0, L"")) return false;
  SetText(caption);
  return true;
}

LRESULT GroupBox::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      // The controls inside speak to their parent, this box; the window is
      // the one that listens.
      return SendMessageW(GetParent(hwnd()), message, wparam, lparam);
    case WM_ERASEBKGND: {
      // The system's group box paints only its frame and caption, and the
      // window clips its children, so the inside is this box's to fill.
      RECT client = {};
      GetClientRect(hwnd(), &client);
      FillRect(reinterpret_cast<HDC>(wparam), &client, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_NCHITTEST:
      // Part of the window's surface: a press on the frame reaches the
      // window, which starts a move. The system's group box answers so too,
      // but nothing documents it.
      return HTTRANSPARENT;
    default:
      return DefaultProcessing(message, wparam, lparam);
  }
}

}  // namespace taoci

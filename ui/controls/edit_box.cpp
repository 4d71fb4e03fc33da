#include "ui/controls/edit_box.h"

namespace taoci {

bool AcceptsTypedCharacter(InputMode mode, wchar_t character) {
  if (mode == InputMode::kAny || character < 0x20) return true;
  if ((character >= L'0' && character <= L'9') || character == L'-') return true;
  return mode == InputMode::kDecimalText && character == L'.';
}

bool EditBox::Create(HWND parent, int id, ChildPlace place, const ByteText& text, bool centred,
                     InputMode mode) {
  mode_ = mode;
  const DWORD style =
      WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | ES_AUTOHSCROLL | (centred ? ES_CENTER : ES_LEFT);
  if (!CreateSystemChild(L"EDIT", parent, id, place, style, WS_EX_CLIENTEDGE, L"")) {
    return false;
  }
  // No limit of its own: 0 asks for the largest the control can hold.
  SendMessageW(hwnd(), EM_SETLIMITTEXT, 0, 0);
  SetText(text);
  return true;
}

LRESULT EditBox::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  // An input method delivers its characters as WM_IME_CHAR, which the edit
  // control would insert without a WM_CHAR: both are typed characters.
  if ((message == WM_CHAR || message == WM_IME_CHAR) &&
      !AcceptsTypedCharacter(mode_, static_cast<wchar_t>(wparam))) {
    return 0;
  }
  return DefaultProcessing(message, wparam, lparam);
}

}  // namespace taoci

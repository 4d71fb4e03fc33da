#include "ui/controls/link_label.h"

namespace taoci {

OwnWindowClass LinkLabel::window_class() const {
  return {L"TaociLinkLabel", LoadCursorW(nullptr, IDC_HAND), nullptr, nullptr};
}

void LinkLabel::PaintBackground(HDC dc, const RECT&) {
  // No background of its own: the parent paints its own background into
  // this label's place, so whatever the parent shows shows through.
  HWND parent = GetParent(hwnd());
  POINT origin = {0, 0};
  MapWindowPoints(hwnd(), parent, &origin, 1);
  POINT old_origin = {};
  OffsetWindowOrgEx(dc, origin.x, origin.y, &old_origin);
  SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SetWindowOrgEx(dc, old_origin.x, old_origin.y, nullptr);
}

LRESULT LinkLabel::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_NCHITTEST:
      return HTCLIENT;  // the mouse is this label's own, not the window's
    case WM_LBUTTONDOWN:
      if (on_press) on_press();
      return 0;
    default:
      return Label::HandleMessage(message, wparam, lparam);
  }
}

}  // namespace taoci

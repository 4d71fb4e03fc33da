// A label: text on an opaque background of the window's colour, with its own
// alignment, wrapping, colour and font. Drawn here rather than by the system's
// static control, whose wrapping and vertical centring cannot be switched the
// way this window needs, and which would take "&" as a mnemonic.
// GUI thread only.
#pragma once

#include <windows.h>

#include "ui/controls/control.h"

namespace taoci {

enum class HorizontalAlign { kLeft, kCentre, kRight };
enum class VerticalAlign { kTop, kCentre, kBottom };

struct LabelLook {
  HorizontalAlign horizontal = HorizontalAlign::kLeft;
  // Used only while auto-wrap is off.
  VerticalAlign vertical = VerticalAlign::kCentre;
  bool auto_wrap = false;
  COLORREF colour = RGB(0, 0, 0);
  HFONT font = nullptr;  // not owned; nullptr for the default GUI font
};

class Label : public Control {
 public:
  static constexpr ControlKind kKind = ControlKind::kLabel;
  ControlKind kind() const override { return kKind; }

  bool Create(HWND parent, int id, ChildPlace place, const ByteText& text, const LabelLook& look);

  // Both redraw at once.
  void SetAutoWrap(bool on);
  bool auto_wrap() const { return look_.auto_wrap; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  virtual OwnWindowClass window_class() const;
  virtual void PaintBackground(HDC dc, const RECT& client);

 private:
  void Paint(HDC dc);
  void RedrawNow();

  LabelLook look_;
};

}  // namespace taoci

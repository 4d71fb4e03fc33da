// A single-line edit box with a sunken border and an input mode that decides
// which typed characters it takes. GUI thread only.
#pragma once

#include <windows.h>

#include "ui/controls/control.h"

namespace taoci {

enum class InputMode {
  kAny,
  kIntegerText,  // digits and "-"
  kDecimalText,  // digits, "-" and "."
};

// Whether a typed character goes into a box of this mode. Control characters
// (Backspace, the clipboard shortcuts, Enter) always pass; nothing checks
// where a "-" or "." stands or how many there are.
bool AcceptsTypedCharacter(InputMode mode, wchar_t character);

class EditBox : public Control {
 public:
  static constexpr ControlKind kKind = ControlKind::kEditBox;
  ControlKind kind() const override { return kKind; }

  bool Create(HWND parent, int id, ChildPlace place, const ByteText& text, bool centred,
              InputMode mode);

  InputMode mode() const { return mode_; }

 protected:
  // Only typed characters are filtered: pasted text and text the program
  // sets arrive by other messages and go in as they are.
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  InputMode mode_ = InputMode::kAny;
};

}  // namespace taoci

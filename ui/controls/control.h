// What every control of the window has: its handle, visibility, the enabled
// state and its text as Byte text. GUI thread only.
#pragma once

#include <windows.h>

#include "text/byte_text.h"
#include "ui/window.h"

namespace taoci {

enum class ControlKind {
  kLabel,
  kEditBox,
  kRadioButton,
  kGroupBox,
  kPushButton,
  kProgressBar,
  kPictureBox,
  kLinkLabel,
};

class Control : public Window {
 public:
  virtual ControlKind kind() const = 0;

  // Showing never activates anything: a child is shown where it is.
  void SetVisible(bool visible);
  // The control's own flag, whatever its parents show: a control of a
  // hidden window still counts as visible here.
  bool visible() const;
  void SetEnabled(bool enabled);
  bool enabled() const;

  // The window text, through code page 936.
  ByteText Text() const;
  void SetText(const ByteText& text);

  // The parent hands on the notification code of each WM_COMMAND that this
  // control sent.
  virtual void OnCommand(WORD) {}
};

}  // namespace taoci

// The three kinds of button control: push button, radio button and group
// box. GUI thread only.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/controls/control.h"

namespace taoci {

class PushButton : public Control {
 public:
  static constexpr ControlKind kKind = ControlKind::kPushButton;
  ControlKind kind() const override { return kKind; }

  // `is_default`: drawn with the default-button frame. Nothing here moves
  // that frame to another button; the window decides what Enter does.
  bool Create(HWND parent, int id, ChildPlace place, const ByteText& caption, bool is_default);

  std::function<void()> on_click;
  void OnCommand(WORD code) override;
};

// Checking one, by a click or the Space key, unchecks every other radio
// button with the same parent: the parent is the group.
class RadioButton : public Control {
 public:
  static constexpr ControlKind kKind = ControlKind::kRadioButton;
  ControlKind kind() const override { return kKind; }

  bool Create(HWND parent, int id, ChildPlace place, const ByteText& caption, bool checked);

  bool checked() const;
  // Checks this one and unchecks its group.
  void Check();
  void OnCommand(WORD code) override;
};

// A frame with a caption, and the parent of the controls inside it: they
// move, hide and lock with it. Their notifications reach the window through
// it.
class GroupBox : public Control {
 public:
  static constexpr ControlKind kKind = ControlKind::kGroupBox;
  ControlKind kind() const override { return kKind; }

  bool Create(HWND parent, int id, ChildPlace place, const ByteText& caption);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
};

}  // namespace taoci

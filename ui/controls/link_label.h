// A link label: a label that draws only its text over whatever its parent
// shows, takes the mouse for itself, shows the hand pointer and acts when
// the left button goes down. GUI thread only.
#pragma once

#include <functional>

#include "ui/controls/label.h"

namespace taoci {

class LinkLabel : public Label {
 public:
  static constexpr ControlKind kKind = ControlKind::kLinkLabel;
  ControlKind kind() const override { return kKind; }

  // Called on the press, not on the release, and it does not start a move of
  // the window.
  std::function<void()> on_press;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  OwnWindowClass window_class() const override;
  void PaintBackground(HDC dc, const RECT& client) override;
};

}  // namespace taoci

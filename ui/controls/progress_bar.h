// The progress bar. It keeps its own maximum and position, each clamped to
// 0 ... 32767 when set, and shows the position clamped into 0 ... maximum:
// a position above the maximum shows a full bar and keeps counting, and
// reading gives the stored values. The minimum is always 0. GUI thread only.
#pragma once

#include <windows.h>

#include "ui/controls/control.h"

namespace taoci {

inline constexpr int kProgressLimit = 32767;

// Clamped to 0 ... kProgressLimit.
int ClampProgressValue(long long value);

class ProgressBar : public Control {
 public:
  static constexpr ControlKind kKind = ControlKind::kProgressBar;
  ControlKind kind() const override { return kKind; }

  bool Create(HWND parent, int id, ChildPlace place, int maximum, int position);

  void SetMaximum(int maximum);
  void SetPosition(int position);
  // `count` times: position = position + 1, each clamped as a setting is.
  void Advance(int count);
  int maximum() const { return maximum_; }
  int position() const { return position_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  void Show();

  int maximum_ = 0;
  int position_ = 0;
};

}  // namespace taoci

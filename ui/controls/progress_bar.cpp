#include "ui/controls/progress_bar.h"

#include <commctrl.h>

#include <algorithm>

namespace taoci {

int ClampProgressValue(long long value) {
  return static_cast<int>(std::clamp<long long>(value, 0, kProgressLimit));
}

bool ProgressBar::Create(HWND parent, int id, ChildPlace place, int maximum, int position) {
  // The class is the common controls' and exists only once they are asked
  // for it; asking again costs nothing.
  const INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&classes);
  // Blocks (no PBS_SMOOTH), with a thin sunken edge.
  if (!CreateSystemChild(PROGRESS_CLASSW, parent, id, place, WS_VISIBLE | WS_CLIPSIBLINGS,
                         WS_EX_STATICEDGE, L"")) {
    return false;
  }
  maximum_ = ClampProgressValue(maximum);
  position_ = ClampProgressValue(position);
  Show();
  return true;
}

void ProgressBar::SetMaximum(int maximum) {
  maximum_ = ClampProgressValue(maximum);
  Show();
}

void ProgressBar::SetPosition(int position) {
  position_ = ClampProgressValue(position);
  Show();
}

void ProgressBar::Advance(int count) {
  // Repeated +1 with clamping from a value already in range is one sum
  // clamped once.
  position_ = ClampProgressValue(static_cast<long long>(position_) + std::max(count, 0));
  Show();
}

void ProgressBar::Show() {
  // The control itself would clamp the position into its range and forget
  // the rest, which is why the stored values live here and it only shows.
  SendMessageW(hwnd(), PBM_SETRANGE32, 0, maximum_);
  SendMessageW(hwnd(), PBM_SETPOS, static_cast<WPARAM>(std::min(position_, maximum_)), 0);
}

LRESULT ProgressBar::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  // Part of the window's surface: a press on the bar moves the window.
  if (message == WM_NCHITTEST) return HTTRANSPARENT;
  return DefaultProcessing(message, wparam, lparam);
}

}  // namespace taoci

// Tab and Shift+Tab through a fixed order of controls. GUI thread only.
#pragma once

#include <windows.h>

#include <span>

namespace taoci {

// Whether `control` can take the focus now: it and each of its parents below
// `top` are visible and enabled. `top` itself is not asked, so this holds for
// a window not yet shown as well; a control inside a disabled group box does
// not take the focus.
bool TakesFocusNow(HWND control, HWND top);

// The control of `order` that Tab (or Shift+Tab, `backwards`) moves to from
// `current`: the next one that takes the focus, wrapping round. When
// `current` is none of them, the first (or last) one that does. nullptr when
// none does.
HWND NextInFocusOrder(std::span<const HWND> order, HWND current, bool backwards, HWND top);

}  // namespace taoci

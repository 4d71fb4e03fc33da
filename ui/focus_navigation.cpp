#include "ui/focus_navigation.h"

#include <cstddef>

namespace taoci {

bool TakesFocusNow(HWND control, HWND top) {
  if (control == nullptr || control == top) return false;
  for (HWND hwnd = control; hwnd != nullptr && hwnd != top; hwnd = GetParent(hwnd)) {
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    if ((style & WS_VISIBLE) == 0 || (style & WS_DISABLED) != 0) return false;
  }
  return true;
}

HWND NextInFocusOrder(std::span<const HWND> order, HWND current, bool backwards, HWND top) {
  const std::size_t count = order.size();
  if (count == 0) return nullptr;
  std::size_t start = count;  // "none of them"
  for (std::size_t i = 0; i < count; ++i) {
    if (order[i] == current) start = i;
  }
  for (std::size_t step = 1; step <= count; ++step) {
    std::size_t index = 0;
    if (start == count) {
      index = backwards ? count - step : step - 1;
    } else {
      index = backwards ? (start + count - step) % count : (start + step) % count;
    }
    if (TakesFocusNow(order[index], top)) return order[index];
  }
  return nullptr;
}

}  // namespace taoci

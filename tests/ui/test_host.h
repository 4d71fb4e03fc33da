// A plain top-level window to hold one control under test, outside the main
// window. GUI thread only.
#pragma once

#include <windows.h>

#include "ui/window.h"

namespace taoci::test {

class TestHost : public Window {
 public:
  TestHost() {
    const OwnWindowClass window_class = {L"TaociTestHost", LoadCursorW(nullptr, IDC_ARROW),
                                         GetSysColorBrush(COLOR_BTNFACE), nullptr};
    CreateTopLevel(window_class, L"test host", WS_OVERLAPPEDWINDOW, 0, 40, 40, 400, 400);
  }
};

}  // namespace taoci::test

#include "ui/startup.h"

#include <utility>

namespace taoci {

void OnMainWindowCreated(MainWindow& window, const UpdateNoticeServices& notice) {
  window.SetControlVisible(ControlId::按钮2, false);
  window.SetControlVisible(ControlId::按钮3, false);
  window.tray().Add(window.hwnd());
  RunUpdateNotice(notice);
}

std::unique_ptr<MainWindow> StartProgramWindow(ProgramSetup setup) {
  setup.window.on_created = [notice = std::move(setup.notice)](MainWindow& window) {
    OnMainWindowCreated(window, notice);
  };
  auto window = std::make_unique<MainWindow>(std::move(setup.window));
  if (!window->Create()) return nullptr;
  ShowWindow(window->hwnd(), SW_SHOWNORMAL);
  SetForegroundWindow(window->hwnd());
  return window;
}

int RunMessageLoop(MainWindow& window) {
  // The window's WM_DESTROY posts the quit.
  MSG message = {};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (window.PreTranslateMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

int RunProgram(ProgramSetup setup) {
  const std::unique_ptr<MainWindow> window = StartProgramWindow(std::move(setup));
  if (window == nullptr) return 1;
  return RunMessageLoop(*window);
}

}  // namespace taoci

// The program's start-up around its window: what the window-created event
// does, and the whole program from launch to the end of the message loop.
// GUI thread.
#pragma once

#include <memory>

#include "ui/main_window.h"
#include "ui/update_notice.h"

namespace taoci {

// The window-created event, while the window is still hidden: the browser
// buttons hidden (`按钮2`, then `按钮3`), the tray icon added, then the
// update notice, which may keep the window from appearing for as long as
// the version fetch takes.
void OnMainWindowCreated(MainWindow& window, const UpdateNoticeServices& notice);

struct ProgramSetup {
  MainWindowSetup window;  // its on_created is the created event above
  UpdateNoticeServices notice;
};

// Creates the window hidden and centred, runs the created event, then shows
// and activates the window. Null when the window cannot be created.
std::unique_ptr<MainWindow> StartProgramWindow(ProgramSetup setup);

// Runs the message loop until the window is gone. A search still at work is
// not waited for. Returns the process's exit code.
int RunMessageLoop(MainWindow& window);

int RunProgram(ProgramSetup setup);

}  // namespace taoci

// Drives the real main window in a test: builds it with recording desktop
// services, shows it, sends it real window messages, pumps its messages
// through the same keyboard handling the program's loop uses, and reads the
// controls back.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "search/search_run.h"
#include "tests/ui/pixels.h"
#include "text/byte_text.h"
#include "ui/main_window.h"

namespace taoci::test {

// What the window handed to the desktop.
class DesktopRecorder {
 public:
  void Open(const ByteText& address);
  bool Run(const ByteText& command_line);
  std::vector<ByteText> opened() const;
  std::vector<ByteText> command_lines() const;

 private:
  mutable std::mutex mutex_;
  std::vector<ByteText> opened_;
  std::vector<ByteText> command_lines_;
};

inline constexpr char kSiteLine[] = "官网：www.taoci-test.example（陶瓷测试）";
inline constexpr char kSupportLine[] = "官方指定QQ群：12345678";
inline constexpr char kSupportPage[] = "http://127.0.0.1:9/group.html";

// The client area of a window drawn into memory through WM_PRINTCLIENT.
PixelArea PrintClientOf(HWND hwnd);

// Pumps the thread's messages through `window`'s keyboard handling until
// `done` holds or `timeout_ms` has passed; true when `done` held.
bool PumpUntil(MainWindow& window, const std::function<bool()>& done, DWORD timeout_ms = 60000);
// Handles every message queued now, and those they cause.
void PumpPending(MainWindow& window);

class WindowUnderTest {
 public:
  // Created, shown and activated, as start-up leaves it. `on_created` is the
  // window-created handler, none by default.
  // `adjust` may change the rest of the setup before the window is built.
  explicit WindowUnderTest(SearchServices services,
                           std::function<void(MainWindow&)> on_created = {},
                           const std::function<void(MainWindowSetup&)>& adjust = {});

  MainWindow& window() { return *window_; }
  DesktopRecorder& desktop() { return *desktop_; }
  HWND hwnd() const { return window_->hwnd(); }
  HWND Control(ControlId id) const { return window_->control(id); }

  ByteText Text(ControlId id) const;
  // WM_SETTEXT: the way the program, or a paste, sets a text.
  void SetText(ControlId id, const ByteText& text);
  bool Enabled(ControlId id) const;
  bool Visible(ControlId id) const;
  bool Checked(ControlId id) const;

  // BM_CLICK, then the messages it causes.
  void Click(ControlId id);
  // WM_KEYDOWN and WM_KEYUP posted to `id`, as the system queues them for
  // the focus, then pumped.
  void PressKey(ControlId id, WPARAM key);
  // One WM_CHAR per character, posted to `id`, then pumped.
  void Type(ControlId id, const std::wstring& characters);
  void Focus(ControlId id);
  ControlId FocusedControl() const;  // 窗口 when the focus is on none of them

  // Fills the inputs of a search that passes validation.
  void FillSearch(const ByteText& keyword, const ByteText& target1, const ByteText& target2);
  // Clicks 按钮1 and pumps until the run's end is applied (按钮1 enabled
  // again); false when it did not come within the bound.
  bool SearchAndWait(DWORD timeout_ms = 120000);

  // The window as the screen shows it, saved as build/screenshots/NAME.png.
  // False when it could not be captured or written.
  bool SaveScreenshot(const std::string& name);
  PixelArea PrintClient(ControlId id) const;

 private:
  std::unique_ptr<DesktopRecorder> desktop_;
  std::unique_ptr<MainWindow> window_;
};

}  // namespace taoci::test

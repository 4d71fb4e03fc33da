// Start-up as the program does it, against the loopback server: the version
// fetch while the window is hidden and the tray icon already there, the
// notice and the home page only for a newer release, the window shown
// after; and closing during a search, which ends the loop at once.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "net/web_fetch.h"
#include "tests/net/test_server.h"
#include "tests/ui/shell_icon_probe.h"
#include "ui/startup.h"
#include "ui/wide_text.h"

namespace taoci {
namespace {

using test::ShellHasIcon;

// This process's main window. Other test programs run beside this one on the
// same desktop, with main windows of their own.
HWND ProgramWindow() {
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, L"TaociMainWindow", nullptr)) != nullptr) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) return window;
  }
  return nullptr;
}

struct StartupRecord {
  std::vector<std::string> calls;
};

ProgramSetup SetupFor(const std::string& version_address, StartupRecord& record) {
  ProgramSetup setup;
  setup.window.open_address = [&record](const ByteText& a) {
    record.calls.push_back("open " + std::string(a.bytes()));
  };
  setup.notice.version_address = ByteText(version_address);
  setup.notice.home_page = "http://127.0.0.1:9/home.html";
  setup.notice.fetch = [&record](const ByteText& address) {
    HWND window = ProgramWindow();
    record.calls.push_back(std::string("fetch visible=") +
                           (IsWindowVisible(window) ? "1" : "0") +
                           " tray=" + (ShellHasIcon(window) ? "1" : "0"));
    return WebFetch(address);
  };
  setup.notice.message_box = [&record](const ByteText& text, const ByteText& title) {
    record.calls.push_back("box " + std::string(text.bytes()) + "|" +
                           std::string(title.bytes()) +
                           (IsWindowVisible(ProgramWindow()) ? " visible" : " hidden"));
  };
  setup.notice.open_address = [&record](const ByteText& a) {
    record.calls.push_back("open " + std::string(a.bytes()));
  };
  return setup;
}

struct VersionCase {
  const char* name;
  const char* target;  // on the test server
  bool notice;
};

class UpdateNoticeAtStartup : public ::testing::TestWithParam<VersionCase> {};

TEST_P(UpdateNoticeAtStartup, FetchesHiddenWithTheTrayThenNoticesOnlyANewerRelease) {
  test::TestServer server;
  ASSERT_TRUE(server.available());
  StartupRecord record;
  std::unique_ptr<MainWindow> window =
      StartProgramWindow(SetupFor(server.Address(GetParam().target), record));
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(IsWindowVisible(window->hwnd()));

  std::vector<std::string> expected = {"fetch visible=0 tray=1"};
  if (GetParam().notice) {
    // "请下载最新版本" titled "信息：", while the window is still hidden.
    expected.push_back(
        "box \xC7\xEB\xCF\xC2\xD4\xD8\xD7\xEE\xD0\xC2\xB0\xE6\xB1\xBE|\xD0\xC5\xCF\xA2\xA3\xBA"
        " hidden");
    expected.push_back("open http://127.0.0.1:9/home.html");
  }
  EXPECT_EQ(record.calls, expected);
  EXPECT_FALSE(IsWindowVisible(window->control(ControlId::按钮2)));
  EXPECT_FALSE(IsWindowVisible(window->control(ControlId::按钮3)));

  const HWND hwnd = window->hwnd();
  window.reset();
  EXPECT_FALSE(ShellHasIcon(hwnd));
  MSG quit;
  PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

INSTANTIATE_TEST_SUITE_P(
    VersionFiles, UpdateNoticeAtStartup,
    ::testing::Values(
        VersionCase{"same", "/reply?body=1.0", false},
        VersionCase{"newer", "/reply?body=1.1", true},
        VersionCase{"digits_then_letters", "/reply?body=2abc", true},
        VersionCase{"just_above", "/reply?body=1.0000001", true},
        VersionCase{"within_threshold", "/reply?body=1.00000001", false},
        VersionCase{"full_width", "/reply?body=%A3%B1%A3%AE%A3%B5", true},
        VersionCase{"empty", "/reply", false},
        VersionCase{"error_page",
                    "/reply?status=404&body=%3Chtml%3E%3Cbody%3E2.0+not+found%3C/body%3E%3C/html%3E",
                    false},
        VersionCase{"letters", "/reply?body=abc", false},
        VersionCase{"unreachable", "/__no_such_route__", false}),
    [](const ::testing::TestParamInfo<VersionCase>& param) { return std::string(param.param.name); });

// After the shell restarts, its new notification area knows no icons; it
// broadcasts "TaskbarCreated", and the window puts its icon back.
TEST(TrayAfterShellRestart, TheIconIsAddedAgain) {
  StartupRecord record;
  ProgramSetup setup = SetupFor("", record);
  setup.notice.fetch = [](const ByteText&) { return ByteBlock(); };
  std::unique_ptr<MainWindow> window = StartProgramWindow(std::move(setup));
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(ShellHasIcon(window->hwnd()));

  NOTIFYICONDATAW gone = {};
  gone.cbSize = sizeof(gone);
  gone.hWnd = window->hwnd();
  gone.uID = kTrayIconId;
  Shell_NotifyIconW(NIM_DELETE, &gone);  // what a shell restart leaves
  ASSERT_FALSE(ShellHasIcon(window->hwnd()));
  SendMessageW(window->hwnd(), TrayIcon::TaskbarCreatedMessage(), 0, 0);
  EXPECT_TRUE(ShellHasIcon(window->hwnd()));

  window.reset();
  MSG quit;
  PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

HWND ControlOf(HWND window, ControlId id) {
  struct Search {
    int id;
    HWND found;
  } search = {static_cast<int>(id), nullptr};
  EnumChildWindows(
      window,
      [](HWND child, LPARAM lparam) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lparam);
        if (GetDlgCtrlID(child) != s->id) return TRUE;
        s->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The loop of the real program ends as soon as the window is closed, while
// the search's worker is still inside a fetch that will not return soon;
// the tray icon is gone with the window.
// What the search's fetch shares with the test. Held by both, since the
// worker outlives the test's frame.
struct BlockingFetch {
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::atomic<bool> entered{false};
  std::atomic<bool> returned{false};
  ~BlockingFetch() { CloseHandle(release); }
};

TEST(Shutdown, ClosingDuringASearchEndsTheLoopWithoutWaitingForTheRun) {
  StartupRecord record;
  ProgramSetup setup = SetupFor("", record);
  setup.notice.fetch = [](const ByteText&) { return ByteBlock(); };
  auto fetch = std::make_shared<BlockingFetch>();
  setup.window.search.fetch = [fetch](const ByteText&) {
    fetch->entered = true;
    WaitForSingleObject(fetch->release, 60000);
    fetch->returned = true;
    return ByteBlock();
  };
  setup.window.search.today = [] { return CalendarDate{2026, 12, 11}; };

  HWND closed_window = nullptr;
  std::thread user([&] {
    HWND window = nullptr;
    for (int i = 0; i < 400 && (window == nullptr || !IsWindowVisible(window)); ++i) {
      Sleep(25);
      window = ProgramWindow();
    }
    SendMessageW(ControlOf(window, ControlId::编辑框1), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(L"bag"));
    SendMessageW(ControlOf(window, ControlId::编辑框2), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(L"shop"));
    PostMessageW(ControlOf(window, ControlId::按钮1), BM_CLICK, 0, 0);
    for (int i = 0; i < 400 && !fetch->entered; ++i) Sleep(25);
    closed_window = window;
    PostMessageW(window, WM_CLOSE, 0, 0);
  });

  const int code = RunProgram(std::move(setup));
  user.join();
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(fetch->entered);
  EXPECT_FALSE(fetch->returned);  // the loop did not wait for the run
  EXPECT_FALSE(IsWindow(closed_window));
  EXPECT_FALSE(ShellHasIcon(closed_window));

  // The worker goes on into a closed window; the rest of its run is dropped.
  SetEvent(fetch->release);
  for (int i = 0; i < 400 && !fetch->returned; ++i) Sleep(25);
  EXPECT_TRUE(fetch->returned);
}

}  // namespace
}  // namespace taoci

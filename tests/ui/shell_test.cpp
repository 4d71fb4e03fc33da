// The desktop pieces around the window: tray mapping and picture, the
// update decision and its sequence, and the browser hand-off.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "ui/browser_handoff.h"
#include "tests/ui/shell_icon_probe.h"
#include "ui/tray_icon.h"
#include "ui/update_notice.h"

namespace taoci {

extern const unsigned char kTrayIconFile[];
extern const std::size_t kTrayIconFile_size;

namespace {

TEST(TrayIcon, MouseActionsMapToTrayEvents) {
  struct Case {
    UINT message;
    int event;
  } cases[] = {
      {WM_LBUTTONUP, 1},   {WM_LBUTTONDBLCLK, 2}, {WM_RBUTTONUP, 3},   {WM_CONTEXTMENU, 3},
      {WM_MOUSEMOVE, 0},   {WM_LBUTTONDOWN, 0},   {WM_RBUTTONDOWN, 0}, {WM_MBUTTONUP, 0},
      {WM_MBUTTONDOWN, 0}, {WM_RBUTTONDBLCLK, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TrayEventFromNotification(static_cast<LPARAM>(c.message)), c.event) << c.message;
  }
}

TEST(TrayIcon, PictureIsOneSixteenPixel32BitIconFileOf1150Bytes) {
  ASSERT_EQ(kTrayIconFile_size, 1150u);
  const unsigned char header[] = {0, 0, 1, 0, 1, 0};
  EXPECT_EQ(std::memcmp(kTrayIconFile, header, 6), 0);
  EXPECT_EQ(kTrayIconFile[6], 16);  // width
  EXPECT_EQ(kTrayIconFile[7], 16);  // height
  EXPECT_EQ(kTrayIconFile[6 + 6], 32);  // bits per pixel
  EXPECT_EQ(kTrayIconFile[22], 40);  // bitmap header size
}

using test::ShellHasIcon;

TEST(TrayIcon, IsAddedToTheShellAndRemovedAgain) {
  HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                               nullptr, nullptr, nullptr);
  ASSERT_NE(owner, nullptr);
  {
    TrayIcon tray;
    tray.Add(owner);
    EXPECT_TRUE(ShellHasIcon(owner));
    tray.Remove();
    EXPECT_FALSE(ShellHasIcon(owner));
    tray.AddAgainAfterShellRestart();  // removed icons stay away
    EXPECT_FALSE(ShellHasIcon(owner));
    tray.Add(owner);
    tray.AddAgainAfterShellRestart();
    EXPECT_TRUE(ShellHasIcon(owner));
  }
  EXPECT_FALSE(ShellHasIcon(owner));  // the destructor removed it
  DestroyWindow(owner);
  EXPECT_NE(TrayIcon::TaskbarCreatedMessage(), 0u);
}

TEST(UpdateNotice, NewerOnlyAboveThisReleaseByMoreThanTheThreshold) {
  struct Case {
    const char* text;
    bool newer;
  } cases[] = {
      {"1.0", false},
      {"1.1", true},
      {"2abc", true},
      {"1.0000001", true},  // 1.0000000005838672e-7 above 1.0
      {"1.00000001", false},
      {"\xA3\xB1\xA3\xAE\xA3\xB5", true},  // 1.5 in full-width forms
      {"", false},
      {"<html><body>404 Not Found</body></html>", false},
      {"abc", false},
      {"0.9", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsNewerRelease(c.text), c.newer) << c.text;
}

struct NoticeRecorder {
  std::vector<std::string> calls;
  UpdateNoticeServices Services(std::string body) {
    UpdateNoticeServices s;
    s.version_address = "http://maker.example/zevlo/var.txt";
    s.home_page = "http://maker.example/";
    s.fetch = [this, body](const ByteText& address) {
      calls.push_back("fetch " + std::string(address.bytes()));
      return ByteBlock(body);
    };
    s.message_box = [this](const ByteText& text, const ByteText& title) {
      calls.push_back("box " + std::string(text.bytes()) + "|" + std::string(title.bytes()));
    };
    s.open_address = [this](const ByteText& address) {
      calls.push_back("open " + std::string(address.bytes()));
    };
    return s;
  }
};

TEST(UpdateNotice, NewerReleaseShowsTheMessageThenOpensTheHomePage) {
  NoticeRecorder recorder;
  RunUpdateNotice(recorder.Services("1.1"));
  const std::vector<std::string> expected = {
      "fetch http://maker.example/zevlo/var.txt",
      // "请下载最新版本" | "信息：" in GBK
      "box \xC7\xEB\xCF\xC2\xD4\xD8\xD7\xEE\xD0\xC2\xB0\xE6\xB1\xBE|\xD0\xC5\xCF\xA2\xA3\xBA",
      "open http://maker.example/",
  };
  EXPECT_EQ(recorder.calls, expected);
}

TEST(UpdateNotice, SameOrOlderOrUnreadableShowsNothing) {
  for (const std::string& body : {std::string("1.0"), std::string(), std::string("abc"),
                                   std::string("\0" "2.0", 4)}) {
    NoticeRecorder recorder;
    RunUpdateNotice(recorder.Services(body));
    ASSERT_EQ(recorder.calls.size(), 1u) << body;  // the fetch alone
  }
}

TEST(BrowserHandoff, InternetExplorerLineQuotesThePathAndKeepsTheAddress) {
  const ByteText address("http://s.example/search?q=a%20b&s=88&tab=all");
  EXPECT_EQ(InternetExplorerCommandLine(address),
            ByteText("\"C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE\" "
                     "http://s.example/search?q=a%20b&s=88&tab=all"));
}

}  // namespace
}  // namespace taoci

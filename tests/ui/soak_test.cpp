// A soak: one window, 100 searches in a row against the loopback test
// server, each found on page 3 with its picture. What the process holds is
// written down after the 1st, 10th and 100th search, and must not grow with
// the number of searches: private bytes, and the GDI and USER objects.
#include <windows.h>

#include <gtest/gtest.h>
#include <psapi.h>

#include <cstdio>
#include <map>
#include <string>

#include "tests/net/test_server.h"
#include "tests/ui/loopback_services.h"
#include "tests/ui/memory_marketplace.h"
#include "tests/ui/window_driver.h"

namespace taoci {
namespace {

using test::WindowUnderTest;
using enum ControlId;

struct Holdings {
  unsigned long long private_bytes = 0;
  DWORD gdi_objects = 0;
  DWORD user_objects = 0;
  int windows = 0;  // this thread's windows and all their children
};

BOOL CALLBACK CountWindow(HWND hwnd, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  EnumChildWindows(hwnd, CountWindow, count);
  return TRUE;
}

Holdings Measure() {
  Holdings holdings;
  PROCESS_MEMORY_COUNTERS_EX counters = {};
  counters.cb = sizeof(counters);
  if (GetProcessMemoryInfo(GetCurrentProcess(),
                           reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                           sizeof(counters))) {
    // Both are documented as the process's commit charge, its private bytes.
    // Wine fills in only PagefileUsage and leaves PrivateUsage at 0.
    holdings.private_bytes =
        counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
  }
  // Wine answers 0 to both; on Windows they are the process's counts.
  holdings.gdi_objects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  holdings.user_objects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  int windows = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&windows));
  holdings.windows = windows;
  return holdings;
}

TEST(Soak, HundredSearchesInOneWindowHoldNoMoreThanTen) {
  test::TestServer server;
  ASSERT_TRUE(server.available())
      << "no test server: run this program through tools/with_test_server.py (ctest does)";
  const auto target = test::ReadDescription("found/target.txt");
  WindowUnderTest w(test::LoopbackServices(server, "found"), [](MainWindow& window) {
    window.SetControlVisible(按钮2, false);
    window.SetControlVisible(按钮3, false);
  });
  w.FillSearch("茶具", ByteText(target.at("target1")), ByteText(target.at("target2")));

  std::map<int, Holdings> after;
  for (int search = 1; search <= 100; ++search) {
    ASSERT_TRUE(w.SearchAndWait()) << "search " << search;
    ASSERT_EQ(w.Text(标签7), ByteText("第 3 页，第 7 个")) << "search " << search;
    // Drawn every time, so that each picture is decoded and its bitmap made.
    UpdateWindow(w.hwnd());
    w.PrintClient(画板1);
    ASSERT_TRUE(w.window().picture_box().last_drawn().has_value()) << "search " << search;
    if (search == 1 || search == 10 || search == 100) after[search] = Measure();
  }

  std::printf("\n  after search   private bytes   GDI objects   USER objects   windows\n");
  for (const auto& [search, holdings] : after) {
    std::printf("  %12d   %13llu   %11lu   %12lu   %7d\n", search, holdings.private_bytes,
                static_cast<unsigned long>(holdings.gdi_objects),
                static_cast<unsigned long>(holdings.user_objects), holdings.windows);
  }
  // Equal handle counts: a search that kept one font, bitmap or window
  // would show 90 more. Under Wine the GDI and USER counts are always 0 and
  // prove nothing; the window count does, and so does the commit charge,
  // since Wine keeps GDI objects, the picture's bitmap among them (169 KB
  // each), in the process's own memory. The heap may settle a little after
  // the first searches; 90 searches that each kept a page or a picture would
  // hold many megabytes more.
  ASSERT_GT(after[10].private_bytes, 0u);
  EXPECT_EQ(after[100].windows, after[10].windows);
  EXPECT_EQ(after[100].gdi_objects, after[10].gdi_objects);
  EXPECT_EQ(after[100].user_objects, after[10].user_objects);
  EXPECT_LT(after[100].private_bytes, after[10].private_bytes + 2u * 1024 * 1024);
}

}  // namespace
}  // namespace taoci

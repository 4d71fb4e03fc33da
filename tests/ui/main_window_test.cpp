#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <string>

#include "ui/captions.h"
#include "ui/wide_text.h"

namespace taoci {
namespace {

TEST(MainWindow, IsCreatedHiddenCentredWithItsTitleAndSize) {
  MainWindow window;
  ASSERT_TRUE(window.Create());
  EXPECT_FALSE(IsWindowVisible(window.hwnd()));

  wchar_t title[128] = {};
  GetWindowTextW(window.hwnd(), title, 128);
  EXPECT_EQ(GbkFromWide(title), ByteText(captions::kWindowTitle));

  RECT rect = {};
  GetWindowRect(window.hwnd(), &rect);
  EXPECT_EQ(rect.right - rect.left, 737);
  EXPECT_EQ(rect.bottom - rect.top, 559);
  EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 737) / 2);
  EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 559) / 2);

  const LONG style = GetWindowLongW(window.hwnd(), GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
}

}  // namespace
}  // namespace taoci

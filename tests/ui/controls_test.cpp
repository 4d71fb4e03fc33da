// The control kinds as the window uses them: input modes of the edit boxes,
// the progress bar's stored values, the picture box, and Tab order.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/ui/memory_marketplace.h"
#include "tests/ui/pixels.h"
#include "tests/ui/test_host.h"
#include "tests/ui/window_driver.h"
#include "ui/controls/picture_box.h"
#include "ui/controls/progress_bar.h"
#include "ui/wide_text.h"

namespace taoci {
namespace {

using test::MemoryMarketplace;
using test::WindowUnderTest;
using enum ControlId;

void HideBrowserButtons(MainWindow& window) {
  window.SetControlVisible(按钮2, false);
  window.SetControlVisible(按钮3, false);
}

std::uint32_t ButtonFace() {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  return (static_cast<std::uint32_t>(GetRValue(face)) << 16) |
         (static_cast<std::uint32_t>(GetGValue(face)) << 8) | GetBValue(face);
}

// Typed characters, one WM_CHAR each, into an empty box.
TEST(EditBoxes, TypedCharactersAreFilteredByTheBoxsInputMode) {
  WindowUnderTest w({}, HideBrowserButtons);
  struct Case {
    ControlId box;
    std::wstring typed;
    std::wstring shown;
  } cases[] = {
      {编辑框4, L"a", L""},
      {编辑框4, L"-", L"-"},
      {编辑框4, L"5", L"5"},
      {编辑框4, L".", L""},
      {编辑框4, L"\u4E2D", L""},
      {编辑框5, L"1-2x3", L"1-23"},
      {编辑框6, L".", L"."},
      {编辑框6, L"-5.5a", L"-5.5"},
      {编辑框7, L"\u4E2D9", L"9"},
      {编辑框6, L"..--", L"..--"},
      {编辑框1, L"a\u4E2D.", L"a\u4E2D."},
      {编辑框2, L"x y", L"x y"},
      // Backspace is a control character: it passes and does its work.
      {编辑框5, L"12\b", L"1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.box));
    w.SetText(c.box, "");
    w.Focus(c.box);
    w.Type(c.box, c.typed);
    EXPECT_EQ(WideFromGbk(w.Text(c.box)), c.shown);
  }
  // An input method's characters are typed characters too.
  w.SetText(编辑框4, "");
  PostMessageW(w.Control(编辑框4), WM_IME_CHAR, L'a', 1);
  test::PumpPending(w.window());
  EXPECT_EQ(w.Text(编辑框4), ByteText());
}

TEST(EditBoxes, PastedAndProgramSetTextIsNotFiltered) {
  WindowUnderTest w({}, HideBrowserButtons);
  ASSERT_TRUE(OpenClipboard(w.hwnd()));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof(L"abc"));
  ASSERT_NE(memory, nullptr);
  std::memcpy(GlobalLock(memory), L"abc", sizeof(L"abc"));
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();

  w.SetText(编辑框4, "");
  SendMessageW(w.Control(编辑框4), WM_PASTE, 0, 0);
  EXPECT_EQ(w.Text(编辑框4), ByteText("abc"));
  // Ctrl+V arrives as the control character 0x16, which passes.
  w.SetText(编辑框6, "");
  w.Focus(编辑框6);
  w.Type(编辑框6, std::wstring(1, wchar_t{0x16}));
  EXPECT_EQ(w.Text(编辑框6), ByteText("abc"));
  w.SetText(编辑框5, "x.y");
  EXPECT_EQ(w.Text(编辑框5), ByteText("x.y"));
}

// The bar itself: stored values clamped to 0 ... 32767, shown clamped into
// 0 ... maximum.
TEST(ProgressBarControl, StoresClampedValuesAndShowsThePositionWithinTheMaximum) {
  test::TestHost host;
  ProgressBar bar;
  ASSERT_TRUE(bar.Create(host.hwnd(), 1, {0, 0, 300, 12}, 500, 0));
  struct Case {
    int maximum;
    int position;
    int stored_maximum;
    int stored_position;
    int shown_position;
  } cases[] = {
      {4400, 1, 4400, 1, 1}, {44000, 1, 32767, 1, 1}, {-132, 1, 0, 1, 0},
      {44, 51, 44, 51, 44},  {44, -5, 44, 0, 0},      {100, 40000, 100, 32767, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.maximum);
    bar.SetMaximum(c.maximum);
    bar.SetPosition(c.position);
    EXPECT_EQ(bar.maximum(), c.stored_maximum);
    EXPECT_EQ(bar.position(), c.stored_position);
    EXPECT_EQ(SendMessageW(bar.hwnd(), PBM_GETRANGE, FALSE, 0), c.stored_maximum);
    EXPECT_EQ(SendMessageW(bar.hwnd(), PBM_GETRANGE, TRUE, 0), 0);
    EXPECT_EQ(SendMessageW(bar.hwnd(), PBM_GETPOS, 0, 0), c.shown_position);
  }
  // Steps count on up to the limit and no further.
  bar.SetMaximum(44);
  bar.SetPosition(32760);
  bar.Advance(5);
  EXPECT_EQ(bar.position(), 32765);
  bar.Advance(5);
  EXPECT_EQ(bar.position(), 32767);
}

// The bar through a run: BeginProgress(44) and then item blocks examined on
// a one-page run, looked at while the run waits for the item's picture.
TEST(ProgressBarInARun, FullFromThe43rdStepStoredBeyondTheMaximumThenTheMaximumAtTheEnd) {
  struct Case {
    const char* folder;
    int steps;
    int stored;
    int shown;
  } cases[] = {{"match-42", 42, 43, 43}, {"match-43", 43, 44, 44}, {"match-50", 50, 51, 44}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    auto marketplace =
        MemoryMarketplace::FromGeneratedRun(c.folder, 1, test::ReadTestData("item.jpg"));
    const auto target = test::ReadDescription(std::string(c.folder) + "/target.txt");
    ASSERT_EQ(target.at("position"), std::to_string(c.steps));
    WindowUnderTest w(marketplace->Services(), HideBrowserButtons);
    w.FillSearch("茶具", ByteText(target.at("target1")), ByteText(target.at("target2")));
    w.SetText(编辑框5, "1");
    marketplace->HoldPicture();
    w.Click(按钮1);
    ASSERT_TRUE(test::PumpUntil(w.window(), [&] { return marketplace->held(); }));
    ASSERT_TRUE(test::PumpUntil(
        w.window(), [&] { return w.window().progress_bar().position() == c.stored; }, 10000));
    EXPECT_EQ(w.window().progress_bar().maximum(), 44);
    EXPECT_EQ(SendMessageW(w.Control(进度条1), PBM_GETPOS, 0, 0), c.shown);
    marketplace->Release();
    ASSERT_TRUE(test::PumpUntil(w.window(), [&] { return w.Enabled(按钮1); }));
    EXPECT_EQ(w.window().progress_bar().position(), 44);
    EXPECT_EQ(SendMessageW(w.Control(进度条1), PBM_GETPOS, 0, 0), 44);
  }
}

TEST(ProgressBarInARun, PageRangesBeyondTheLimitOrBackwardsClampTheMaximum) {
  struct Case {
    const char* first;
    const char* last;
    int maximum;
  } cases[] = {{"1", "1000", 32767}, {"5", "1", 0}, {"3", "2", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.last);
    auto marketplace = MemoryMarketplace::FromGeneratedRun("absent", 2, "");
    WindowUnderTest w(marketplace->Services(), HideBrowserButtons);
    w.FillSearch("茶具", "nowhere", "");
    w.SetText(编辑框4, c.first);
    w.SetText(编辑框5, c.last);
    ASSERT_TRUE(w.SearchAndWait());
    EXPECT_EQ(w.window().progress_bar().maximum(), c.maximum);
    EXPECT_EQ(w.window().progress_bar().position(), c.maximum);
    EXPECT_EQ(SendMessageW(w.Control(进度条1), PBM_GETRANGE, FALSE, 0), c.maximum);
    EXPECT_EQ(w.Text(标签7), ByteText("查无结果"));
  }
}

class PictureBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // 210 x 210 with its one-pixel border: a client area of 208 x 208.
    ASSERT_TRUE(box.Create(host.hwnd(), 1, {0, 0, 210, 210}));
    ShowWindow(host.hwnd(), SW_SHOWNOACTIVATE);
  }

  test::PixelArea Draw() { return test::PrintClientOf(box.hwnd()); }

  test::TestHost host;
  PictureBox box;
};

TEST_F(PictureBoxTest, CentresAPictureAndScalesItDownByOneFactorWhenTooLarge) {
  constexpr std::uint32_t kColour = 0x1E90FF;
  struct Case {
    int width, height;
    DrawRect expected;
  } cases[] = {
      {100, 50, {54, 79, 100, 50}},   // smaller: natural size, in the middle
      {300, 100, {0, 69, 208, 69}},   // too wide only: 100 * 208 / 300 = 69.3
      {100, 300, {69, 0, 69, 208}},   // too tall only
      {209, 50, {0, 79, 208, 49}},    // 50 * 208 / 209 = 49.8, truncated
      {416, 832, {52, 0, 104, 208}},  // both too large: the smaller factor
      {208, 208, {0, 0, 208, 208}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
    box.SetPicture(ByteBlock(test::SolidBmp(c.width, c.height, kColour)));
    const test::PixelArea area = Draw();
    ASSERT_TRUE(box.last_drawn().has_value());
    const DrawRect drawn = *box.last_drawn();
    EXPECT_EQ(drawn.left, c.expected.left);
    EXPECT_EQ(drawn.top, c.expected.top);
    EXPECT_EQ(drawn.width, c.expected.width);
    EXPECT_EQ(drawn.height, c.expected.height);
    const test::InkBox ink =
        test::BoxOf(area, [](std::uint32_t pixel) { return pixel == kColour; });
    EXPECT_EQ(ink.left, c.expected.left);
    EXPECT_EQ(ink.top, c.expected.top);
    EXPECT_EQ(ink.width, c.expected.width);
    EXPECT_EQ(ink.height, c.expected.height);
    int others = 0;
    for (std::uint32_t pixel : area.pixels) others += pixel != kColour && pixel != ButtonFace();
    EXPECT_EQ(others, 0);
  }
}

TEST_F(PictureBoxTest, BytesThatGiveNoPictureShowTheBackgroundAndAreDropped) {
  const std::string not_pictures[] = {
      std::string(), std::string("BM\x01\x02\x03\x04\x05", 7),  // fewer than eight bytes
      std::string("hello, this is no picture at all"),          // no known format
      test::SolidBmp(20, 20, 0).substr(0, 40),                  // a BMP cut short
  };
  for (const std::string& bytes : not_pictures) {
    SCOPED_TRACE(bytes.size());
    box.SetPicture(ByteBlock(test::SolidBmp(10, 10, 0x00FF00)));
    Draw();
    ASSERT_TRUE(box.last_drawn().has_value());
    box.SetPicture(ByteBlock(bytes));
    EXPECT_EQ(box.block().size(), bytes.size());  // kept until it is drawn
    const test::PixelArea area = Draw();
    EXPECT_FALSE(box.last_drawn().has_value());
    EXPECT_TRUE(box.block().empty());
    for (std::uint32_t pixel : area.pixels) ASSERT_EQ(pixel, ButtonFace());
  }
}

// Tab and Shift+Tab through the window, with the shift key's state set for
// this thread as the keyboard would set it.
class TabOrder : public ::testing::Test {
 protected:
  static void SetShift(bool down) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = down ? 0x80 : 0;
    SetKeyboardState(keys);
  }

  std::vector<ControlId> Walk(WindowUnderTest& w, ControlId from, int steps, bool backwards) {
    std::vector<ControlId> visited;
    w.Focus(from);
    SetShift(backwards);
    for (int i = 0; i < steps; ++i) {
      w.PressKey(w.FocusedControl(), VK_TAB);
      visited.push_back(w.FocusedControl());
    }
    SetShift(false);
    return visited;
  }
};

TEST_F(TabOrder, FollowsTheFocusNumbersSkippingHiddenControls) {
  WindowUnderTest w({}, HideBrowserButtons);
  const std::vector<ControlId> forwards = {
      编辑框2, 编辑框3, 按钮1,   编辑框4, 编辑框5, 单选框1, 单选框2,  单选框3, 单选框4, 单选框5,
      单选框6, 单选框7, 单选框8, 编辑框6, 编辑框7, 单选框9, 单选框10, 编辑框1, 编辑框2,
  };
  EXPECT_EQ(Walk(w, 编辑框1, 19, false), forwards);
  const std::vector<ControlId> backwards = {
      单选框10, 单选框9, 编辑框7, 编辑框6, 单选框8, 单选框7, 单选框6, 单选框5, 单选框4,
      单选框3,  单选框2, 单选框1, 编辑框5, 编辑框4, 按钮1,   编辑框3, 编辑框2, 编辑框1,
  };
  EXPECT_EQ(Walk(w, 编辑框1, 18, true), backwards);
  // A box reached by Tab has its text selected.
  w.SetText(编辑框5, "100");
  Walk(w, 编辑框4, 1, false);
  DWORD start = 0, end = 0;
  SendMessageW(w.Control(编辑框5), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 3u);
}

TEST_F(TabOrder, SkipsDisabledControlsAndEverythingInADisabledGroupBox) {
  WindowUnderTest w({});  // the browser buttons stay visible
  EnableWindow(w.Control(单选框3), FALSE);
  EnableWindow(w.Control(分组框1), FALSE);
  EnableWindow(w.Control(按钮3), FALSE);
  const std::vector<ControlId> forwards = {
      编辑框1, 按钮1,   编辑框4, 编辑框5, 按钮2,   单选框1, 单选框2, 单选框4,
      单选框5, 单选框6, 单选框7, 单选框8, 编辑框6, 编辑框7, 单选框9, 单选框10,
  };
  EXPECT_EQ(Walk(w, 单选框10, 16, false), forwards);
  EXPECT_EQ(Walk(w, 按钮2, 2, true), (std::vector<ControlId>{编辑框5, 编辑框4}));
}

}  // namespace
}  // namespace taoci

// The window as it is built: frame, controls, texts, fonts, colours, the
// window-created event, the tray event, dragging and the link line.
#include "ui/main_window.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/ui/pixels.h"
#include "tests/ui/window_driver.h"
#include "ui/captions.h"
#include "ui/wide_text.h"

namespace taoci {
namespace {

using test::WindowUnderTest;
using enum ControlId;

constexpr std::uint32_t kRed = 0xFF0000;

std::uint32_t ButtonFace() {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  return (static_cast<std::uint32_t>(GetRValue(face)) << 16) |
         (static_cast<std::uint32_t>(GetGValue(face)) << 8) | GetBValue(face);
}

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
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(GetWindowLongW(window.hwnd(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
}

// Every control exists under its parent, at its place relative to the
// parent's client area, with its caption read back through code page 936,
// visible and enabled.
TEST(MainWindow, BuildsEveryControlUnderItsParentAtItsPlaceWithItsCaption) {
  WindowUnderTest w({});
  for (const ControlRow& row : ControlTable()) {
    SCOPED_TRACE(static_cast<int>(row.id));
    HWND control = w.Control(row.id);
    ASSERT_NE(control, nullptr);
    HWND parent = w.Control(row.parent);
    EXPECT_EQ(GetParent(control), parent);
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, row.place.left);
    EXPECT_EQ(rect.top, row.place.top);
    EXPECT_EQ(rect.right - rect.left, row.place.width);
    EXPECT_EQ(rect.bottom - rect.top, row.place.height);
    EXPECT_TRUE(w.Visible(row.id));
    EXPECT_TRUE(w.Enabled(row.id));
    if (row.caption != nullptr) {
      EXPECT_EQ(w.Text(row.id), ByteText(row.caption));
    }
  }
}

TEST(MainWindow, StartsWithTheTextsAndStatesTheProgramReliesOn) {
  WindowUnderTest w({});
  // A few rows written out again, apart from the table.
  EXPECT_EQ(GetParent(w.Control(标签7)), w.Control(分组框2));
  EXPECT_EQ(GetParent(w.Control(单选框5)), w.Control(分组框3));
  EXPECT_EQ(GetParent(w.Control(编辑框3)), w.Control(分组框1));
  EXPECT_EQ(GetParent(w.Control(标签13)), w.Control(分组框4));
  EXPECT_EQ(w.Text(按钮1), ByteText("查询"));
  EXPECT_EQ(w.Text(标签9), ByteText("元 - "));
  EXPECT_EQ(w.Text(单选框10), ByteText("天猫"));

  EXPECT_EQ(w.Text(标签7), ByteText(test::kSiteLine));
  EXPECT_EQ(w.Text(透明标签9), ByteText(test::kSupportLine));
  EXPECT_EQ(w.Text(标签12), ByteText("----"));
  EXPECT_EQ(w.Text(标签13), ByteText(captions::kInstructions));
  EXPECT_EQ(w.Text(编辑框1), ByteText());
  EXPECT_EQ(w.Text(编辑框4), ByteText("1"));
  EXPECT_EQ(w.Text(编辑框5), ByteText("100"));
  EXPECT_TRUE(w.window().result_address().empty());

  for (ControlId radio : {单选框1, 单选框2, 单选框3, 单选框4, 单选框5, 单选框6, 单选框7, 单选框8,
                          单选框9, 单选框10}) {
    EXPECT_EQ(w.Checked(radio), radio == 单选框1 || radio == 单选框9) << static_cast<int>(radio);
  }
  EXPECT_EQ(w.window().progress_bar().maximum(), 500);
  EXPECT_EQ(w.window().progress_bar().position(), 0);
  EXPECT_EQ(SendMessageW(w.Control(进度条1), PBM_GETRANGE, FALSE, 0), 500);
  EXPECT_EQ(SendMessageW(w.Control(进度条1), PBM_GETPOS, 0, 0), 0);

  EXPECT_EQ(GetWindowLongW(w.Control(按钮1), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_EQ(GetWindowLongW(w.Control(按钮2), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
  for (ControlId box : {编辑框4, 编辑框5, 编辑框6, 编辑框7}) {
    EXPECT_TRUE(GetWindowLongW(w.Control(box), GWL_STYLE) & ES_CENTER);
  }
  for (ControlId box : {编辑框1, 编辑框2, 编辑框3}) {
    EXPECT_FALSE(GetWindowLongW(w.Control(box), GWL_STYLE) & ES_CENTER);
    EXPECT_TRUE(GetWindowLongW(w.Control(box), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  }
}

TEST(MainWindow, OwnFontsHaveTheirCharacterHeightAndWeightOthersTheGuiFont) {
  WindowUnderTest w({});
  struct Case {
    ControlId id;
    LONG height;
    LONG weight;
  } cases[] = {{标签7, -21, FW_NORMAL}, {标签12, -21, FW_BOLD}, {透明标签9, -12, FW_BOLD}};
  LOGFONTW gui = {};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(gui), &gui);
  for (const Case& c : cases) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(w.Control(c.id), WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    LOGFONTW logical = {};
    ASSERT_NE(GetObjectW(font, sizeof(logical), &logical), 0);
    EXPECT_EQ(logical.lfHeight, c.height) << static_cast<int>(c.id);
    EXPECT_EQ(logical.lfWeight, c.weight) << static_cast<int>(c.id);
    EXPECT_EQ(std::wstring(logical.lfFaceName), std::wstring(gui.lfFaceName));
  }
  for (ControlId id : {标签1, 标签13, 编辑框1, 单选框1, 按钮1, 分组框3}) {
    EXPECT_EQ(SendMessageW(w.Control(id), WM_GETFONT, 0, 0),
              reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)))
        << static_cast<int>(id);
  }
}

// What the labels draw: black, red and grey text on the window's colour.
TEST(MainWindow, LabelsDrawTheirTextInTheirColourOnTheWindowBackground) {
  WindowUnderTest w({});
  const std::uint32_t face = ButtonFace();
  struct Case {
    ControlId id;
    std::uint32_t text_colour;
  } cases[] = {{标签1, 0x000000}, {标签7, 0x000000}, {标签12, kRed}, {标签13, 0x808080}};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.id));
    const test::PixelArea area = w.PrintClient(c.id);
    ASSERT_GT(area.width, 0);
    EXPECT_EQ(area.at(0, 0), face);
    int text_pixels = 0;
    for (std::uint32_t pixel : area.pixels) text_pixels += pixel == c.text_colour;
    EXPECT_GT(text_pixels, 5);
  }
}

TEST(MainWindow, LabelShowsAnAmpersandAsItIs) {
  WindowUnderTest w({});
  auto ink = [](std::uint32_t pixel) { return pixel == 0x000000; };
  w.SetText(标签1, "&");
  const test::InkBox one = test::BoxOf(w.PrintClient(标签1), ink);
  w.SetText(标签1, "&&");
  const test::InkBox two = test::BoxOf(w.PrintClient(标签1), ink);
  // As a mnemonic "&" would draw nothing and "&&" one ampersand.
  EXPECT_GT(one.width, 0);
  EXPECT_GT(two.width, one.width);
}

// Auto-wrap off: one line, vertically centred, a line break starting
// nothing. Auto-wrap on: lines from the top, broken at the line break.
TEST(MainWindow, ResultLineWrapsOnlyWithAutoWrapOnAndCentresOneLineOtherwise) {
  WindowUnderTest w({});
  auto ink = [](std::uint32_t pixel) { return pixel == 0x000000; };
  w.SetText(标签7, "Ag\r\nAg");
  const test::PixelArea single = w.PrintClient(标签7);
  const auto single_bands = test::Bands(test::RowsWith(single, ink));
  ASSERT_EQ(single_bands.size(), 1u);
  const int above = single_bands.front().first;
  const int below = single.height - 1 - single_bands.front().second;
  EXPECT_LE(std::abs(above - below), 8) << above << " above, " << below << " below";

  // The search button's second message switches auto-wrap on.
  w.SetText(编辑框1, "kw");
  w.Click(按钮1);
  ASSERT_TRUE(w.window().label(标签7).auto_wrap());
  const test::PixelArea wrapped = w.PrintClient(标签7);
  const auto wrapped_bands = test::Bands(test::RowsWith(wrapped, ink));
  ASSERT_EQ(wrapped_bands.size(), 2u);
  EXPECT_LT(wrapped_bands.front().first, above);  // from the top, not centred
}

TEST(MainWindow, CreatedHandlerRunsWithAllControlsWhileTheWindowIsHidden) {
  bool ran = false;
  bool was_visible = true;
  int controls_seen = 0;
  WindowUnderTest w({}, [&](MainWindow& window) {
    ran = true;
    was_visible = IsWindowVisible(window.hwnd()) != FALSE;
    for (const ControlRow& row : ControlTable()) controls_seen += window.control(row.id) != nullptr;
    window.SetControlVisible(按钮2, false);
    window.SetControlVisible(按钮3, false);
  });
  EXPECT_TRUE(ran);
  EXPECT_FALSE(was_visible);
  EXPECT_EQ(controls_seen, kControlCount);
  EXPECT_FALSE(w.Visible(按钮2));
  EXPECT_FALSE(w.Visible(按钮3));
  EXPECT_TRUE(w.Visible(按钮1));
}

TEST(MainWindow, TrayEventsToggleVisibilityAndAMinimisedWindowCountsAsVisible) {
  WindowUnderTest w({});
  auto tray = [&](UINT mouse) {
    SendMessageW(w.hwnd(), kTrayMessage, kTrayIconId, static_cast<LPARAM>(mouse));
    test::PumpPending(w.window());
  };
  ASSERT_TRUE(IsWindowVisible(w.hwnd()));
  tray(WM_LBUTTONUP);
  EXPECT_FALSE(IsWindowVisible(w.hwnd()));
  tray(WM_MOUSEMOVE);  // no tray event
  EXPECT_FALSE(IsWindowVisible(w.hwnd()));
  tray(WM_RBUTTONUP);
  EXPECT_TRUE(IsWindowVisible(w.hwnd()));
  // A double click: release, double click, release; three toggles.
  tray(WM_LBUTTONUP);
  tray(WM_LBUTTONDBLCLK);
  tray(WM_LBUTTONUP);
  EXPECT_FALSE(IsWindowVisible(w.hwnd()));
  tray(WM_LBUTTONUP);

  ShowWindow(w.hwnd(), SW_MINIMIZE);
  test::PumpPending(w.window());
  tray(WM_LBUTTONUP);
  EXPECT_FALSE(IsWindowVisible(w.hwnd()));
  tray(WM_LBUTTONUP);
  EXPECT_TRUE(IsWindowVisible(w.hwnd()));
  EXPECT_TRUE(IsIconic(w.hwnd()));  // shown again as it was hidden
}

// Where a press lands. On the window's background, a label, a group box or
// the progress bar the system's hit test goes through to the window, which
// answers as its title bar: a press there moves the window. The link label,
// buttons, edit boxes, radio buttons and the picture box answer for
// themselves.
TEST(MainWindow, PressesOnTheSurfaceMoveTheWindowOthersStayWithTheirControl) {
  WindowUnderTest w({});
  SetWindowPos(w.hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  test::PumpPending(w.window());
  auto point_in = [&](ControlId id, int dx, int dy) {
    RECT rect = {};
    GetWindowRect(w.Control(id), &rect);
    return POINT{rect.left + dx, rect.top + dy};
  };
  auto hit_at = [&](POINT point, HWND* target) {
    *target = WindowFromPoint(point);
    return SendMessageW(*target, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
  };
  struct Case {
    ControlId id;
    int dx, dy;  // a point inside it that no sibling covers
    bool moves;
  } cases[] = {
      {标签11, 10, 12, true},   {标签13, 40, 40, true},    {标签7, 200, 20, true},
      {标签1, 20, 16, true},    {分组框3, 3, 60, true},    {分组框4, 100, 4, true},
      {分组框2, 3, 50, true},   {进度条1, 200, 6, true},   {透明标签9, 20, 8, false},
      {按钮1, 40, 16, false},   {编辑框1, 100, 12, false}, {编辑框6, 30, 12, false},
      {单选框9, 40, 12, false}, {单选框3, 40, 8, false},   {画板1, 100, 100, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.id));
    HWND target = nullptr;
    const LRESULT hit = hit_at(point_in(c.id, c.dx, c.dy), &target);
    if (c.moves) {
      EXPECT_EQ(target, w.hwnd());
      EXPECT_EQ(hit, HTCAPTION);
    } else {
      EXPECT_EQ(target, w.Control(c.id));
      EXPECT_EQ(hit, HTCLIENT);
    }
  }
  // The bare background, between the controls.
  RECT window_rect = {};
  GetWindowRect(w.Control(分组框2), &window_rect);
  HWND target = nullptr;
  EXPECT_EQ(hit_at(POINT{window_rect.left + 200, window_rect.bottom + 3}, &target), HTCAPTION);
  EXPECT_EQ(target, w.hwnd());
}

// Real mouse input through the system: press on a label, move, release.
void DragWithTheMouse(MainWindow& window, POINT from, POINT to) {
  SetCursorPos(from.x, from.y);
  test::PumpPending(window);
  const int screen_w = GetSystemMetrics(SM_CXSCREEN) - 1;
  const int screen_h = GetSystemMetrics(SM_CYSCREEN) - 1;
  auto at = [&](POINT p, DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = p.x * 65535 / screen_w;
    input.mi.dy = p.y * 65535 / screen_h;
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    return input;
  };
  INPUT inputs[] = {
      at(from, MOUSEEVENTF_LEFTDOWN),
      at(POINT{(from.x + to.x) / 2, (from.y + to.y) / 2}, 0),
      at(to, 0),
      at(to, MOUSEEVENTF_LEFTUP),
  };
  SendInput(4, inputs, sizeof(INPUT));
  // The move runs in the system's own loop inside the dispatch of the press.
  test::PumpUntil(
      window, [] { return (GetAsyncKeyState(VK_LBUTTON) & 0x8000) == 0; }, 5000);
  test::PumpPending(window);
}

TEST(MainWindow, DraggingALabelMovesTheWindowAndTheLinkLineDoesNot) {
  WindowUnderTest w({});
  SetWindowPos(w.hwnd(), HWND_TOPMOST, 100, 100, 0, 0, SWP_NOSIZE);
  test::PumpPending(w.window());
  RECT label = {};
  GetWindowRect(w.Control(标签11), &label);
  RECT before = {};
  GetWindowRect(w.hwnd(), &before);
  DragWithTheMouse(w.window(), POINT{label.left + 10, label.top + 12},
                   POINT{label.left + 70, label.top + 52});
  RECT after = {};
  GetWindowRect(w.hwnd(), &after);
  EXPECT_EQ(after.left - before.left, 60);
  EXPECT_EQ(after.top - before.top, 40);

  RECT link = {};
  GetWindowRect(w.Control(透明标签9), &link);
  DragWithTheMouse(w.window(), POINT{link.left + 20, link.top + 8},
                   POINT{link.left - 40, link.top - 30});
  RECT still = {};
  GetWindowRect(w.hwnd(), &still);
  EXPECT_EQ(still.left, after.left);
  EXPECT_EQ(still.top, after.top);
  ASSERT_EQ(w.desktop().opened().size(), 1u);
  EXPECT_EQ(w.desktop().opened().front(), ByteText(test::kSupportPage));
}

TEST(MainWindow, LinkLinePressOpensTheSupportPageOnceWithTheHandPointer) {
  WindowUnderTest w({});
  EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrW(w.Control(透明标签9), GCLP_HCURSOR)),
            LoadCursorW(nullptr, IDC_HAND));
  RECT before = {};
  GetWindowRect(w.hwnd(), &before);
  SendMessageW(w.Control(透明标签9), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 8));
  SendMessageW(w.Control(透明标签9), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 30));
  SendMessageW(w.Control(透明标签9), WM_LBUTTONUP, 0, MAKELPARAM(60, 30));
  test::PumpPending(w.window());
  ASSERT_EQ(w.desktop().opened().size(), 1u);
  EXPECT_EQ(w.desktop().opened().front(), ByteText(test::kSupportPage));
  RECT after = {};
  GetWindowRect(w.hwnd(), &after);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
}

TEST(MainWindow, EscapeNeitherClosesNorClears) {
  WindowUnderTest w({});
  w.SetText(编辑框1, "abc");
  w.Focus(编辑框1);
  w.PressKey(编辑框1, VK_ESCAPE);
  w.PressKey(按钮1, VK_ESCAPE);
  EXPECT_TRUE(IsWindow(w.hwnd()));
  EXPECT_TRUE(IsWindowVisible(w.hwnd()));
  EXPECT_EQ(w.Text(编辑框1), ByteText("abc"));
  EXPECT_EQ(w.Text(标签7), ByteText(test::kSiteLine));
}

TEST(MainWindow, ScreenshotAtStart) {
  WindowUnderTest w({}, [](MainWindow& window) {
    window.SetControlVisible(按钮2, false);
    window.SetControlVisible(按钮3, false);
  });
  EXPECT_TRUE(w.SaveScreenshot("window-at-start"));
}

}  // namespace
}  // namespace taoci

// Whole searches through the real window: the search button's handler, the
// run on its worker, its effects coming back to the window, and what the
// window shows afterwards. The marketplace is served from memory.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "search/search_address.h"
#include "tests/ui/memory_marketplace.h"
#include "tests/ui/window_driver.h"
#include "text/text_ops.h"
#include "ui/browser_handoff.h"
#include "ui/captions.h"

namespace taoci {
namespace {

using test::MemoryMarketplace;
using test::WindowUnderTest;
using enum ControlId;

constexpr char kKeyword[] = "茶具";  // the search word of the generated pages

// The inputs a run locks, and the ones it locks through their group box.
constexpr ControlId kLocked[] = {按钮1,   分组框1,  分组框3, 编辑框1,
                                 单选框9, 单选框10, 编辑框4, 编辑框5};
constexpr ControlId kInsideLockedGroups[] = {编辑框2, 编辑框3, 编辑框6, 编辑框7,
                                             单选框1, 单选框5, 单选框8};

void HideBrowserButtons(MainWindow& window) {
  window.SetControlVisible(按钮2, false);
  window.SetControlVisible(按钮3, false);
}

struct Fixture {
  std::map<std::string, std::string> target;
  std::shared_ptr<MemoryMarketplace> marketplace;
};

Fixture Found() {
  return {test::ReadDescription("found/target.txt"),
          MemoryMarketplace::FromGeneratedRun("found", 3, test::ReadTestData("item.jpg"))};
}

Fixture Absent() {
  return {test::ReadDescription("absent/target.txt"),
          MemoryMarketplace::FromGeneratedRun("absent", 2, test::ReadTestData("item.jpg"))};
}

void FillFor(WindowUnderTest& w, const Fixture& f) {
  w.FillSearch(kKeyword, ByteText(f.target.at("target1")), ByteText(f.target.at("target2")));
}

bool TakesInputNow(WindowUnderTest& w, ControlId id) {
  for (HWND hwnd = w.Control(id); hwnd != nullptr && hwnd != w.hwnd(); hwnd = GetParent(hwnd)) {
    if (!IsWindowEnabled(hwnd)) return false;
  }
  return true;
}

// The default pages 1 to 100, the item on page 3 at place 7.
TEST(Search, FoundOnPage3ShowsPlacePricePictureButtonsAndAFullBar) {
  Fixture f = Found();
  ASSERT_EQ(f.target["page"], "3");
  ASSERT_EQ(f.target["position"], "7");
  WindowUnderTest w(f.marketplace->Services(), HideBrowserButtons);
  FillFor(w, f);
  ASSERT_TRUE(w.SearchAndWait());

  EXPECT_EQ(w.Text(标签7), ByteText("第 3 页，第 7 个"));
  EXPECT_EQ(w.Text(标签12), ByteText(f.target["price"]));
  EXPECT_TRUE(w.Visible(按钮2));
  EXPECT_TRUE(w.Visible(按钮3));
  for (ControlId id : kLocked) EXPECT_TRUE(TakesInputNow(w, id)) << static_cast<int>(id);
  for (ControlId id : kInsideLockedGroups)
    EXPECT_TRUE(TakesInputNow(w, id)) << static_cast<int>(id);

  // Pages 1 to 100 give the maximum 4400; the end fills the bar.
  EXPECT_EQ(w.window().progress_bar().maximum(), 4400);
  EXPECT_EQ(w.window().progress_bar().position(), 4400);
  EXPECT_EQ(SendMessageW(w.Control(进度条1), PBM_GETPOS, 0, 0), 4400);

  // No page after the find is fetched, and the picture once.
  EXPECT_EQ(f.marketplace->fetched_pages(), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(f.marketplace->picture_fetches(), 1);
  const ByteText address = w.window().result_address();
  EXPECT_EQ(RightBytes(address, 5), ByteText("&s=88"));

  // The picture is decoded and drawn: the 230-pixel square scaled down to
  // the 208-pixel client area, its colours where the background would be.
  const test::PixelArea picture = w.PrintClient(画板1);
  ASSERT_TRUE(w.window().picture_box().last_drawn().has_value());
  const DrawRect drawn = *w.window().picture_box().last_drawn();
  EXPECT_EQ(drawn.width, 208);
  EXPECT_EQ(drawn.height, 208);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const std::uint32_t background = (static_cast<std::uint32_t>(GetRValue(face)) << 16) |
                                   (static_cast<std::uint32_t>(GetGValue(face)) << 8) |
                                   GetBValue(face);
  EXPECT_NE(picture.at(104, 104), background);
  EXPECT_NE(picture.at(5, 5), background);

  EXPECT_TRUE(w.SaveScreenshot("window-after-found-search"));

  // The two browser buttons hand over the page of the find, every time.
  w.Click(按钮2);
  w.Click(按钮3);
  w.Click(按钮2);
  ASSERT_EQ(w.desktop().opened().size(), 2u);
  EXPECT_EQ(w.desktop().opened().front(), address);
  EXPECT_EQ(w.desktop().opened().back(), address);
  ASSERT_EQ(w.desktop().command_lines().size(), 1u);
  EXPECT_EQ(w.desktop().command_lines().front(), InternetExplorerCommandLine(address));
}

TEST(Search, FoundNowhereShowsNothingFoundAndLeavesTheOutcomeEmpty) {
  Fixture f = Absent();
  WindowUnderTest w(f.marketplace->Services(), HideBrowserButtons);
  FillFor(w, f);
  w.SetText(编辑框5, "2");
  ASSERT_TRUE(w.SearchAndWait());

  EXPECT_EQ(w.Text(标签7), ByteText("查无结果"));
  EXPECT_EQ(w.Text(标签12), ByteText("----"));
  EXPECT_FALSE(w.Visible(按钮2));
  EXPECT_FALSE(w.Visible(按钮3));
  w.PrintClient(画板1);
  EXPECT_FALSE(w.window().picture_box().last_drawn().has_value());
  EXPECT_EQ(w.window().progress_bar().position(), 88);
  EXPECT_EQ(SendMessageW(w.Control(进度条1), PBM_GETPOS, 0, 0), 88);
  EXPECT_TRUE(w.window().result_address().empty());
  EXPECT_EQ(f.marketplace->fetched_pages(), (std::vector<int>{1, 2}));
  EXPECT_EQ(f.marketplace->picture_fetches(), 0);
  for (ControlId id : kLocked) EXPECT_TRUE(TakesInputNow(w, id)) << static_cast<int>(id);
}

// A second run that finds nothing keeps the first run's Result address,
// while the buttons that use it stay hidden.
TEST(Search, ARunThatFindsNothingKeepsTheEarlierResultAddress) {
  Fixture f = Found();
  WindowUnderTest w(f.marketplace->Services(), HideBrowserButtons);
  FillFor(w, f);
  w.SetText(编辑框5, "3");
  ASSERT_TRUE(w.SearchAndWait());
  const ByteText first = w.window().result_address();
  ASSERT_FALSE(first.empty());
  w.SetText(编辑框2, "not-on-any-page");
  w.SetText(编辑框3, "");
  ASSERT_TRUE(w.SearchAndWait());
  EXPECT_EQ(w.Text(标签7), ByteText("查无结果"));
  EXPECT_EQ(w.window().result_address(), first);
  EXPECT_FALSE(w.Visible(按钮2));
  EXPECT_FALSE(w.Visible(按钮3));
}

TEST(Search, NoKeywordAfterAFindResetsTheOutcomeButNotTheBarAndStartsNothing) {
  Fixture f = Found();
  WindowUnderTest w(f.marketplace->Services(), HideBrowserButtons);
  FillFor(w, f);
  ASSERT_TRUE(w.SearchAndWait());
  const ByteText address = w.window().result_address();
  const std::size_t fetches = f.marketplace->fetched_pages().size();

  w.SetText(编辑框1, "");
  w.Click(按钮1);
  EXPECT_EQ(w.Text(标签7), ByteText("您还未输入要搜索的关键词呢？！"));
  EXPECT_FALSE(w.window().label(标签7).auto_wrap());
  EXPECT_FALSE(w.Visible(按钮2));
  EXPECT_FALSE(w.Visible(按钮3));
  EXPECT_TRUE(w.window().picture_box().block().empty());
  w.PrintClient(画板1);
  EXPECT_FALSE(w.window().picture_box().last_drawn().has_value());
  EXPECT_EQ(w.Text(标签12), ByteText("----"));
  EXPECT_EQ(w.window().progress_bar().position(), 4400);
  EXPECT_EQ(w.window().result_address(), address);
  EXPECT_TRUE(w.Enabled(按钮1));  // no run: nothing locked
  test::PumpPending(w.window());
  EXPECT_EQ(f.marketplace->fetched_pages().size(), fetches);
}

TEST(Search, NoTargetKeywordShowsTwoLinesWithAutoWrapOnUntilTheNextClick) {
  Fixture f = Found();
  WindowUnderTest w(f.marketplace->Services(), HideBrowserButtons);
  w.SetText(编辑框1, kKeyword);
  w.Click(按钮1);
  EXPECT_EQ(w.Text(标签7), ByteText(captions::kNoTargetKeyword));
  EXPECT_TRUE(w.window().label(标签7).auto_wrap());
  EXPECT_TRUE(w.Enabled(按钮1));
  EXPECT_TRUE(f.marketplace->fetched_pages().empty());
  EXPECT_TRUE(w.SaveScreenshot("window-after-two-line-message"));

  // The next click switches auto-wrap off before anything else.
  w.SetText(编辑框1, "");
  w.Click(按钮1);
  EXPECT_FALSE(w.window().label(标签7).auto_wrap());
  EXPECT_EQ(w.Text(标签7), ByteText("您还未输入要搜索的关键词呢？！"));
}

// Nothing but IsEmpty is asked: blanks are a keyword, and one target
// keyword in either box is enough.
TEST(Search, BlanksInTheKeywordAndATargetInTheSecondBoxAloneStartARun) {
  struct Case {
    const char* keyword;
    const char* target1;
    const char* target2;
  } cases[] = {{"   ", "qqzzxx", ""}, {kKeyword, "", "xxzzqq"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keyword);
    Fixture f = Absent();
    WindowUnderTest w(f.marketplace->Services(), HideBrowserButtons);
    w.FillSearch(c.keyword, c.target1, c.target2);  // on no page
    w.SetText(编辑框5, "1");
    ASSERT_TRUE(w.SearchAndWait());
    EXPECT_EQ(f.marketplace->fetched_pages(), (std::vector<int>{1}));
    EXPECT_EQ(w.Text(标签7), ByteText("查无结果"));
  }
}

// Every input goes into the run's request as it stands in the window.
TEST(Search, TheRunAsksForWhatTheInputsSay) {
  Fixture f = Absent();
  WindowUnderTest w(f.marketplace->Services(), HideBrowserButtons);
  FillFor(w, f);
  w.Click(单选框10);
  w.Click(单选框5);
  w.SetText(编辑框6, "10.5");
  w.SetText(编辑框7, "99");
  w.SetText(编辑框4, "2");
  w.SetText(编辑框5, "2");
  ASSERT_TRUE(w.SearchAndWait());

  SearchRequest expected;
  expected.keyword = kKeyword;
  expected.target1 = ByteText(f.target["target1"]);
  expected.target2 = ByteText(f.target["target2"]);
  expected.scope = Scope::kTmall;
  expected.sort = SortOrder::kPriceAsc;
  expected.price_low_text = "10.5";
  expected.price_high_text = "99";
  expected.first_page_text = "2";
  expected.last_page_text = "2";
  EXPECT_EQ(f.marketplace->fetched_addresses(),
            (std::vector<ByteText>{PageAddress(BuildSearchAddress(expected, {2014, 10, 20}), 2)}));
}

TEST(Search, InputsAreLockedInTheirOrderWhileARunWorksAndEnterDoesNothing) {
  Fixture f = Found();
  WindowUnderTest w(f.marketplace->Services(), HideBrowserButtons);
  FillFor(w, f);
  f.marketplace->HoldPage(2);
  w.Focus(编辑框2);
  w.PressKey(编辑框2, VK_RETURN);  // Enter from a target box starts the run
  ASSERT_TRUE(test::PumpUntil(w.window(), [&] { return f.marketplace->held(); }));

  EXPECT_EQ(w.Text(标签7), ByteText("正在搜索中……"));
  for (ControlId id : kLocked) EXPECT_FALSE(w.Enabled(id)) << static_cast<int>(id);
  for (ControlId id : kInsideLockedGroups) {
    EXPECT_FALSE(TakesInputNow(w, id)) << static_cast<int>(id);
  }
  // The focus left the box that is locked through its group.
  EXPECT_NE(GetFocus(), w.Control(编辑框2));
  // Page 1's 44 blocks have been examined by now.
  test::PumpUntil(
      w.window(), [&] { return w.window().progress_bar().position() == 45; }, 10000);
  EXPECT_EQ(w.window().progress_bar().maximum(), 4400);
  EXPECT_EQ(w.window().progress_bar().position(), 45);

  // Enter, wherever it is pressed, starts nothing while the run lasts.
  w.PressKey(编辑框2, VK_RETURN);
  w.PressKey(编辑框1, VK_RETURN);
  PostMessageW(w.hwnd(), WM_KEYDOWN, VK_RETURN, 1);
  test::PumpPending(w.window());
  EXPECT_EQ(w.Text(标签7), ByteText("正在搜索中……"));

  f.marketplace->Release();
  ASSERT_TRUE(test::PumpUntil(w.window(), [&] { return w.Enabled(按钮1); }));
  EXPECT_EQ(f.marketplace->fetched_pages(), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(w.Text(标签7), ByteText("第 3 页，第 7 个"));
}

// No control of the window takes Enter for itself, a push button included:
// Enter on 按钮2 is a search, and opens nothing.
TEST(Search, EnterOnTheDefaultBrowserButtonSearchesAndOpensNothing) {
  Fixture f = Found();
  WindowUnderTest w(f.marketplace->Services(), HideBrowserButtons);
  FillFor(w, f);
  w.SetText(编辑框5, "3");
  ASSERT_TRUE(w.SearchAndWait());
  ASSERT_TRUE(w.Visible(按钮2));
  w.Focus(按钮2);
  ASSERT_EQ(GetFocus(), w.Control(按钮2));
  f.marketplace->HoldPage(1);
  w.PressKey(按钮2, VK_RETURN);
  ASSERT_TRUE(test::PumpUntil(w.window(), [&] { return f.marketplace->held(); }));
  EXPECT_FALSE(w.Enabled(按钮1));
  EXPECT_FALSE(w.Visible(按钮2));  // hidden by the reset, the focus gone from it
  EXPECT_NE(GetFocus(), w.Control(按钮2));
  f.marketplace->Release();
  ASSERT_TRUE(test::PumpUntil(w.window(), [&] { return w.Enabled(按钮1); }));
  EXPECT_TRUE(w.desktop().opened().empty());
  EXPECT_TRUE(w.desktop().command_lines().empty());
  EXPECT_EQ(f.marketplace->fetched_pages().size(), 6u);
}

// Closing the window while a run is fetching: the run goes on by itself and
// ends, and nothing of it reaches the window or its controls any more.
TEST(Search, ClosingWhileARunFetchesDropsEverythingStillToCome) {
  Fixture f = Found();
  WindowUnderTest w(f.marketplace->Services(), HideBrowserButtons);
  FillFor(w, f);
  f.marketplace->HoldPage(3);
  w.Click(按钮1);
  ASSERT_TRUE(test::PumpUntil(w.window(), [&] { return f.marketplace->held(); }));
  ASSERT_TRUE(test::PumpUntil(
      w.window(), [&] { return w.window().progress_bar().position() == 89; }, 10000));
  HANDLE worker = OpenThread(SYNCHRONIZE, FALSE, f.marketplace->held_thread());
  ASSERT_NE(worker, nullptr);

  SendMessageW(w.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(w.hwnd(), nullptr);
  f.marketplace->Release();
  // The run finds the item on page 3 and reports it all, into nothing.
  EXPECT_EQ(WaitForSingleObject(worker, 30000), WAIT_OBJECT_0);
  CloseHandle(worker);
  MSG stray;
  int effects_queued = 0;
  while (PeekMessageW(&stray, nullptr, MainWindow::kRunEffectMessage, MainWindow::kRunEffectMessage,
                      PM_REMOVE)) {
    effects_queued += stray.message == MainWindow::kRunEffectMessage;  // not the quit
  }
  EXPECT_EQ(effects_queued, 0);
  test::PumpPending(w.window());
  EXPECT_EQ(f.marketplace->picture_fetches(), 1);
  EXPECT_TRUE(w.window().result_address().empty());
  EXPECT_EQ(w.window().progress_bar().position(), 89);
  EXPECT_TRUE(w.window().picture_box().block().empty());
}

// Without a worker no run would ever end and unlock the window: it ends as
// a run that found nothing, and the next click tries again.
TEST(Search, AWorkerThatCannotStartEndsAsARunThatFoundNothing) {
  int starts = 0;
  WindowUnderTest w({}, HideBrowserButtons, [&starts](MainWindowSetup& setup) {
    setup.start_run = [&starts](SearchRequest, SearchRunSink&, SearchServices) {
      ++starts;
      return false;
    };
  });
  w.FillSearch(kKeyword, "t", "");
  w.Click(按钮1);
  EXPECT_EQ(starts, 1);
  EXPECT_EQ(w.Text(标签7), ByteText("查无结果"));
  for (ControlId id : kLocked) EXPECT_TRUE(TakesInputNow(w, id)) << static_cast<int>(id);
  EXPECT_EQ(w.window().progress_bar().position(), w.window().progress_bar().maximum());
  w.Click(按钮1);
  EXPECT_EQ(starts, 2);
}

TEST(Search, RadioButtonsUncheckOnlyTheirOwnGroup) {
  WindowUnderTest w({}, HideBrowserButtons);
  w.Click(单选框10);
  EXPECT_TRUE(w.Checked(单选框10));
  EXPECT_FALSE(w.Checked(单选框9));
  EXPECT_TRUE(w.Checked(单选框1));
  w.Click(单选框5);
  EXPECT_TRUE(w.Checked(单选框5));
  EXPECT_FALSE(w.Checked(单选框1));
  EXPECT_TRUE(w.Checked(单选框10));
  // The Space key on a focused radio button checks it as a click does.
  w.Focus(单选框8);
  SendMessageW(w.Control(单选框8), WM_KEYDOWN, VK_SPACE, 1);
  SendMessageW(w.Control(单选框8), WM_KEYUP, VK_SPACE, 1 | (1u << 30) | (1u << 31));
  test::PumpPending(w.window());
  EXPECT_TRUE(w.Checked(单选框8));
  EXPECT_FALSE(w.Checked(单选框5));
  int checked = 0;
  for (ControlId id : {单选框1, 单选框2, 单选框3, 单选框4, 单选框5, 单选框6, 单选框7, 单选框8}) {
    checked += w.Checked(id);
  }
  EXPECT_EQ(checked, 1);
}

}  // namespace
}  // namespace taoci

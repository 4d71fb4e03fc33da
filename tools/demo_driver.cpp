// Drives one search in a running taoci.exe from outside, the way a person at
// the window would: finds the main window, types the keyword and the two
// target words, presses the search button and waits until the result is
// shown whole (the found line, then the browser buttons, which come last).
// For the demo marketplace on a machine with no one at the screen
// (tools/demo-search.sh); it runs under the same Wine as the program.
//   demo_driver.exe [KEYWORD TARGET1 TARGET2]
// The defaults are the words the page generator puts on its target item.
// Exit status 0 when the item was found, 1 when the run found nothing, 2 when
// the window or the result never came.
#include <windows.h>

#include <cstdio>
#include <iterator>
#include <string>

#include "ui/control_layout.h"

namespace {

using taoci::ControlId;

constexpr DWORD kWindowWaitMs = 90'000;
constexpr DWORD kResultWaitMs = 180'000;
constexpr DWORD kPollMs = 100;

struct ChildSearch {
  int id;
  HWND found;
};

// The controls sit on the window or inside its group boxes: look through
// every descendant for the identifier.
HWND FindControl(HWND window, ControlId id) {
  ChildSearch search{static_cast<int>(id), nullptr};
  EnumChildWindows(
      window,
      [](HWND child, LPARAM data) -> BOOL {
        auto* wanted = reinterpret_cast<ChildSearch*>(data);
        if (GetDlgCtrlID(child) != wanted->id) return TRUE;
        wanted->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring TextOf(HWND control) {
  wchar_t buffer[1024] = {};
  GetWindowTextW(control, buffer, static_cast<int>(std::size(buffer)));
  return buffer;
}

void PrintUtf8(const char* prefix, const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), size, nullptr, nullptr);
  std::printf("%s%s\n", prefix, bytes.c_str());
  std::fflush(stdout);
}

// Polls `done` until it holds or `limit_ms` has gone by.
template <typename Done>
bool WaitFor(DWORD limit_ms, Done done) {
  const ULONGLONG start = GetTickCount64();
  while (!done()) {
    if (GetTickCount64() - start > limit_ms) return false;
    Sleep(kPollMs);
  }
  return true;
}

bool SetText(HWND window, ControlId id, const wchar_t* text) {
  HWND control = FindControl(window, id);
  if (control == nullptr) return false;
  SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const wchar_t* keyword = argc > 3 ? argv[1] : L"茶具";
  const wchar_t* target1 = argc > 3 ? argv[2] : L"汝窑天青";
  const wchar_t* target2 = argc > 3 ? argv[3] : L"景德镇瓷韵轩";

  HWND window = nullptr;
  // The window exists before its controls; wait for the last of the ones
  // used here as well.
  if (!WaitFor(kWindowWaitMs, [&] {
        window = FindWindowW(L"TaociMainWindow", nullptr);
        return window != nullptr && FindControl(window, ControlId::按钮2) != nullptr;
      })) {
    std::fprintf(stderr, "demo_driver: no taoci window came up\n");
    return 2;
  }
  if (!SetText(window, ControlId::编辑框1, keyword) ||
      !SetText(window, ControlId::编辑框2, target1) ||
      !SetText(window, ControlId::编辑框3, target2)) {
    std::fprintf(stderr, "demo_driver: the window lacks an edit box\n");
    return 2;
  }
  HWND result = FindControl(window, ControlId::标签7);
  HWND browser_button = FindControl(window, ControlId::按钮2);
  HWND search_button = FindControl(window, ControlId::按钮1);
  if (result == nullptr || search_button == nullptr) {
    std::fprintf(stderr, "demo_driver: the window lacks its result label or search button\n");
    return 2;
  }
  const std::wstring before = TextOf(result);
  SetForegroundWindow(window);
  SendMessageW(search_button, BM_CLICK, 0, 0);

  bool found = false;
  bool nothing = false;
  const bool ended = WaitFor(kResultWaitMs, [&] {
    const std::wstring text = TextOf(result);
    if (text == before) return false;
    nothing = text.find(L"查无结果") != std::wstring::npos;
    found = text.find(L"第 ") != std::wstring::npos && text.find(L" 个") != std::wstring::npos &&
            IsWindowVisible(browser_button);
    return found || nothing;
  });
  PrintUtf8("result: ", TextOf(result));
  if (!ended) {
    std::fprintf(stderr, "demo_driver: the search did not come to a result\n");
    return 2;
  }
  return found ? 0 : 1;
}

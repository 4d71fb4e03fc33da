#include "tests/ui/window_driver.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>

#include "tests/ui/png_file.h"
#include "ui/wide_text.h"

namespace taoci::test {

void DesktopRecorder::Open(const ByteText& address) {
  std::lock_guard<std::mutex> lock(mutex_);
  opened_.push_back(address);
}

bool DesktopRecorder::Run(const ByteText& command_line) {
  std::lock_guard<std::mutex> lock(mutex_);
  command_lines_.push_back(command_line);
  return true;
}

std::vector<ByteText> DesktopRecorder::opened() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return opened_;
}

std::vector<ByteText> DesktopRecorder::command_lines() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return command_lines_;
}

namespace {

void HandleQueued(MainWindow& window) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    // A window destroyed in an earlier step posts the loop's quit; a test
    // goes on.
    if (message.message == WM_QUIT) continue;
    if (window.PreTranslateMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace

bool PumpUntil(MainWindow& window, const std::function<bool()>& done, DWORD timeout_ms) {
  const ULONGLONG start = GetTickCount64();
  for (;;) {
    HandleQueued(window);
    if (done()) return true;
    if (GetTickCount64() - start > timeout_ms) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

void PumpPending(MainWindow& window) { HandleQueued(window); }

WindowUnderTest::WindowUnderTest(SearchServices services,
                                 std::function<void(MainWindow&)> on_created,
                                 const std::function<void(MainWindowSetup&)>& adjust)
    : desktop_(std::make_unique<DesktopRecorder>()) {
  MainWindowSetup setup;
  setup.search = std::move(services);
  setup.site_line = kSiteLine;
  setup.support_line = kSupportLine;
  setup.support_page = kSupportPage;
  DesktopRecorder* desktop = desktop_.get();
  setup.open_address = [desktop](const ByteText& address) { desktop->Open(address); };
  setup.run_command_line = [desktop](const ByteText& line) { return desktop->Run(line); };
  setup.on_created = std::move(on_created);
  if (adjust) adjust(setup);
  window_ = std::make_unique<MainWindow>(std::move(setup));
  EXPECT_TRUE(window_->Create()) << "last error " << GetLastError();
  ShowWindow(window_->hwnd(), SW_SHOWNORMAL);
  SetForegroundWindow(window_->hwnd());
  UpdateWindow(window_->hwnd());
  PumpPending(*window_);
}

ByteText WindowUnderTest::Text(ControlId id) const {
  wchar_t text[4096] = {};
  GetWindowTextW(Control(id), text, 4096);
  return GbkFromWide(text);
}

void WindowUnderTest::SetText(ControlId id, const ByteText& text) {
  const std::wstring wide = WideFromGbk(text);
  SendMessageW(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

bool WindowUnderTest::Enabled(ControlId id) const { return IsWindowEnabled(Control(id)) != FALSE; }

bool WindowUnderTest::Visible(ControlId id) const {
  return (GetWindowLongW(Control(id), GWL_STYLE) & WS_VISIBLE) != 0;
}

bool WindowUnderTest::Checked(ControlId id) const {
  return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void WindowUnderTest::Click(ControlId id) {
  SendMessageW(Control(id), BM_CLICK, 0, 0);
  PumpPending(*window_);
}

void WindowUnderTest::PressKey(ControlId id, WPARAM key) {
  HWND target = Control(id);
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, 1 | (1u << 30) | (1u << 31));
  PumpPending(*window_);
}

void WindowUnderTest::Type(ControlId id, const std::wstring& characters) {
  for (wchar_t c : characters) PostMessageW(Control(id), WM_CHAR, c, 1);
  PumpPending(*window_);
}

void WindowUnderTest::Focus(ControlId id) {
  SetFocus(Control(id));
  PumpPending(*window_);
}

ControlId WindowUnderTest::FocusedControl() const {
  HWND focus = GetFocus();
  for (const ControlRow& row : ControlTable()) {
    if (Control(row.id) == focus) return row.id;
  }
  return ControlId::窗口;
}

void WindowUnderTest::FillSearch(const ByteText& keyword, const ByteText& target1,
                                 const ByteText& target2) {
  SetText(ControlId::编辑框1, keyword);
  SetText(ControlId::编辑框2, target1);
  SetText(ControlId::编辑框3, target2);
}

bool WindowUnderTest::SearchAndWait(DWORD timeout_ms) {
  if (hwnd() == nullptr) return false;
  Click(ControlId::按钮1);
  return PumpUntil(
      *window_, [this] { return Enabled(ControlId::按钮1); }, timeout_ms);
}

namespace {

struct DibPixels {
  std::vector<std::uint32_t> pixels;
  int width = 0;
  int height = 0;
};

// Draws with `draw` into a 32-bit top-down bitmap of the given size.
DibPixels DrawIntoMemory(int width, int height, const std::function<void(HDC)>& draw) {
  DibPixels result;
  if (width <= 0 || height <= 0) return result;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC memory = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap != nullptr && bits != nullptr) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    draw(memory);
    GdiFlush();
    const auto* source = static_cast<const std::uint32_t*>(bits);
    result.pixels.assign(source, source + static_cast<std::size_t>(width) * height);
    for (std::uint32_t& pixel : result.pixels) pixel &= 0x00FFFFFF;
    result.width = width;
    result.height = height;
    SelectObject(memory, old);
  }
  if (bitmap != nullptr) DeleteObject(bitmap);
  DeleteDC(memory);
  return result;
}

}  // namespace

bool WindowUnderTest::SaveScreenshot(const std::string& name) {
  RedrawWindow(hwnd(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpPending(*window_);
  RECT rect = {};
  GetWindowRect(hwnd(), &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  // From the window's own device context: what was painted into the window,
  // frame included, whatever lies on top of it on the screen.
  HDC window_dc = GetWindowDC(hwnd());
  DibPixels shot = DrawIntoMemory(width, height, [&](HDC memory) {
    BitBlt(memory, 0, 0, width, height, window_dc, 0, 0, SRCCOPY);
  });
  ReleaseDC(hwnd(), window_dc);
  if (shot.pixels.empty()) return false;
  std::vector<std::uint8_t> rgb;
  rgb.reserve(shot.pixels.size() * 3);
  for (std::uint32_t pixel : shot.pixels) {
    rgb.push_back(static_cast<std::uint8_t>(pixel >> 16));
    rgb.push_back(static_cast<std::uint8_t>(pixel >> 8));
    rgb.push_back(static_cast<std::uint8_t>(pixel));
  }
  return WritePng(std::string(TAOCI_SCREENSHOT_DIR) + "/" + name + ".png", width, height, rgb);
}

PixelArea PrintClientOf(HWND hwnd) {
  RECT client = {};
  GetClientRect(hwnd, &client);
  DibPixels printed = DrawIntoMemory(client.right, client.bottom, [&](HDC memory) {
    SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
  });
  return PixelArea{std::move(printed.pixels), printed.width, printed.height};
}

PixelArea WindowUnderTest::PrintClient(ControlId id) const { return PrintClientOf(Control(id)); }

}  // namespace taoci::test

#include "ui/tray_icon.h"

#include <shellapi.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>

#include "ui/wide_text.h"

namespace taoci {

// The tray picture, compiled in from ui/icons/tray.ico: a standard icon
// file of one 16 x 16, 32-bit image.
extern const unsigned char kTrayIconFile[];
extern const std::size_t kTrayIconFile_size;

namespace {

constexpr char kTip[] = "墨桐淘词";
// The tip the shell takes is limited: cut to 62 bytes, never mid-character.
constexpr std::size_t kTipBytes = 62;

std::uint32_t ReadLe32(const unsigned char* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

HICON CreateTrayPicture() {
  // Header (6 bytes), then the one directory entry: the image's size at
  // offset 8 of the entry and its place in the file at offset 12.
  if (kTrayIconFile_size < 22) return nullptr;
  const std::uint32_t bytes = ReadLe32(kTrayIconFile + 6 + 8);
  const std::uint32_t offset = ReadLe32(kTrayIconFile + 6 + 12);
  if (offset > kTrayIconFile_size || bytes > kTrayIconFile_size - offset) return nullptr;
  return CreateIconFromResourceEx(const_cast<PBYTE>(kTrayIconFile + offset), bytes, TRUE,
                                  0x00030000, 16, 16, LR_DEFAULTCOLOR);
}

ByteText CutTip(std::string_view tip) {
  std::size_t end = 0;
  while (end < tip.size()) {
    const std::size_t width = static_cast<unsigned char>(tip[end]) >= 0x80 ? 2 : 1;
    if (end + width > kTipBytes) break;
    end += width;
  }
  return ByteText(tip.substr(0, std::min(end, tip.size())));
}

NOTIFYICONDATAW BaseData(HWND owner) {
  NOTIFYICONDATAW data = {};
  data.cbSize = sizeof(data);
  data.hWnd = owner;
  data.uID = kTrayIconId;
  return data;
}

}  // namespace

int TrayEventFromNotification(LPARAM lparam) {
  switch (LOWORD(lparam)) {
    case WM_LBUTTONUP:
      return 1;
    case WM_LBUTTONDBLCLK:
      return 2;
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU:
      return 3;
    default:
      return 0;
  }
}

TrayIcon::~TrayIcon() {
  Remove();
  if (icon_ != nullptr) DestroyIcon(icon_);
}

void TrayIcon::Add(HWND owner) {
  if (icon_ == nullptr) icon_ = CreateTrayPicture();
  owner_ = owner;
  NOTIFYICONDATAW data = BaseData(owner);
  data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  data.uCallbackMessage = kTrayMessage;
  data.hIcon = icon_;
  const std::wstring tip = WideFromGbk(CutTip(kTip));
  const std::size_t count = std::min(tip.size(), std::size(data.szTip) - 1);
  std::copy_n(tip.data(), count, data.szTip);
  data.szTip[count] = L'\0';
  Shell_NotifyIconW(NIM_ADD, &data);
}

void TrayIcon::AddAgainAfterShellRestart() {
  if (owner_ != nullptr) Add(owner_);
}

void TrayIcon::Remove() {
  if (owner_ == nullptr) return;
  NOTIFYICONDATAW data = BaseData(owner_);
  Shell_NotifyIconW(NIM_DELETE, &data);
  owner_ = nullptr;
}

UINT TrayIcon::TaskbarCreatedMessage() { return RegisterWindowMessageW(L"TaskbarCreated"); }

}  // namespace taoci

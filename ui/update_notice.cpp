#include "ui/update_notice.h"

#include <windows.h>

#include "text/text_ops.h"
#include "ui/wide_text.h"

namespace taoci {

namespace {

constexpr double kNewerThreshold = 0.0000001;
constexpr char kNoticeText[] = "请下载最新版本";
constexpr char kNoticeTitle[] = "信息：";

}  // namespace

bool IsNewerRelease(const ByteText& version_text) {
  const double available = TextToNumber(version_text);
  const double current = TextToNumber(kCurrentRelease);
  return available - current > kNewerThreshold && !IsEmpty(version_text);
}

void RunUpdateNotice(const UpdateNoticeServices& services) {
  const ByteText version = TextFromBlock(services.fetch(services.version_address));
  if (!IsNewerRelease(version)) return;
  services.message_box(kNoticeText, kNoticeTitle);
  services.open_address(services.home_page);
}

void ShowTaskModalMessage(const ByteText& text, const ByteText& title) {
  const std::wstring wide_text = WideFromGbk(text);
  const std::wstring wide_title = WideFromGbk(title.empty() ? ByteText(kNoticeTitle) : title);
  MessageBoxW(nullptr, wide_text.c_str(), wide_title.c_str(), MB_OK | MB_TASKMODAL);
}

}  // namespace taoci

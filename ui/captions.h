// The window's own texts. This code is compiled with GBK as its execution
// character set, so every narrow literal here is already the GBK bytes the
// program works with. The controls' captions stand in the control table.
#pragma once

#include "text/byte_text.h"
#include "text/text_ops.h"

namespace taoci::captions {

static_assert(sizeof("页") == 3, "ui/ must be compiled with -fexec-charset=GBK");

inline constexpr char kWindowTitle[] = "墨桐淘宝查词软件 V1.0  ——快速搜索宝贝所在位置";

// The result line's messages.
inline constexpr char kNoKeyword[] = "您还未输入要搜索的关键词呢？！";
inline constexpr char kNoTargetKeyword[] =
    "您还没输入要查找的宝贝关键词哦。\r\n可以输入店铺或宝贝标题的关键词。";
inline constexpr char kSearching[] = "正在搜索中……";
inline constexpr char kNothingFound[] = "查无结果";
inline constexpr char kFoundPage[] = "第 ";
inline constexpr char kFoundPlace[] = " 页，第 ";
inline constexpr char kFoundEnd[] = " 个";

// The price label when there is no price to show.
inline constexpr char kNoPrice[] = "----";

inline constexpr char kInstructions[] =
    "1、输入搜索关键词。\r\n"
    "2、选择排序方式及其他选项。\r\n"
    "3、输入要查找的宝贝关键词（可以输入宝贝标题或卖家账号的关键词）。\r\n"
    "4、点“查询”按钮开始搜索。\r\n"
    "\r\n"
    "找到后可以从软件中直接调用浏览器打开相应的列表页。";

// The result line before the first search: the maker's web site.
inline ByteText SiteLine(const ByteText& address, const ByteText& name) {
  return Concat({"官网：", address, "（", name, "）"});
}

// The link line: the support group's number.
inline ByteText SupportLine(const ByteText& group_number) {
  return Concat({"官方指定QQ群：", group_number});
}

}  // namespace taoci::captions

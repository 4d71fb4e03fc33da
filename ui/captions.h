// The window's own texts. This code is compiled with GBK as its execution
// character set, so every narrow literal here is already the GBK bytes the
// program works with.
#pragma once

namespace taoci::captions {

static_assert(sizeof("页") == 3, "ui/ must be compiled with -fexec-charset=GBK");

inline constexpr char kWindowTitle[] = "墨桐淘宝查词软件 V1.0  ——快速搜索宝贝所在位置";

}  // namespace taoci::captions

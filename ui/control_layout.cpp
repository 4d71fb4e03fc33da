#include "ui/control_layout.h"

#include <array>

#include "ui/captions.h"

namespace taoci {

namespace {

using enum ControlId;
using enum ControlKind;

constexpr ControlId W = 窗口;

// Places are in the parent's client coordinates. A parent comes before the
// controls inside it.
// clang-format off
constexpr std::array<ControlRow, kControlCount> kTable = {{
    // id       kind           parent   left, top, width, height   caption                trait
    {标签1,     kLabel,        W,       {16, 16, 88, 32},          "搜索关键词：",        Trait::kNone},
    {编辑框1,   kEditBox,      W,       {96, 20, 392, 24},         "",                    Trait::kNone},
    {单选框9,   kRadioButton,  W,       {32, 51, 80, 24},          "所有宝贝",            Trait::kChecked},
    {单选框10,  kRadioButton,  W,       {112, 51, 80, 24},         "天猫",                Trait::kNone},
    {标签4,     kLabel,        W,       {336, 52, 32, 24},         "从：",                Trait::kNone},
    {编辑框4,   kEditBox,      W,       {360, 52, 32, 24},         "1",                   Trait::kCentredInteger},
    {标签5,     kLabel,        W,       {401, 52, 16, 24},         "到",                  Trait::kNone},
    {编辑框5,   kEditBox,      W,       {421, 52, 35, 24},         "100",                 Trait::kCentredInteger},
    {标签6,     kLabel,        W,       {461, 52, 24, 24},         "页",                  Trait::kNone},
    {分组框3,   kGroupBox,     W,       {15, 85, 472, 128},        "排序方式",            Trait::kNone},
    {单选框1,   kRadioButton,  分组框3, {17, 24, 64, 24},          "综合",                Trait::kChecked},
    {单选框2,   kRadioButton,  分组框3, {89, 28, 112, 16},         "人气从高到低",        Trait::kNone},
    {单选框3,   kRadioButton,  分组框3, {212, 28, 120, 16},        "销量从高到低",        Trait::kNone},
    {单选框4,   kRadioButton,  分组框3, {339, 28, 120, 16},        "信用从高到低",        Trait::kNone},
    {单选框5,   kRadioButton,  分组框3, {17, 58, 104, 16},         "价格从低到高",        Trait::kNone},
    {单选框6,   kRadioButton,  分组框3, {131, 58, 104, 16},        "价格从高到低",        Trait::kNone},
    {单选框7,   kRadioButton,  分组框3, {243, 58, 104, 16},        "总价从低到高",        Trait::kNone},
    {单选框8,   kRadioButton,  分组框3, {355, 58, 104, 16},        "总价从高到低",        Trait::kNone},
    {标签8,     kLabel,        分组框3, {49, 93, 56, 16},          "价格：",              Trait::kNone},
    {编辑框6,   kEditBox,      分组框3, {89, 89, 64, 24},          "",                    Trait::kCentredDecimal},
    {标签9,     kLabel,        分组框3, {161, 93, 56, 16},         "元 - ",               Trait::kNone},
    {编辑框7,   kEditBox,      分组框3, {201, 89, 64, 24},         "",                    Trait::kCentredDecimal},
    {标签10,    kLabel,        分组框3, {273, 93, 56, 16},         "元",                  Trait::kNone},
    {分组框1,   kGroupBox,     W,       {15, 221, 472, 120},       "目标宝贝信息",        Trait::kNone},
    {标签2,     kLabel,        分组框1, {24, 32, 56, 24},          "关键词1：",           Trait::kNone},
    {编辑框2,   kEditBox,      分组框1, {77, 32, 363, 24},         "",                    Trait::kNone},
    {标签3,     kLabel,        分组框1, {24, 72, 56, 24},          "关键词2：",           Trait::kNone},
    {编辑框3,   kEditBox,      分组框1, {77, 72, 363, 24},         "",                    Trait::kNone},
    {进度条1,   kProgressBar,  W,       {15, 345, 472, 12},        "",                    Trait::kNone},
    {分组框2,   kGroupBox,     W,       {15, 364, 472, 104},       "结果",                Trait::kNone},
    {标签7,     kLabel,        分组框2, {24, 29, 432, 55},         nullptr,               Trait::kResultLine},
    {按钮2,     kPushButton,   W,       {23, 479, 152, 40},        "用默认浏览器打开",    Trait::kNone},
    {按钮3,     kPushButton,   W,       {191, 479, 144, 40},       "用IE浏览器打开",      Trait::kNone},
    {按钮1,     kPushButton,   W,       {391, 483, 88, 32},        "查询",                Trait::kDefaultButton},
    {画板1,     kPictureBox,   W,       {504, 24, 210, 210},       "",                    Trait::kNone},
    {标签11,    kLabel,        W,       {504, 248, 40, 24},        "价格：",              Trait::kNone},
    {标签12,    kLabel,        W,       {552, 240, 160, 40},       "----",                Trait::kPrice},
    {分组框4,   kGroupBox,     W,       {504, 285, 208, 152},      "软件说明",            Trait::kNone},
    {标签13,    kLabel,        分组框4, {16, 24, 176, 120},        captions::kInstructions, Trait::kInstructions},
    {透明标签9, kLinkLabel,    W,       {528, 504, 167, 16},       nullptr,               Trait::kSupportLink},
}};
// clang-format on

// Ascending focus number; the controls that share number 0 in the order
// given here.
// clang-format off
constexpr std::array kFocusOrder = {
    按钮2,   按钮3,   单选框1, 单选框2,  单选框3,  单选框4,  单选框5,  单选框6,
    单选框7, 单选框8, 编辑框6, 编辑框7,  单选框9,  单选框10,            // 0
    编辑框1,                                                            // 1
    编辑框2,                                                            // 2
    编辑框3,                                                            // 3
    按钮1,                                                              // 4
    编辑框4,                                                            // 98
    编辑框5,                                                            // 99
};
// clang-format on

constexpr std::array<SortButton, 8> kSortButtons = {{
    {单选框1, SortOrder::kOverall},
    {单选框2, SortOrder::kPopularityDesc},
    {单选框3, SortOrder::kSalesDesc},
    {单选框4, SortOrder::kCreditDesc},
    {单选框5, SortOrder::kPriceAsc},
    {单选框6, SortOrder::kPriceDesc},
    {单选框7, SortOrder::kTotalAsc},
    {单选框8, SortOrder::kTotalDesc},
}};

// Each name once, and a parent made before the controls inside it.
constexpr bool EachNameOnceParentsFirst() {
  for (std::size_t i = 0; i < kTable.size(); ++i) {
    if (kTable[i].id == 窗口) return false;
    bool parent_before = kTable[i].parent == 窗口;
    for (std::size_t j = 0; j < kTable.size(); ++j) {
      if (j != i && kTable[j].id == kTable[i].id) return false;
      if (j < i && kTable[j].id == kTable[i].parent && kTable[j].kind == kGroupBox) {
        parent_before = true;
      }
    }
    if (!parent_before) return false;
  }
  return true;
}
static_assert(EachNameOnceParentsFirst());

}  // namespace

std::span<const ControlRow> ControlTable() { return kTable; }

std::span<const ControlId> FocusOrder() { return kFocusOrder; }

std::span<const SortButton> SortButtons() { return kSortButtons; }

}  // namespace taoci

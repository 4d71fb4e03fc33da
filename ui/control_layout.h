// The window's controls as one table: name, kind, parent, place, caption and
// what sets each apart, in the order they are created. GUI thread or none:
// these are constants.
#pragma once

#include <span>

#include "search/search_request.h"
#include "ui/controls/control.h"
#include "ui/window.h"

namespace taoci {

// Each control's name, also its child-window identifier. `窗口` is the
// window itself, the parent of the controls that sit directly on it.
enum class ControlId : int {
  窗口 = 0,
  标签1,
  编辑框1,
  单选框9,
  单选框10,
  标签4,
  编辑框4,
  标签5,
  编辑框5,
  标签6,
  分组框3,
  单选框1,
  单选框2,
  单选框3,
  单选框4,
  单选框5,
  单选框6,
  单选框7,
  单选框8,
  标签8,
  编辑框6,
  标签9,
  编辑框7,
  标签10,
  分组框1,
  标签2,
  编辑框2,
  标签3,
  编辑框3,
  进度条1,
  分组框2,
  标签7,
  按钮2,
  按钮3,
  按钮1,
  画板1,
  标签11,
  标签12,
  分组框4,
  标签13,
  透明标签9,
};

inline constexpr int kControlCount = static_cast<int>(ControlId::透明标签9);

// What sets a control apart from the plain one of its kind.
enum class Trait {
  kNone,
  kChecked,         // radio button: checked at first
  kCentredInteger,  // edit box: text centred, integer-text input
  kCentredDecimal,  // edit box: text centred, decimal-text input
  kDefaultButton,   // push button: the default button
  kResultLine,      // label: centred, 21-pixel font
  kPrice,           // label: red, bold 21-pixel font
  kInstructions,    // label: grey, auto-wrap on
  kSupportLink,     // link label: grey, bold 12-pixel font, hand pointer
};

struct ControlRow {
  ControlId id;
  ControlKind kind;
  ControlId parent;
  ChildPlace place;
  // GBK; nullptr where the window is handed the text when it is built (the
  // web-site line, the support-group line).
  const char* caption;
  Trait trait;
};

std::span<const ControlRow> ControlTable();

// The progress bar as it starts.
inline constexpr int kInitialProgressMaximum = 500;
inline constexpr int kInitialProgressPosition = 0;

// Tab and Shift+Tab go through these, in this order, skipping the ones that
// are hidden or disabled at the moment.
std::span<const ControlId> FocusOrder();

// The sort radio buttons, first to last, with the order each stands for.
struct SortButton {
  ControlId id;
  SortOrder order;
};
std::span<const SortButton> SortButtons();

}  // namespace taoci

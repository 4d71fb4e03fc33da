// The window's side of a search: the search button's handler, which resets,
// validates, locks, takes the snapshot and starts the run, and the run's
// effects, applied on the GUI thread in the order the run made its calls.
#include <type_traits>
#include <utility>
#include <variant>

#include "text/text_ops.h"
#include "ui/captions.h"
#include "ui/main_window.h"

namespace taoci {

namespace {

// The inputs that a run locks and that its end unlocks, in this order.
constexpr ControlId kLockedDuringRun[] = {
    ControlId::分组框1,  ControlId::分组框3, ControlId::编辑框1, ControlId::单选框9,
    ControlId::单选框10, ControlId::编辑框4, ControlId::编辑框5,
};

}  // namespace

void MainWindow::OnSearchClicked() {
  // Only while idle: the button is disabled for the whole run, and a click
  // that reaches a disabled button by a message is not a click.
  if (!Get<PushButton>(ControlId::按钮1).enabled()) return;
  ResetOutcome();
  if (!InputsAreComplete()) {
    KeepFocusUsable();
    return;
  }
  Lock();
  if (!ChannelRunSink::StartRun(setup_.start_run, Snapshot(), setup_.search, channel_)) {
    // No worker, so no run will ever unlock the window: the end of a run
    // that found nothing is applied here instead, and the user may try again.
    FinishRun(false);
  }
}

void MainWindow::ResetOutcome() {
  Get<Label>(ControlId::标签7).SetAutoWrap(false);
  SetControlVisible(ControlId::按钮2, false);
  SetControlVisible(ControlId::按钮3, false);
  Get<PictureBox>(ControlId::画板1).SetPicture(BlockFromText(ByteText()));
  Get<Label>(ControlId::标签12).SetText(captions::kNoPrice);
}

bool MainWindow::InputsAreComplete() {
  Label& result_line = Get<Label>(ControlId::标签7);
  if (IsEmpty(Get<EditBox>(ControlId::编辑框1).Text())) {
    result_line.SetText(captions::kNoKeyword);
    return false;
  }
  if (IsEmpty(Get<EditBox>(ControlId::编辑框2).Text()) &&
      IsEmpty(Get<EditBox>(ControlId::编辑框3).Text())) {
    // Two lines: the message breaks at its line break only with wrapping on.
    result_line.SetAutoWrap(true);
    result_line.SetText(captions::kNoTargetKeyword);
    return false;
  }
  return true;
}

void MainWindow::Lock() {
  Get<PushButton>(ControlId::按钮1).SetEnabled(false);
  Get<Label>(ControlId::标签7).SetText(captions::kSearching);
  for (ControlId id : kLockedDuringRun) Get<Control>(id).SetEnabled(false);
  KeepFocusUsable();
}

SearchRequest MainWindow::Snapshot() const {
  SearchRequest request;
  request.keyword = Get<EditBox>(ControlId::编辑框1).Text();
  request.target1 = Get<EditBox>(ControlId::编辑框2).Text();
  request.target2 = Get<EditBox>(ControlId::编辑框3).Text();
  request.price_low_text = Get<EditBox>(ControlId::编辑框6).Text();
  request.price_high_text = Get<EditBox>(ControlId::编辑框7).Text();
  request.first_page_text = Get<EditBox>(ControlId::编辑框4).Text();
  request.last_page_text = Get<EditBox>(ControlId::编辑框5).Text();
  request.scope = Get<RadioButton>(ControlId::单选框9).checked()    ? Scope::kAll
                  : Get<RadioButton>(ControlId::单选框10).checked() ? Scope::kTmall
                                                                    : Scope::kNone;
  request.sort = SortOrder::kNone;
  for (const SortButton& button : SortButtons()) {
    if (Get<RadioButton>(button.id).checked()) {
      request.sort = button.order;
      break;
    }
  }
  return request;
}

void MainWindow::OnRunEffectMessage(LPARAM ticket) {
  if (!channel_) return;
  for (const RunEffect& effect : channel_->Take(ticket)) Apply(effect);
}

void MainWindow::Apply(const RunEffect& effect) {
  ProgressBar& bar = Get<ProgressBar>(ControlId::进度条1);
  std::visit(
      [&](const auto& call) {
        using Call = std::decay_t<decltype(call)>;
        if constexpr (std::is_same_v<Call, run_effects::BeginProgress>) {
          bar.SetMaximum(call.maximum);
          bar.SetPosition(1);
        } else if constexpr (std::is_same_v<Call, run_effects::AdvanceProgress>) {
          bar.Advance(call.times);
        } else if constexpr (std::is_same_v<Call, run_effects::ShowFound>) {
          Get<Label>(ControlId::标签7)
              .SetText(Concat({captions::kFoundPage, IntToText(call.page), captions::kFoundPlace,
                               IntToText(call.position), captions::kFoundEnd}));
          // Stored before the buttons that read it are shown (next effect).
          result_address_ = call.result_address;
        } else if constexpr (std::is_same_v<Call, run_effects::ShowPicture>) {
          Get<PictureBox>(ControlId::画板1).SetPicture(call.picture);
        } else if constexpr (std::is_same_v<Call, run_effects::ShowPrice>) {
          Get<Label>(ControlId::标签12).SetText(call.price);
        } else if constexpr (std::is_same_v<Call, run_effects::ShowBrowserButtons>) {
          SetControlVisible(ControlId::按钮2, true);
          SetControlVisible(ControlId::按钮3, true);
        } else {
          static_assert(std::is_same_v<Call, run_effects::FinishRun>);
          FinishRun(call.found);
        }
      },
      effect);
}

void MainWindow::FinishRun(bool found) {
  ProgressBar& bar = Get<ProgressBar>(ControlId::进度条1);
  bar.SetPosition(bar.maximum());
  if (!found) Get<Label>(ControlId::标签7).SetText(captions::kNothingFound);
  Get<PushButton>(ControlId::按钮1).SetEnabled(true);
  for (ControlId id : kLockedDuringRun) Get<Control>(id).SetEnabled(true);
}

}  // namespace taoci

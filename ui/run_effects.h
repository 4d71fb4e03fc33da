// What a search run asks of the window, one value per SearchRunSink call,
// carrying copies of the call's arguments. Made on the run's worker, applied
// on the GUI thread.
#pragma once

#include <variant>

#include "text/byte_block.h"
#include "text/byte_text.h"

namespace taoci::run_effects {

struct BeginProgress {
  int maximum;
};
// `times` AdvanceProgress calls in a row, told as one.
struct AdvanceProgress {
  int times;
};
struct ShowFound {
  int page;
  int position;
  ByteText result_address;
};
struct ShowPicture {
  ByteBlock picture;
};
struct ShowPrice {
  ByteText price;
};
struct ShowBrowserButtons {};
struct FinishRun {
  bool found;
};

}  // namespace taoci::run_effects

namespace taoci {

using RunEffect =
    std::variant<run_effects::BeginProgress, run_effects::AdvanceProgress, run_effects::ShowFound,
                 run_effects::ShowPicture, run_effects::ShowPrice, run_effects::ShowBrowserButtons,
                 run_effects::FinishRun>;

// Folds `next` into `pending`, the effect just before it, when applying the
// two one after the other is the same as applying the fold: only runs of
// AdvanceProgress. A page of many item blocks thus costs one message to the
// GUI thread while that thread is busy, not one per block, and the thread's
// message queue cannot fill up with them.
bool MergeRunEffect(RunEffect& pending, const RunEffect& next);

}  // namespace taoci

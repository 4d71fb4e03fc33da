// The search run: one whole search over a range of result pages, from the
// first page to the first match, reported through a sink.
#pragma once

#include <functional>

#include "search/search_address.h"
#include "taoci/build_config.h"
#include "search/search_request.h"
#include "text/byte_block.h"
#include "text/byte_text.h"

namespace taoci {

// What a run reports, in this order: BeginProgress once; AdvanceProgress once
// per item block examined; on a find ShowFound, ShowPicture, ShowPrice and
// ShowBrowserButtons, once each; FinishRun exactly once, last. Every call
// comes from the run's own thread, one at a time; an implementation must be
// callable from a thread other than its owner's and must not wait for a
// thread that may itself be waiting.
class SearchRunSink {
 public:
  virtual ~SearchRunSink() = default;

  virtual void BeginProgress(int maximum) = 0;
  virtual void AdvanceProgress() = 0;
  virtual void ShowFound(int page, int position, const ByteText& result_address) = 0;
  virtual void ShowPicture(const ByteBlock& picture) = 0;
  virtual void ShowPrice(const ByteText& price) = 0;
  virtual void ShowBrowserButtons() = 0;
  virtual void FinishRun(bool found) = 0;
};

// What a run needs from the world, handed in so that the search layer knows
// neither the network nor the clock. `fetch` gets an absolute address and
// gives the body, empty on failure; `today` gives the local calendar date.
// An empty function stands for a fetch that always fails, or for the date
// 0000-00-00. `search_host` is where the run's addresses go.
struct SearchServices {
  std::function<ByteBlock(const ByteText& address)> fetch;
  std::function<CalendarDate()> today;
  ByteText search_host = config::kSearchHost;
};

// The whole run on the calling thread; returns after FinishRun.
void RunSearch(const SearchRequest& request, SearchRunSink& sink, const SearchServices& services);

// Runs RunSearch on one new detached thread and returns at once; false when
// the thread could not be started, in which case the sink hears nothing. The
// sink must stay valid until its FinishRun.
bool StartSearchRun(SearchRequest request, SearchRunSink& sink, SearchServices services);

}  // namespace taoci

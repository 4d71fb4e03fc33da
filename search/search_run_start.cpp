// Starting a run on its own thread.
#include <system_error>
#include <thread>
#include <utility>

#include "search/search_run.h"

namespace taoci {

bool StartSearchRun(SearchRequest request, SearchRunSink& sink, SearchServices services) {
  try {
    // The thread owns its request and services; nothing waits for it, and it
    // ends by itself once the run has reported FinishRun.
    std::thread worker([request = std::move(request), &sink, services = std::move(services)] {
      RunSearch(request, sink, services);
    });
    worker.detach();
    return true;
  } catch (const std::system_error&) {
    return false;
  }
}

}  // namespace taoci

// A SearchRunSink that writes down every call, in order, as a line of text;
// runs of AdvanceProgress are folded into one line with their count, so that
// a whole run reads as a short list.
#pragma once

#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "search/search_run.h"

namespace taoci::fixtures {

class RecordingSink : public SearchRunSink {
 public:
  void BeginProgress(int maximum) override;
  void AdvanceProgress() override;
  void ShowFound(int page, int position, const ByteText& result_address) override;
  void ShowPicture(const ByteBlock& picture) override;
  void ShowPrice(const ByteText& price) override;
  void ShowBrowserButtons() override;
  void FinishRun(bool found) override;

  std::vector<std::string> Calls() const;
  int Advances() const;
  // Waits until FinishRun has been called, at most `seconds`; false if not.
  bool WaitForFinish(int seconds) const;

 private:
  void Record(std::string call);

  mutable std::mutex mutex_;
  mutable std::condition_variable finished_;
  std::vector<std::string> calls_;
  int advances_ = 0;
  bool finished_run_ = false;
};

}  // namespace taoci::fixtures

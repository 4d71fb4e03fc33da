// The program's one window. GUI thread only.
#pragma once

#include "ui/window.h"

namespace taoci {

class MainWindow : public Window {
 public:
  static constexpr int kOuterWidth = 737;
  static constexpr int kOuterHeight = 559;

  // Creates the window hidden, already centred on the whole primary display
  // (not the work area), as it first appears.
  bool Create();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
};

}  // namespace taoci

// The program's one window `窗口`: the inputs of a search, the search button,
// the progress bar, the outcome of the last search and the link line. It
// runs the search button's handler and applies what a running search reports.
// GUI thread only, except where a comment says otherwise.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "search/search_run.h"
#include "text/byte_text.h"
#include "ui/control_layout.h"
#include "ui/controls/buttons.h"
#include "ui/controls/edit_box.h"
#include "ui/controls/label.h"
#include "ui/controls/link_label.h"
#include "ui/controls/picture_box.h"
#include "ui/controls/progress_bar.h"
#include "ui/gdi_objects.h"
#include "ui/run_channel.h"
#include "ui/run_effects.h"
#include "ui/tray_icon.h"
#include "ui/window.h"

namespace taoci {

class MainWindow;

// What the window is built with: everything it needs from outside.
struct MainWindowSetup {
  // What each search run is handed: the fetch, the clock, the search host.
  SearchServices search;
  // The first text of `标签7` (captions::SiteLine) and the text of `透明标签9`
  // (captions::SupportLine).
  ByteText site_line;
  ByteText support_line;
  // Opened when the left button goes down on `透明标签9`.
  ByteText support_page;
  // The desktop: `按钮2` hands the Result address to open_address, `按钮3` an
  // Internet Explorer command line to run_command_line. An empty function
  // does nothing.
  std::function<void(const ByteText& address)> open_address;
  std::function<bool(const ByteText& command_line)> run_command_line;
  // The window-created event: at the end of WM_CREATE, every control made,
  // the window still hidden.
  std::function<void(MainWindow& window)> on_created;
  // How a run is started: StartSearchRun when empty, as the program leaves
  // it. A test puts in a start that fails, to see the window recover.
  std::function<bool(SearchRequest, SearchRunSink&, SearchServices)> start_run;
};

class MainWindow : public Window {
 public:
  static constexpr int kOuterWidth = 737;
  static constexpr int kOuterHeight = 559;
  // The message that carries a search run's effects.
  static constexpr UINT kRunEffectMessage = WM_APP + 1;

  explicit MainWindow(MainWindowSetup setup = {});
  ~MainWindow() override;

  // Creates the window and its controls, hidden, already centred on the
  // whole primary display (not the work area), as it first appears.
  bool Create();

  // The keyboard of the window, for the message loop to call before
  // TranslateMessage and DispatchMessage: true when the message was handled
  // here and must go no further. Enter clicks `按钮1` whenever it is enabled,
  // whichever control has the focus; Escape does nothing; Tab and Shift+Tab
  // follow the focus order. No control of this window takes these keys for
  // itself, so they are taken before any control sees them.
  bool PreTranslateMessage(const MSG& message);

  // What start-up uses: hiding and showing a control (`按钮2`, `按钮3`), and
  // the window's own visibility. Visible, minimised included, becomes
  // hidden; hidden becomes shown with the plain show-and-activate.
  void SetControlVisible(ControlId id, bool visible);
  void ToggleVisibility();
  TrayIcon& tray() { return tray_; }

  // The page on which the last find was made; empty until a search finds
  // something, replaced by each find and never cleared.
  const ByteText& result_address() const { return result_address_; }

  // The controls, for reading them back.
  HWND control(ControlId id) const;
  const Label& label(ControlId id) const;
  const ProgressBar& progress_bar() const;
  const PictureBox& picture_box() const;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  bool CreateFonts();
  bool CreateControls();
  std::unique_ptr<Control> CreateControl(const ControlRow& row);
  LabelLook LookFor(Trait trait) const;
  void Destroyed();

  template <class T>
  T& Get(ControlId id) const;

  // The search button's handler and its steps.
  void OnSearchClicked();
  void ResetOutcome();
  bool InputsAreComplete();
  void Lock();
  SearchRequest Snapshot() const;
  void KeepFocusUsable();

  // A run's effects, applied in the order of the calls.
  void OnRunEffectMessage(LPARAM ticket);
  void Apply(const RunEffect& effect);
  void FinishRun(bool found);

  void MoveFocus(bool backwards);

  MainWindowSetup setup_;
  OwnedFont result_font_;
  OwnedFont price_font_;
  OwnedFont link_font_;
  std::array<std::unique_ptr<Control>, kControlCount + 1> controls_;
  std::vector<HWND> focus_order_;
  // Where the focus was when the window was last deactivated.
  HWND last_focus_ = nullptr;
  ByteText result_address_;
  TrayIcon tray_;
  UINT taskbar_created_ = 0;
  std::shared_ptr<RunChannel> channel_;
};

template <class T>
T& MainWindow::Get(ControlId id) const {
  const auto index = static_cast<std::size_t>(id);
  T* found = index < controls_.size() ? dynamic_cast<T*>(controls_[index].get()) : nullptr;
  // Every name has one kind, fixed by the table: anything else is a fault
  // of this program, not of its input.
  if (found == nullptr) std::abort();
  return *found;
}

}  // namespace taoci

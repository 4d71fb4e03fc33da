// The window itself: its creation from the control table, its messages, the
// keyboard and the tray. The search button's handler and a run's effects are
// in main_window_search.cpp.
#include "ui/main_window.h"

#include <string>
#include <utility>

#include "ui/browser_handoff.h"
#include "ui/captions.h"
#include "ui/focus_navigation.h"
#include "ui/wide_text.h"

namespace taoci {

namespace {

constexpr wchar_t kClassName[] = L"TaociMainWindow";
// A fixed frame with a system menu and a minimise button, no maximise.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
// The program's main icon, resource 1 of taoci.rc. A test program has none,
// and its window simply shows the default.
constexpr int kMainIconResource = 1;

// The default GUI font's face and character set at another character
// height and weight: these fonts name no face of their own, so they take the
// platform's default, the one every other control shows.
OwnedFont GuiFontOfHeight(int character_height, int weight) {
  LOGFONTW font = {};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
  font.lfHeight = -character_height;  // negative: the character height, not the cell
  font.lfWidth = 0;
  font.lfWeight = weight;
  return OwnedFont(CreateFontIndirectW(&font));
}

HFONT DefaultGuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

std::size_t IndexOf(ControlId id) { return static_cast<std::size_t>(id); }

}  // namespace

MainWindow::MainWindow(MainWindowSetup setup) : setup_(std::move(setup)) {}

MainWindow::~MainWindow() {
  // Destroyed here, while this object is whole, so that WM_DESTROY closes the
  // run channel and removes the tray icon.
  if (hwnd() != nullptr) DestroyWindow(hwnd());
}

bool MainWindow::Create() {
  const int left = (GetSystemMetrics(SM_CXSCREEN) - kOuterWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kOuterHeight) / 2;
  const std::wstring title = WideFromGbk(captions::kWindowTitle);
  HICON icon =
      static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kMainIconResource),
                                    IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  const OwnWindowClass window_class = {kClassName, LoadCursorW(nullptr, IDC_ARROW),
                                       GetSysColorBrush(COLOR_BTNFACE), icon};
  return CreateTopLevel(window_class, title.c_str(), kStyle, WS_EX_APPWINDOW, left, top,
                        kOuterWidth, kOuterHeight);
}

bool MainWindow::CreateFonts() {
  result_font_ = GuiFontOfHeight(21, FW_NORMAL);
  price_font_ = GuiFontOfHeight(21, FW_BOLD);
  link_font_ = GuiFontOfHeight(12, FW_BOLD);
  return result_font_ && price_font_ && link_font_;
}

LabelLook MainWindow::LookFor(Trait trait) const {
  LabelLook look;
  look.font = DefaultGuiFont();
  switch (trait) {
    case Trait::kResultLine:
      look.horizontal = HorizontalAlign::kCentre;
      look.font = result_font_.get();
      break;
    case Trait::kPrice:
      look.colour = RGB(255, 0, 0);
      look.font = price_font_.get();
      break;
    case Trait::kInstructions:
      look.auto_wrap = true;
      look.colour = RGB(128, 128, 128);
      break;
    case Trait::kSupportLink:
      look.colour = RGB(128, 128, 128);
      look.font = link_font_.get();
      break;
    default:
      break;
  }
  return look;
}

std::unique_ptr<Control> MainWindow::CreateControl(const ControlRow& row) {
  HWND parent = row.parent == ControlId::窗口 ? hwnd() : control(row.parent);
  const int id = static_cast<int>(row.id);
  ByteText caption = row.caption != nullptr ? ByteText(row.caption) : ByteText();
  if (row.id == ControlId::标签7) caption = setup_.site_line;
  if (row.id == ControlId::透明标签9) caption = setup_.support_line;

  std::unique_ptr<Control> made;
  bool created = false;
  switch (row.kind) {
    case ControlKind::kLabel: {
      auto label = std::make_unique<Label>();
      created = label->Create(parent, id, row.place, caption, LookFor(row.trait));
      made = std::move(label);
      break;
    }
    case ControlKind::kLinkLabel: {
      auto link = std::make_unique<LinkLabel>();
      created = link->Create(parent, id, row.place, caption, LookFor(row.trait));
      made = std::move(link);
      break;
    }
    case ControlKind::kEditBox: {
      const InputMode mode = row.trait == Trait::kCentredInteger   ? InputMode::kIntegerText
                             : row.trait == Trait::kCentredDecimal ? InputMode::kDecimalText
                                                                   : InputMode::kAny;
      auto edit = std::make_unique<EditBox>();
      created = edit->Create(parent, id, row.place, caption, mode != InputMode::kAny, mode);
      made = std::move(edit);
      break;
    }
    case ControlKind::kRadioButton: {
      auto radio = std::make_unique<RadioButton>();
      created = radio->Create(parent, id, row.place, caption, row.trait == Trait::kChecked);
      made = std::move(radio);
      break;
    }
    case ControlKind::kPushButton: {
      auto button = std::make_unique<PushButton>();
      created = button->Create(parent, id, row.place, caption, row.trait == Trait::kDefaultButton);
      made = std::move(button);
      break;
    }
    case ControlKind::kGroupBox: {
      auto group = std::make_unique<GroupBox>();
      created = group->Create(parent, id, row.place, caption);
      made = std::move(group);
      break;
    }
    case ControlKind::kProgressBar: {
      auto bar = std::make_unique<ProgressBar>();
      created =
          bar->Create(parent, id, row.place, kInitialProgressMaximum, kInitialProgressPosition);
      made = std::move(bar);
      break;
    }
    case ControlKind::kPictureBox: {
      auto picture = std::make_unique<PictureBox>();
      created = picture->Create(parent, id, row.place);
      made = std::move(picture);
      break;
    }
  }
  if (!created) return nullptr;
  if (row.kind != ControlKind::kLabel && row.kind != ControlKind::kLinkLabel) {
    SendMessageW(made->hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(DefaultGuiFont()), FALSE);
  }
  return made;
}

bool MainWindow::CreateControls() {
  for (const ControlRow& row : ControlTable()) {
    std::unique_ptr<Control> made = CreateControl(row);
    if (!made) return false;
    controls_[IndexOf(row.id)] = std::move(made);
  }
  // Some labels reach under the edit box beside them. Below every sibling,
  // and clipped by them, a label's background never covers a box.
  for (const ControlRow& row : ControlTable()) {
    if (row.kind == ControlKind::kLabel) {
      SetWindowPos(control(row.id), HWND_BOTTOM, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
  focus_order_.clear();
  for (ControlId id : FocusOrder()) focus_order_.push_back(control(id));

  Get<PushButton>(ControlId::按钮1).on_click = [this] { OnSearchClicked(); };
  Get<PushButton>(ControlId::按钮2).on_click = [this] {
    if (setup_.open_address) setup_.open_address(result_address_);
  };
  Get<PushButton>(ControlId::按钮3).on_click = [this] {
    // Whether Internet Explorer started is of no consequence here.
    if (setup_.run_command_line)
      setup_.run_command_line(InternetExplorerCommandLine(result_address_));
  };
  Get<LinkLabel>(ControlId::透明标签9).on_press = [this] {
    if (setup_.open_address) setup_.open_address(setup_.support_page);
  };
  return true;
}

HWND MainWindow::control(ControlId id) const {
  if (id == ControlId::窗口) return hwnd();
  const std::size_t index = IndexOf(id);
  if (index >= controls_.size() || !controls_[index]) return nullptr;
  return controls_[index]->hwnd();
}

const Label& MainWindow::label(ControlId id) const { return Get<Label>(id); }

const ProgressBar& MainWindow::progress_bar() const { return Get<ProgressBar>(ControlId::进度条1); }

const PictureBox& MainWindow::picture_box() const { return Get<PictureBox>(ControlId::画板1); }

void MainWindow::SetControlVisible(ControlId id, bool visible) {
  Get<Control>(id).SetVisible(visible);
}

void MainWindow::ToggleVisibility() {
  // A minimised window counts as visible; the plain show brings a window
  // back in the state it was hidden in, minimised included.
  ShowWindow(hwnd(), IsWindowVisible(hwnd()) ? SW_HIDE : SW_SHOW);
}

bool MainWindow::PreTranslateMessage(const MSG& message) {
  if (hwnd() == nullptr) return false;
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  // WM_SYSKEYDOWN without Alt: a key pressed while no control has the
  // focus, which the system hands to the active window.
  if (message.message == WM_SYSKEYDOWN && (message.lParam & (1 << 29)) != 0) return false;
  if (message.hwnd != hwnd() && !IsChild(hwnd(), message.hwnd)) return false;
  switch (message.wParam) {
    case VK_RETURN:
      // The default button's click, from any control, a push button
      // included; nothing at all while the button is disabled.
      if (Get<PushButton>(ControlId::按钮1).enabled()) OnSearchClicked();
      return true;
    case VK_ESCAPE:
      return true;  // it neither closes nor clears anything
    case VK_TAB:
      if (GetKeyState(VK_CONTROL) < 0) return false;
      MoveFocus(GetKeyState(VK_SHIFT) < 0);
      return true;
    default:
      return false;
  }
}

void MainWindow::MoveFocus(bool backwards) {
  HWND next = NextInFocusOrder(focus_order_, GetFocus(), backwards, hwnd());
  if (next == nullptr) return;
  SetFocus(next);
  // As a dialog does: a box reached by Tab has its text selected, ready to
  // be typed over.
  const auto index = static_cast<std::size_t>(GetDlgCtrlID(next));
  if (index < controls_.size() && dynamic_cast<EditBox*>(controls_[index].get()) != nullptr) {
    SendMessageW(next, EM_SETSEL, 0, -1);
  }
}

void MainWindow::KeepFocusUsable() {
  // A control that was hidden or disabled, or whose group box was, keeps the
  // focus unless it is taken away, and could then still be typed into. The
  // window holds it instead, so that Enter and Tab still reach it.
  HWND focus = GetFocus();
  if (focus == nullptr ||
      (focus != hwnd() && IsChild(hwnd(), focus) && !TakesFocusNow(focus, hwnd()))) {
    if (GetActiveWindow() == hwnd()) SetFocus(hwnd());
  }
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      if (!CreateFonts() || !CreateControls()) return -1;
      channel_ = std::make_shared<RunChannel>(hwnd(), kRunEffectMessage);
      taskbar_created_ = TrayIcon::TaskbarCreatedMessage();
      if (setup_.on_created) setup_.on_created(*this);
      return 0;
    case WM_COMMAND: {
      // Each control hears its own notifications; those from inside a group
      // box arrive here through the box.
      const std::size_t index = LOWORD(wparam);
      HWND from = reinterpret_cast<HWND>(lparam);
      if (from != nullptr && index >= 1 && index < controls_.size() && controls_[index] &&
          controls_[index]->hwnd() == from) {
        controls_[index]->OnCommand(HIWORD(wparam));
      }
      return 0;
    }
    case WM_NCHITTEST: {
      // The background moves the window as the title bar does; labels,
      // group boxes and the progress bar let the hit test through to here.
      const LRESULT hit = DefaultProcessing(message, wparam, lparam);
      return hit == HTCLIENT ? HTCAPTION : hit;
    }
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(hwnd(), focus)) last_focus_ = focus;
      }
      return DefaultProcessing(message, wparam, lparam);
    case WM_SETFOCUS: {
      // Activation gives the window the focus. As a dialog does, it passes
      // it on to the control that had it when the window was last left, or
      // at first to the search keyword box, if that control can take it.
      HWND target = last_focus_ != nullptr ? last_focus_ : control(ControlId::编辑框1);
      if (GetFocus() == hwnd() && TakesFocusNow(target, hwnd())) SetFocus(target);
      return 0;
    }
    case kTrayMessage:
      if (TrayEventFromNotification(lparam) != 0) ToggleVisibility();
      return 0;
    case kRunEffectMessage:
      OnRunEffectMessage(lparam);
      return 0;
    case WM_DESTROY:
      Destroyed();
      return 0;
    default:
      if (taskbar_created_ != 0 && message == taskbar_created_) {
        tray_.AddAgainAfterShellRestart();
        return 0;
      }
      return DefaultProcessing(message, wparam, lparam);
  }
}

void MainWindow::Destroyed() {
  // First of all no run may reach this window again: what is on the way is
  // dropped, and the messages still queued for it go unanswered.
  if (channel_) channel_->Close();
  MSG queued;
  while (PeekMessageW(&queued, hwnd(), kRunEffectMessage, kRunEffectMessage, PM_REMOVE)) {
    // A quit comes through any filter; it is not ours to take away.
    if (queued.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(queued.wParam));
      break;
    }
  }
  PostQuitMessage(0);
  // Last of the clean-up, so the icon stays as long as the window does.
  tray_.Remove();
}

}  // namespace taoci

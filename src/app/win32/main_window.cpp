#include "app/win32/main_window.h"

#include <windowsx.h>

#include <new>

#include "app/win32/menus.h"
#include "platform/win32/message_box_win32.h"

namespace kaveta::view {
namespace {

HWND g_gatedWindow = nullptr;  // the main window while its load runs

bool IsInput(UINT msg) {
  return (msg >= WM_KEYFIRST && msg <= WM_KEYLAST) ||
         (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) ||
         (msg >= WM_NCMOUSEMOVE && msg <= WM_NCXBUTTONDBLCLK) || msg == WM_COMMAND ||
         msg == WM_SYSCOMMAND;
}

// Every message this thread takes from its queue passes here, in the load's
// message boxes too: input for the main window or its controls becomes
// WM_NULL. The boxes themselves keep theirs.
LRESULT CALLBACK InputGate(int code, WPARAM wp, LPARAM lp) {
  MSG* msg = reinterpret_cast<MSG*>(lp);
  if (code == HC_ACTION && g_gatedWindow && msg && IsInput(msg->message) &&
      (msg->hwnd == g_gatedWindow || IsChild(g_gatedWindow, msg->hwnd)))
    msg->message = WM_NULL;
  return CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace

bool MainWindow::Create(HINSTANCE instance) {
  instance_ = instance;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WndProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kWindowClass;
  RegisterClassExW(&wc);
  // Fixed size: no maximize box, no sizing border.
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  hwnd_ = CreateWindowExW(WS_EX_CONTROLPARENT, kWindowClass, L"KAVETA", style, CW_USEDEFAULT,
                          CW_USEDEFAULT, 400, 500, nullptr, nullptr, instance, this);
  if (!hwnd_) return false;
  g_gatedWindow = hwnd_;
  inputGate_ = SetWindowsHookExW(WH_GETMESSAGE, InputGate, nullptr, GetCurrentThreadId());
  return true;
}

void MainWindow::EndLoad() {
  if (inputGate_) UnhookWindowsHookEx(inputGate_);
  inputGate_ = nullptr;
  g_gatedWindow = nullptr;
  loadEnded_ = true;
}

// Nothing may be thrown through the system's window code: the run ends
// here, with the message, and writes nothing more.
void MainWindow::OnOutOfMemory() {
  if (outOfMemory_) return;
  outOfMemory_ = true;
  k_.closed = true;
  MessageBoxOptions options;
  options.owner = hwnd_;
  try {
    ShowMessageWin32(kOutOfMemoryMessage, MsgIcon::Critical, MsgButtons::Ok, options);
  } catch (const std::bad_alloc&) {
    MessageBoxW(hwnd_, L"メモリが足りないため、処理を中止しました。", L"KAVETA", MB_ICONHAND | MB_OK);
  }
  DestroyWindow(hwnd_);
}

LRESULT CALLBACK MainWindow::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  MainWindow* self = nullptr;
  if (msg == WM_NCCREATE) {
    self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  try {
    return self->HandleMessage(msg, wp, lp);
  } catch (const std::bad_alloc&) {
    self->OnOutOfMemory();
    return 0;
  }
}

// The switchboard: unpack, call a typed handler.
LRESULT MainWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE: OnCreate(); return 0;
    case WM_COMMAND:
      // A command sent, not queued, passes no gate: it waits for the load too.
      if (!loadEnded_) return 0;
      OnCommand(GET_WM_COMMAND_ID(wp, lp), GET_WM_COMMAND_CMD(wp, lp),
                GET_WM_COMMAND_HWND(wp, lp));
      // Typing reaches the model without a handler; the preview follows it.
      if (preview_) preview_->Refresh();
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      return OnCtlColor(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
    case WM_NOTIFY: return OnNotify(reinterpret_cast<NMHDR*>(lp));
    case 0x02E0:  // WM_DPICHANGED
      OnDpiChanged(HIWORD(wp), reinterpret_cast<const RECT*>(lp));
      return 0;
    case WM_CLOSE:
      // The close box ends the program like 終了: nothing is written.
      Run([this] { k_.closed = true; });
      return 0;
    case WM_DESTROY: OnDestroy(); return 0;
    default: return DefWindowProcW(hwnd_, msg, wp, lp);
  }
}

void MainWindow::OnCreate() { CreateMenuBar(); }

void MainWindow::CreateMenuBar() { SetMenu(hwnd_, BuildMenuBar(k_.ui)); }

void MainWindow::OnDestroy() {
  preview_.reset();
  for (auto& [colour, brush] : brushes_) DeleteObject(brush);
  brushes_.clear();
  PostQuitMessage(0);
}

void MainWindow::Run(const std::function<void()>& handler) {
  // A modal dialog or the hand-off inside a handler lets messages through;
  // an event arriving meanwhile (an editor losing the focus to a dialog)
  // runs after the current one, in order.
  if (k_.closed) return;
  if (running_) {
    pending_.push_back(handler);
    return;
  }
  running_ = true;
  handler();
  while (!pending_.empty() && !k_.closed) {
    const std::function<void()> next = pending_.front();
    pending_.pop_front();
    next();
  }
  pending_.clear();
  running_ = false;
  if (k_.closed) {
    DestroyWindow(hwnd_);
    return;
  }
  Sync();
}

ViewControl* MainWindow::FindById(int id) {
  for (ViewControl& v : controls_)
    if (v.id == id) return &v;
  return nullptr;
}

ViewControl* MainWindow::FindByHwnd(HWND hwnd) {
  for (ViewControl& v : controls_)
    if (v.hwnd == hwnd) return &v;
  return nullptr;
}

HWND MainWindow::ParentOf(const ViewControl& v) const { return v.inPanel ? panel_ : hwnd_; }

LRESULT MainWindow::OnCtlColor(HDC dc, HWND control) {
  const ViewControl* v = FindByHwnd(control);
  if (!v) return DefWindowProcW(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                reinterpret_cast<LPARAM>(control));
  const COLORREF back = static_cast<COLORREF>(v->model->backColour) & 0xFFFFFF;
  const COLORREF fore = static_cast<COLORREF>(v->model->foreColour) & 0xFFFFFF;
  // Controls left at the button face follow the system's colours.
  const bool systemFace = v->model->backColour == kButtonFace &&
                          v->model->kind != ControlKind::TextBox &&
                          v->model->kind != ControlKind::ComboBox;
  if (v->model->kind == ControlKind::TextBox || v->model->kind == ControlKind::ComboBox) {
    SetTextColor(dc, fore);
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
  }
  if (systemFace) {
    SetTextColor(dc, IsWindowEnabled(control) ? fore : GetSysColor(COLOR_GRAYTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
  }
  HBRUSH& brush = brushes_[back];
  if (!brush) brush = CreateSolidBrush(back);
  SetTextColor(dc, fore);
  SetBkColor(dc, back);
  return reinterpret_cast<LRESULT>(brush);
}

}  // namespace kaveta::view

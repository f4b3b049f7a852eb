#include "platform/win32/handoff_win32.h"

#include <string>

#include "platform/win32/message_box_win32.h"

namespace kaveta {
namespace {

constexpr UINT kTimerInterval = 2000;
// Timer1 is a real timer; this only covers a WM_TIMER that never comes
// (it is made only when the queue has nothing else).
constexpr DWORD kTimerOverdue = kTimerInterval + 700;
// Activation across processes lands later: wait until the foreground has
// stayed put for a moment, but never longer than the bound. A host that
// hands the front on does so while it handles its activation, well within
// the quiet time; looking often keeps the wait close to it.
constexpr DWORD kSettleQuiet = 100;
constexpr DWORD kSettleLook = 10;
constexpr DWORD kSettleLimit = 1000;
// A host that does not answer a sent message within this is taken as hung.
constexpr UINT kSendTimeout = 2000;
constexpr WPARAM kHostCommand = 32895;
constexpr WPARAM kReadCommand = 1108;

const char kFailure[] =
    "座標ファイル読み込みに失敗しました。\r\n"
    "条件設定ツールバーを一度フローティ\r\n"
    "ング表示させ、再度ドッキングさせて、\r\n"
    "再試行してみてください。";
const char kNoHost[] = "jwwを起動してください";

// The timer procedure has no object of its own; one hand-off object per
// thread is all the program has.
Win32HostHandOff* g_timerTarget = nullptr;

std::wstring TitleOf(HWND window) {
  wchar_t buffer[250] = L"";
  GetWindowTextW(window, buffer, 250);
  return buffer;
}

bool IsHostTitle(std::wstring title) {
  for (wchar_t& c : title)
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  return title.find(L"jw_win") != std::wstring::npos;
}

BOOL CALLBACK CollectHost(HWND window, LPARAM found) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
  if (!IsHostTitle(TitleOf(window))) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

HWND FindHostWindow() {
  HWND found = nullptr;
  EnumWindows(CollectHost, reinterpret_cast<LPARAM>(&found));
  return found;
}

// A process that is not in front may not take the foreground for another
// one; sharing the foreground thread's input state for the call lets it.
void BringToFront(HWND host) {
  if (IsIconic(host)) ShowWindowAsync(host, SW_RESTORE);
  const DWORD self = GetCurrentThreadId();
  const HWND front = GetForegroundWindow();
  const DWORD frontThread = front ? GetWindowThreadProcessId(front, nullptr) : 0;
  const bool attached =
      frontThread && frontThread != self && AttachThreadInput(self, frontThread, TRUE);
  BringWindowToTop(host);
  SetForegroundWindow(host);
  if (attached) AttachThreadInput(self, frontThread, FALSE);
}

// FindWindowEx with no parent searches the top-level windows: never wanted here.
HWND Child(HWND parent, const wchar_t* className, const wchar_t* text) {
  return parent ? FindWindowExW(parent, nullptr, className, text) : nullptr;
}

HWND ConditionToolbarIn(HWND bar) { return Child(bar, L"ToolbarWindow32", L"条件設定"); }

}  // namespace

struct Win32HostHandOff::Run {
  bool ended = false;  // the timer's message was shown, or the program quits
};

Win32HostHandOff::~Win32HostHandOff() {
  DisarmTimer();
  if (g_timerTarget == this) g_timerTarget = nullptr;
}

void Win32HostHandOff::Zkakikomi() {
  const bool outermost = current_ == nullptr;
  // Input to the window while messages run here must not start a second OK.
  const bool wasDisabled = outermost && owner_ && EnableWindow(owner_, FALSE);

  Run run;
  Run* const outer = current_;
  current_ = &run;
  const HWND host = FindHostWindow();
  if (host) {
    BringToFront(host);
    ArmTimer();
    HandOff(run);
  }
  DisarmTimer();
  current_ = outer;
  if (!host) ShowMessageWin32(kNoHost, MsgIcon::Exclamation, MsgButtons::Ok, {owner_, false});

  if (outermost && owner_ && !wasDisabled) EnableWindow(owner_, TRUE);
}

void Win32HostHandOff::HandOff(Run& run) {
  // Let the activation settle before the foreground test.
  const DWORD start = GetTickCount();
  HWND front = GetForegroundWindow();
  DWORD sameSince = start;
  while (GetTickCount() - start < kSettleLimit && GetTickCount() - sameSince < kSettleQuiet) {
    if (!Wait(run, kSettleLook)) return;
    const HWND now = GetForegroundWindow();
    if (now != front) {
      front = now;
      sameSince = GetTickCount();
    }
  }
  const HWND host = GetForegroundWindow();
  if (!host || !IsHostTitle(TitleOf(host))) return;

  if (!Send(host, WM_COMMAND, kHostCommand, 0)) return WaitForTimer(run);
  HWND bar = Child(host, L"AfxControlBar42s", nullptr);
  HWND toolbar = ConditionToolbarIn(bar);
  while (!toolbar) {
    // Timer1 bounds this search; after the last sibling it starts again
    // from the first, so a toolbar that appears late is still found.
    if (!Wait(run, 100) || !IsWindow(host)) return;
    bar = bar ? GetWindow(bar, GW_HWNDNEXT) : Child(host, L"AfxControlBar42s", nullptr);
    toolbar = ConditionToolbarIn(bar);
  }
  PressButtons(run, toolbar);
}

void Win32HostHandOff::PressButtons(Run& run, HWND toolbar) {
  const HWND dialog = Child(toolbar, L"#32770", nullptr);
  if (!Wait(run, 100)) return;
  const HWND readButton = Child(dialog, L"Button", L"ファイル読込");
  const HWND metreButton = Child(dialog, L"Button", L"ｍ 単位読書");

  if (metreButton) {
    if (!Send(metreButton, WM_LBUTTONDOWN, 0, 0) || !Send(metreButton, WM_LBUTTONUP, 0, 0))
      return WaitForTimer(run);
  }
  if (readButton) {
    if (!Wait(run, 0)) return;
    for (;;) {
      // A post fails only on a full queue or a dialog that is gone; Timer1
      // ends the retries.
      const bool posted =
          PostMessageW(dialog, WM_COMMAND, kReadCommand, reinterpret_cast<LPARAM>(readButton));
      if (posted) DisarmTimer();
      if (!Wait(run, 100)) return;
      if (posted) break;
    }
    if (!Send(readButton, WM_LBUTTONDOWN, 0, 0) || !Send(readButton, WM_LBUTTONUP, 0, 0)) return;
  }
  Sleep(200);
}

// Processes the thread's pending messages (Timer1 among them) for a while;
// false when the hand-off has been ended meanwhile.
bool Win32HostHandOff::Wait(Run& run, DWORD ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (!run.ended && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        // The program is ending: leave the quit for the main loop.
        PostQuitMessage(static_cast<int>(msg.wParam));
        run.ended = true;
        break;
      }
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (!run.ended && armed_ && GetTickCount() - armedAt_ >= kTimerOverdue) OnTimer();
    if (run.ended) return false;
    const DWORD spent = GetTickCount() - start;
    if (spent >= ms) return true;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - spent, QS_ALLINPUT);
  }
}

bool Win32HostHandOff::Send(HWND to, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(to, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                             kSendTimeout, &result) != 0;
}

// The host did not answer: every further message would wait as long, so
// the rest is skipped and the failure message (Timer1's) says so.
void Win32HostHandOff::WaitForTimer(Run& run) {
  while (Wait(run, 100)) {
  }
}

void Win32HostHandOff::ArmTimer() {
  g_timerTarget = this;
  // On a window, the same id restarts the interval. Should the timer not
  // be had, the overdue check in Wait still bounds every wait.
  timer_ = SetTimer(owner_, owner_ ? 1 : timer_, kTimerInterval, TimerProc);
  armed_ = true;
  armedAt_ = GetTickCount();
}

void Win32HostHandOff::DisarmTimer() {
  if (timer_) KillTimer(owner_, timer_);
  timer_ = 0;
  armed_ = false;
}

void CALLBACK Win32HostHandOff::TimerProc(HWND, UINT, UINT_PTR, DWORD) {
  if (g_timerTarget) g_timerTarget->OnTimer();
}

void Win32HostHandOff::OnTimer() {
  if (!armed_) return;
  DisarmTimer();
  // Whatever the answer, the interrupted hand-off does not go on: after
  // Cancel nothing more is sent, and after Retry the new hand-off has done
  // the presses (a second read would draw the table twice).
  if (current_) current_->ended = true;
  const MsgAnswer answer =
      ShowMessageWin32(kFailure, MsgIcon::Exclamation, MsgButtons::RetryCancel, {owner_, true});
  if (answer == MsgAnswer::Retry) Zkakikomi();
}

}  // namespace kaveta

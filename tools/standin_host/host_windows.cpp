#include "host_windows.h"

#include <commctrl.h>

#include <vector>

#include "host_log.h"

namespace standin {
namespace {

constexpr UINT kMetreId = 1107;
constexpr UINT kReadId = 1108;
constexpr UINT_PTR kToolbarTimer = 1;
constexpr UINT_PTR kDialogTimer = 2;
constexpr UINT kCoverMessage = WM_APP + 1;
const wchar_t kMetreText[] = L"ｍ 単位読書";
const wchar_t kReadText[] = L"ファイル読込";

struct State {
  HostOptions options;
  HINSTANCE instance = nullptr;
  HWND main = nullptr;
  HWND conditionBar = nullptr;  // the control bar that holds the toolbar
  HWND toolbar = nullptr;
  HWND dialog = nullptr;
  HWND cover = nullptr;
  bool toolbarScheduled = false;
  bool inClick = false;  // a button is turning a press into its notification
  bool pressed = false;
  int reads = 0;
};
State g;

std::wstring TextOf(HWND window) {
  wchar_t buffer[256] = L"";
  GetWindowTextW(window, buffer, 256);
  return buffer;
}

// What the host does on its read button: read ZTEMP.TXT from its
// coordinate-file folder. The copy in the log folder is what it read.
void ReadCoordinateFile() {
  ++g.reads;
  const std::wstring n = std::to_wstring(g.reads);
  std::string bytes;
  if (!ReadWholeFile(g.options.coordinateFolder + L"\\ZTEMP.TXT", bytes)) {
    Log(L"read " + n + L" no ZTEMP.TXT");
    return;
  }
  WriteWholeFile(LogFolder() + L"\\ZTEMP-" + n + L".TXT", bytes);
  Log(L"read " + n + L" ZTEMP.TXT " + std::to_wstring(bytes.size()) + L" bytes");
}

void MakeDialog();

LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR) {
  if (message == WM_LBUTTONDOWN) g.pressed = true;
  if (message != WM_LBUTTONUP || !g.pressed)
    return DefSubclassProc(button, message, wParam, lParam);
  g.pressed = false;
  g.inClick = true;
  const LRESULT result = DefSubclassProc(button, message, wParam, lParam);
  g.inClick = false;
  const bool read = GetDlgCtrlID(button) == static_cast<int>(kReadId);
  Log(L"press " + TextOf(button));
  if (read) ReadCoordinateFile();
  if (!read && g.options.replaceDialogMs >= 0) {
    // Destroying the button's own parent here is allowed: nothing below
    // touches the button again.
    const int delay = g.options.replaceDialogMs;
    g.options.replaceDialogMs = -1;
    DestroyWindow(g.dialog);
    g.dialog = nullptr;
    Log(L"dialog gone");
    SetTimer(g.main, kDialogTimer, static_cast<UINT>(delay), nullptr);
  }
  return result;
}

INT_PTR CALLBACK DialogProc(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message != WM_COMMAND) return FALSE;
  // A press is logged by its button; only commands from outside are logged here.
  if (g.inClick) return TRUE;
  const HWND from = reinterpret_cast<HWND>(lParam);
  std::wstring who = L"";
  if (from && IsWindow(from) && GetParent(from) == g.dialog) who = L" " + TextOf(from);
  Log(L"command " + std::to_wstring(LOWORD(wParam)) + L" lparam=" + Hex(from) + who);
  return TRUE;
}

HWND MakeButton(HWND parent, const wchar_t* text, UINT id, int x) {
  HWND button = CreateWindowExW(0, L"BUTTON", text, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, x, 2,
                                110, 24, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                g.instance, nullptr);
  SetWindowSubclass(button, ButtonProc, 1, 0);
  return button;
}

// An empty in-memory dialog template: a "#32770" window like the host's
// condition dialog; the buttons are added as children.
void MakeDialog() {
  alignas(DWORD) WORD buffer[32] = {};
  auto* t = reinterpret_cast<DLGTEMPLATE*>(buffer);
  t->style = WS_CHILD | WS_VISIBLE | DS_CONTROL;
  t->cx = 200;
  t->cy = 20;
  g.dialog = CreateDialogIndirectParamW(g.instance, t, g.toolbar, DialogProc, 0);
  MoveWindow(g.dialog, 0, 0, 300, 30, FALSE);
  MakeButton(g.dialog, kMetreText, kMetreId, 2);
  MakeButton(g.dialog, kReadText, kReadId, 120);
  Log(L"dialog " + Hex(g.dialog));
}

void MakeConditionToolbar() {
  g.toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"条件設定",
                              WS_CHILD | WS_VISIBLE | CCS_NORESIZE | CCS_NOPARENTALIGN, 0, 0, 320,
                              34, g.conditionBar, nullptr, g.instance, nullptr);
  SetWindowTextW(g.toolbar, L"条件設定");
  MakeDialog();
  Log(L"toolbar " + Hex(g.toolbar));
}

HWND MakeBar(int y, const wchar_t* toolbarText) {
  HWND bar = CreateWindowExW(0, L"AfxControlBar42s", L"", WS_CHILD | WS_VISIBLE, 0, y, 600, 36,
                             g.main, nullptr, g.instance, nullptr);
  if (toolbarText) {
    HWND other = CreateWindowExW(0, TOOLBARCLASSNAMEW, toolbarText,
                                 WS_CHILD | WS_VISIBLE | CCS_NORESIZE | CCS_NOPARENTALIGN, 0, 0,
                                 300, 30, bar, nullptr, g.instance, nullptr);
    SetWindowTextW(other, toolbarText);
  }
  return bar;
}

// The order a sibling walk meets the control bars, for the log.
void LogBarOrder() {
  std::wstring order;
  for (HWND bar = FindWindowExW(g.main, nullptr, L"AfxControlBar42s", nullptr); bar;
       bar = FindWindowExW(g.main, bar, L"AfxControlBar42s", nullptr)) {
    HWND tb = FindWindowExW(bar, nullptr, TOOLBARCLASSNAMEW, nullptr);
    order += L" [" + (tb ? TextOf(tb) : std::wstring(L"-")) + L"]";
  }
  Log(L"bars" + order);
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == 32895) {
        Log(L"command 32895");
        if (g.options.busyMs > 0) {
          Sleep(static_cast<DWORD>(g.options.busyMs));
          Log(L"busy until now");
        }
        if (!g.toolbar && !g.toolbarScheduled && g.options.toolbarAfterMs >= 0 &&
            !g.options.noToolbar) {
          g.toolbarScheduled = true;
          SetTimer(window, kToolbarTimer, static_cast<UINT>(g.options.toolbarAfterMs), nullptr);
        }
      } else {
        Log(L"main command " + std::to_wstring(LOWORD(wParam)));
      }
      return 0;
    case WM_TIMER:
      KillTimer(window, wParam);
      if (wParam == kToolbarTimer) MakeConditionToolbar();
      if (wParam == kDialogTimer) MakeDialog();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && g.cover) PostMessageW(window, kCoverMessage, 0, 0);
      break;
    case kCoverMessage:
      SetForegroundWindow(g.cover);
      Log(L"cover in front");
      return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterClasses() {
  WNDCLASSW main = {};
  main.lpfnWndProc = MainProc;
  main.hInstance = g.instance;
  main.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  main.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  main.lpszClassName = L"jw_win";
  WNDCLASSW bar = main;
  bar.lpfnWndProc = DefWindowProcW;
  bar.lpszClassName = L"AfxControlBar42s";
  WNDCLASSW cover = bar;
  cover.lpszClassName = L"StandinCover";
  return RegisterClassW(&main) && RegisterClassW(&bar) && RegisterClassW(&cover);
}

}  // namespace

HWND CreateHostWindows(HINSTANCE instance, const HostOptions& options) {
  g.options = options;
  g.instance = instance;
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  if (!RegisterClasses()) {
    Log(L"cannot register the window classes, error " + std::to_wstring(GetLastError()));
    return nullptr;
  }
  SetLastError(0);
  g.main = CreateWindowExW(0, L"jw_win", options.title.c_str(), WS_OVERLAPPEDWINDOW, 40, 40, 640,
                           400, nullptr, nullptr, instance, nullptr);
  if (!g.main) {
    Log(L"cannot make the main window, error " + std::to_wstring(GetLastError()));
    return nullptr;
  }
  // Several control bars; only a later one holds the condition toolbar, so
  // the tool has to walk past the first.
  MakeBar(0, L"作図");
  MakeBar(40, nullptr);
  g.conditionBar = MakeBar(80, nullptr);
  if (!options.noToolbar && options.toolbarAfterMs < 0) MakeConditionToolbar();
  if (options.cover)
    g.cover =
        CreateWindowExW(0, L"StandinCover", L"別のウィンドウ", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                        120, 120, 300, 200, g.main, nullptr, instance, nullptr);
  ShowWindow(g.main, SW_SHOW);
  UpdateWindow(g.main);
  LogBarOrder();
  return g.main;
}

}  // namespace standin

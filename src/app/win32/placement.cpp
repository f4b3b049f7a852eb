// DPI, window size and placement.
#include <windows.h>

#include "app/win32/main_window.h"

namespace kaveta::view {
namespace {

int WindowDpi(HWND hwnd) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  // Windows 10 1607 and later; older systems have one DPI for all.
  static const auto getDpi = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (getDpi) {
    const UINT dpi = getDpi(hwnd);
    if (dpi) return static_cast<int>(dpi);
  }
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi ? dpi : 96;
}

RECT WorkAreaNear(HWND hwnd) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY), &info);
  return info.rcWork;
}

}  // namespace

void MainWindow::SizeWindow(bool keepPosition) {
  const int width = Px(k_.ui.width);
  const int height = Px(k_.ui.height);
  RECT now;
  GetWindowRect(hwnd_, &now);
  const RECT work = WorkAreaNear(hwnd_);
  int left = keepPosition ? now.left : work.left + (work.right - work.left - width) / 2;
  int top = keepPosition ? now.top : work.top + (work.bottom - work.top - height) / 2;
  // Fully on the screen, the title bar first when it cannot all fit.
  left = std::max<LONG>(work.left, std::min<LONG>(left, work.right - width));
  top = std::max<LONG>(work.top, std::min<LONG>(top, work.bottom - height));
  SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  shownWidth_ = k_.ui.width;
}

void MainWindow::MoveToHostMonitor() {
  // Open on the monitor of the window in front (the host that started us).
  HWND front = GetForegroundWindow();
  const RECT work = WorkAreaNear(front ? front : hwnd_);
  SetWindowPos(hwnd_, nullptr, work.left, work.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  dpi_ = WindowDpi(hwnd_);
}

void MainWindow::Build() {
  MoveToHostMonitor();
  CreateControls(false);
  if (k_.ui.Frame1.visible) CreateControls(true);
  // The controls were made as the model has them: only the caption and the
  // menus are left.
  SyncFrame();
}

void MainWindow::Show() {
  SizeWindow(false);
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  HWND first = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
  if (first) SetFocus(first);
}

void MainWindow::FinishBuild() {
  // Painted first, so the window is whole on the screen while they are made.
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  if (!panelBuilt_) CreateControls(true);
  CreateTips();
}

void MainWindow::OnDpiChanged(int dpi, const RECT* suggested) {
  dpi_ = dpi;
  ApplyFonts();
  for (ViewControl& v : controls_) PlaceControl(v);
  SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SizeWindow(true);
}

}  // namespace kaveta::view

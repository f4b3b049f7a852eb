// Makes the running host read the exchange output: brings its main window
// to the front and presses "ｍ 単位読書" and then "ファイル読込" in its
// condition toolbar, through window messages only.
#pragma once

#include <windows.h>

#include "platform/seams.h"

namespace kaveta {

class Win32HostHandOff : public HostHandOff {
 public:
  Win32HostHandOff() = default;
  ~Win32HostHandOff() override;
  Win32HostHandOff(const Win32HostHandOff&) = delete;
  Win32HostHandOff& operator=(const Win32HostHandOff&) = delete;

  // The tool's main window: Timer1 runs on it, it owns the messages, and it
  // is disabled while the hand-off waits so that no second OK can start.
  void SetOwner(HWND mainWindow) { owner_ = mainWindow; }

  // Every wait lets the thread's messages run, so Timer1 can fire in any of
  // them; it then offers Retry (a new hand-off inside this one) or Cancel,
  // and either way the interrupted hand-off stops.
  void Zkakikomi() override;

 private:
  struct Run;

  void HandOff(Run& run);
  void PressButtons(Run& run, HWND toolbar);
  bool Wait(Run& run, DWORD ms);
  bool Send(HWND to, UINT message, WPARAM wParam, LPARAM lParam);
  void WaitForTimer(Run& run);
  void ArmTimer();
  void DisarmTimer();
  void OnTimer();
  static void CALLBACK TimerProc(HWND, UINT, UINT_PTR, DWORD);

  HWND owner_ = nullptr;
  Run* current_ = nullptr;  // the innermost hand-off in progress
  UINT_PTR timer_ = 0;
  bool armed_ = false;
  DWORD armedAt_ = 0;
};

}  // namespace kaveta

// kaveta.exe: the window. The host starts it with the mode code as the
// first word after writing TEMP.TXT beside it.
#include <windows.h>
#include <commctrl.h>

#include <new>

#include "app/win32/main_window.h"
#include "app/win32/win32_dialogs.h"
#include "platform/system.h"
#include "platform/win32/clipboard_win32.h"
#include "platform/win32/command_line_win32.h"
#include "platform/win32/handoff_win32.h"
#include "platform/win32/message_box_win32.h"
#include "startup/load_sequence.h"
#include "startup/run_mode.h"

namespace {

int MessageLoop(HWND window) {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    // Tab and the arrow keys move between controls as in a dialog.
    if (IsWindow(window) && IsDialogMessageW(window, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);

  const std::string folder = kaveta::ExecutableFolder(nullptr);
  kaveta::ChangeCurrentFolder(folder);
  auto files = kaveta::MakeSystemFileSystem();
  auto registry = kaveta::MakeSystemRegistry(*files, folder);
  kaveta::view::WindowDialogs dialogs;
  kaveta::Win32HostHandOff host;
  kaveta::Win32Clipboard clipboard;

  kaveta::Environment env;
  env.programFolder = folder;
  env.separator = kaveta::PathSeparator();
  env.registry = registry.get();
  env.files = files.get();
  env.dialogs = &dialogs;
  env.clipboard = &clipboard;
  env.host = &host;

  kaveta::Kaveta k(env, kaveta::ChooseRunMode(kaveta::SplitCommandLine(kaveta::RawArgumentsWin32())));
  kaveta::view::MainWindow window(k);
  if (!window.Create(instance)) return 1;
  dialogs.SetOwner(window.hwnd());
  host.SetOwner(window.hwnd());
  clipboard.SetOwner(window.hwnd());

  // The load runs before the controls exist: they are then made as the
  // load left the model. Its messages come up over the window once it is
  // shown, except when the load ends the program.
  dialogs.HoldMessages();
  try {
    if (kaveta::RunLoadSequence(k) == kaveta::LoadOutcome::ProcessEnded) {
      dialogs.ShowHeldMessages();
      DestroyWindow(window.hwnd());
      return 1;
    }
  } catch (const std::bad_alloc&) {
    // Nothing was written yet; the run ends with the message alone.
    dialogs.ShowHeldMessages();
    kaveta::ShowMessageWin32(kaveta::kOutOfMemoryMessage, kaveta::MsgIcon::Critical,
                             kaveta::MsgButtons::Ok, {});
    DestroyWindow(window.hwnd());
    return 1;
  }
  window.Build();
  window.Show();
  window.FinishBuild();
  dialogs.ShowHeldMessages();
  window.EndLoad();
  if (window.closed()) return window.outOfMemory() ? 1 : 0;
  const int code = MessageLoop(window.hwnd());
  return window.outOfMemory() ? 1 : code;
}

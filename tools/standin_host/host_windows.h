// The stand-in host's window tree: a main window titled like the host's,
// control bars, the condition toolbar with its dialog and the two buttons
// the tool presses. Each way the host can get in the tool's way is a flag.
#pragma once

#include <windows.h>

#include <string>

namespace standin {

struct HostOptions {
  std::wstring title = L"test.jww - jw_win";
  std::wstring coordinateFolder;  // where the tool writes ZTEMP.TXT
  bool noToolbar = false;
  // The condition toolbar is made this long after the first command 32895
  // (as when the user has it hidden); negative: it is there from the start.
  int toolbarAfterMs = -1;
  // The first metre press replaces the condition dialog by a new one made
  // this long later (as a re-docked toolbar does), so posts to the old
  // dialog fail; negative: never.
  int replaceDialogMs = -1;
  // Another window of the host takes the front whenever the main window
  // is activated.
  bool cover = false;
  // The host is busy this long on command 32895 (answers no message).
  int busyMs = 0;
};

// Makes the windows; the main window, or nothing on failure.
HWND CreateHostWindows(HINSTANCE instance, const HostOptions& options);

}  // namespace standin

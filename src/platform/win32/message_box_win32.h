// Message boxes with the program's title, for the view, the hand-off and
// the clipboard alike.
#pragma once

#include <windows.h>

#include <string>

#include "platform/seams.h"
#include "platform/win32/wide_text.h"

namespace kaveta {

struct MessageBoxOptions {
  HWND owner = nullptr;
  bool systemModal = false;
};

// Shows a box titled KAVETA. A box whose owner is not visible (during the
// load) is made topmost so that it is not hidden behind the host.
MsgAnswer ShowMessageWin32(const std::string& text, MsgIcon icon, MsgButtons buttons,
                           const MessageBoxOptions& options = {});

}  // namespace kaveta

#include "platform/win32/command_line_win32.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace kaveta {

std::string RawArgumentsWin32() {
  const wchar_t* p = GetCommandLineW();
  if (*p == L'"') {
    ++p;
    while (*p && *p != L'"') ++p;
    if (*p) ++p;
  } else {
    while (*p && *p != L' ' && *p != L'\t') ++p;
  }
  return WideToUtf8(p);
}

}  // namespace kaveta

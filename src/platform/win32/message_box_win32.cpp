#include "platform/win32/message_box_win32.h"

namespace kaveta {

MsgAnswer ShowMessageWin32(const std::string& text, MsgIcon icon, MsgButtons buttons,
                           const MessageBoxOptions& options) {
  UINT style = 0;
  switch (icon) {
    case MsgIcon::Critical: style |= MB_ICONHAND; break;
    case MsgIcon::Question: style |= MB_ICONQUESTION; break;
    case MsgIcon::Exclamation: style |= MB_ICONEXCLAMATION; break;
    case MsgIcon::Information: style |= MB_ICONINFORMATION; break;
    case MsgIcon::None: break;
  }
  switch (buttons) {
    case MsgButtons::Ok: style |= MB_OK; break;
    case MsgButtons::YesNo: style |= MB_YESNO; break;
    case MsgButtons::RetryCancel: style |= MB_RETRYCANCEL; break;
  }
  if (options.systemModal) style |= MB_SYSTEMMODAL;
  // An owner that is not on screen yet cannot bring its box to the front.
  HWND owner = options.owner;
  if (!owner || !IsWindowVisible(owner)) style |= MB_TOPMOST | MB_SETFOREGROUND;
  const int answer =
      MessageBoxW(owner, Utf8ToWide(text).c_str(), L"KAVETA", style);
  switch (answer) {
    case IDYES: return MsgAnswer::Yes;
    case IDNO: return MsgAnswer::No;
    case IDRETRY: return MsgAnswer::Retry;
    case IDCANCEL: return MsgAnswer::Cancel;
    default: return MsgAnswer::Ok;
  }
}

}  // namespace kaveta

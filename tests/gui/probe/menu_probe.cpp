// menu_probe.dll: Wine keeps a window's menu in its own process, so another
// process cannot read it with GetMenuState. The driver hooks this DLL into
// kaveta.exe's window thread; the hook answers one registered message with
// the real menu state of the window it is sent to. A second hook counts the
// marker keys (F24) the thread has taken from its queue: once a marker sent
// after some input is counted, every input before it has been read.
#include <windows.h>

namespace {

// The reply carries a marker, so a window without the hook (DefWindowProc
// answers 0) cannot pass for "enabled and unchecked".
constexpr LRESULT kAnswered = 0x10000000;
constexpr LRESULT kNoSuchItem = 0x20000000;
constexpr WPARAM kByPosition = 0x10000;
constexpr WPARAM kMarkersRead = 0x20000;

LONG markersRead = 0;

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    InputProbeHook(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const MSG*>(lParam);
  if (code == HC_ACTION && wParam == PM_REMOVE && message->message == WM_KEYDOWN &&
      message->wParam == VK_F24)
    ++markersRead;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

extern "C" __declspec(dllexport) LRESULT CALLBACK
    MenuProbeHook(int code, WPARAM wParam, LPARAM lParam) {
  static const UINT probe = RegisterWindowMessageW(L"KavetaMenuProbe");
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && call->message == probe && InSendMessage() &&
      (call->wParam & kMarkersRead) != 0) {
    ReplyMessage(kAnswered | (markersRead & 0xFFFF));
  } else if (code == HC_ACTION && call->message == probe && InSendMessage()) {
    const bool byPosition = (call->wParam & kByPosition) != 0;
    const UINT item = static_cast<UINT>(call->wParam & 0xFFFF);
    const UINT state =
        GetMenuState(GetMenu(call->hwnd), item, byPosition ? MF_BYPOSITION : MF_BYCOMMAND);
    ReplyMessage(state == static_cast<UINT>(-1) ? kNoSuchItem : kAnswered | (state & 0xFFFF));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

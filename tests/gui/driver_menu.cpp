// Menu states of kaveta.exe's window, read inside its process through
// menu_probe.dll (Wine answers GetMenuState only in the menu's own process),
// and the marker keys its thread has read.
#include <map>

#include "driver.h"

namespace kaveta::gui {

namespace {

constexpr LRESULT kAnswered = 0x10000000;
constexpr LRESULT kNoSuchItem = 0x20000000;
constexpr WPARAM kByPosition = 0x10000;
constexpr WPARAM kMarkersRead = 0x20000;

HOOKPROC ProbeHook(HMODULE* module, const char* name) {
  static HMODULE probe = [] {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const fs::path dll = fs::path(self).parent_path() / "menu_probe.dll";
    const HMODULE loaded = LoadLibraryW(dll.c_str());
    if (loaded == nullptr) throw DriverError("cannot load " + dll.string());
    return loaded;
  }();
  *module = probe;
  return reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(probe, name)));
}

LRESULT Probe(HWND main, WPARAM item) {
  static std::map<DWORD, std::pair<HHOOK, HHOOK>> hooked;  // per window thread
  const DWORD thread = GetWindowThreadProcessId(main, nullptr);
  const auto hook = [&] {
    HMODULE module = nullptr;
    const HOOKPROC menu = ProbeHook(&module, "MenuProbeHook");
    const HOOKPROC input = ProbeHook(&module, "InputProbeHook");
    const HHOOK calls = SetWindowsHookExW(WH_CALLWNDPROC, menu, module, thread);
    const HHOOK messages = SetWindowsHookExW(WH_GETMESSAGE, input, module, thread);
    if (calls == nullptr || messages == nullptr)
      throw DriverError("cannot hook the window thread of kaveta.exe");
    hooked[thread] = {calls, messages};
  };
  if (hooked.find(thread) == hooked.end()) hook();
  static const UINT message = RegisterWindowMessageW(L"KavetaMenuProbe");
  const auto ask = [&] {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(main, message, item, 0, SMTO_NORMAL, kUiWaitMs, &result))
      throw DriverError("the main window did not answer the menu probe in time");
    return static_cast<LRESULT>(result);
  };
  LRESULT answer = ask();
  if ((answer & kAnswered) == 0) {
    // Thread IDs come again: a later kaveta.exe may run on the ID of one
    // hooked before. Hook this one and ask once more.
    UnhookWindowsHookEx(hooked[thread].first);
    UnhookWindowsHookEx(hooked[thread].second);
    hook();
    answer = ask();
  }
  if ((item & kMarkersRead) != 0 && (answer & kAnswered) != 0) return answer & 0xFFFF;
  if (answer == kNoSuchItem)
    throw DriverError("the menu has no item " + std::to_string(item & 0xFFFF) +
                      ((item & kByPosition) ? " (by position)" : " (by command)"));
  if ((answer & kAnswered) == 0) throw DriverError("menu_probe.dll did not answer in kaveta.exe");
  return answer & 0xFFFF;
}

}  // namespace

MenuItemState MenuItem(HWND main, int commandId) {
  const auto state = static_cast<UINT>(Probe(main, static_cast<WPARAM>(commandId)));
  return {(state & (MF_GRAYED | MF_DISABLED)) == 0, (state & MF_CHECKED) != 0};
}

MenuItemState MenuBarItem(HWND main, int position) {
  const auto state = static_cast<UINT>(Probe(main, static_cast<WPARAM>(position) | kByPosition));
  return {(state & (MF_GRAYED | MF_DISABLED)) == 0, false};
}

int MarkersRead(HWND main) { return static_cast<int>(Probe(main, kMarkersRead)); }

}  // namespace kaveta::gui

// Finding and reading controls of another process, real mouse and keyboard
// input, and the message boxes and the colour dialog.
#include <algorithm>
#include <thread>

#include "driver.h"

namespace kaveta::gui {

namespace {

constexpr UINT kSendTimeoutMs = kUiWaitMs;

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs, &result))
    throw DriverError("window " + Utf8(ClassName(window)) + " (ID " +
                      std::to_string(GetDlgCtrlID(window)) + ") did not answer message " +
                      std::to_string(message) + " within " + std::to_string(kSendTimeoutMs) +
                      " ms");
  return static_cast<LRESULT>(result);
}

struct IdSearch {
  int id;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectById(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<IdSearch*>(param);
  if (GetDlgCtrlID(window) == search->id) search->found.push_back(window);
  return TRUE;
}

struct DialogSearch {
  DWORD processId;
  bool colourDialog;
  HWND found;
};

// Message boxes carry the title KAVETA; the colour dialog is the one with
// the edit box for red (706).
BOOL CALLBACK FindDialog(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<DialogSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window) || ClassName(window) != L"#32770")
    return TRUE;
  const bool colour = GetDlgItem(window, 706) != nullptr;
  if (colour != search->colourDialog) return TRUE;
  if (!colour && Text(window) != L"KAVETA") return TRUE;
  search->found = window;
  return FALSE;
}

HWND FindProcessDialog(DWORD processId, bool colourDialog) {
  DialogSearch search{processId, colourDialog, nullptr};
  EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void SendInputs(std::vector<INPUT> inputs) {
  const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  if (sent != inputs.size())
    throw DriverError("SendInput delivered " + std::to_string(sent) + " of " +
                      std::to_string(inputs.size()) + " events");
}

INPUT Mouse(DWORD flags, POINT at) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  // Absolute coordinates run from 0 to 65535 over the primary screen.
  input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  return input;
}

POINT Centre(HWND window) {
  const RECT r = ScreenRect(window);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void Pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

}  // namespace

HWND Control(HWND root, int id) {
  IdSearch search{id, {}};
  EnumChildWindows(root, CollectById, reinterpret_cast<LPARAM>(&search));
  if (search.found.empty()) throw DriverError("no control with ID " + std::to_string(id));
  if (search.found.size() > 1)
    throw DriverError(std::to_string(search.found.size()) + " controls share the ID " +
                      std::to_string(id));
  return search.found.front();
}

std::wstring Text(HWND window) {
  const auto length = static_cast<std::size_t>(Send(window, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(length + 1, L'\0');
  const auto got = static_cast<std::size_t>(
      Send(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data())));
  text.resize(std::min(got, length));
  return text;
}

std::wstring ClassName(HWND window) {
  wchar_t name[128] = {};
  GetClassNameW(window, name, 128);
  return name;
}

bool Visible(HWND window) { return IsWindowVisible(window) != FALSE; }
bool Enabled(HWND window) { return IsWindowEnabled(window) != FALSE; }
bool Checked(HWND button) { return Send(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

RECT ScreenRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

COLORREF ScreenColour(HWND control) {
  const RECT r = ScreenRect(control);
  const HDC screen = GetDC(nullptr);
  const COLORREF colour =
      GetPixel(screen, r.left + (r.right - r.left) / 4, r.top + (r.bottom - r.top) / 4);
  ReleaseDC(nullptr, screen);
  return colour;
}

HWND TopLevelOfClass(DWORD processId, const std::wstring& className) {
  struct Search {
    DWORD processId;
    const std::wstring& className;
    HWND found;
  } search{processId, className, nullptr};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != s->processId || !IsWindowVisible(window) || ClassName(window) != s->className)
          return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::uint64_t ClientPixelsHash(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  const int width = client.right, height = client.bottom;
  if (width <= 0 || height <= 0) return 0;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
  GdiFlush();
  std::uint64_t hash = 1469598103934665603ull;
  const auto* p = static_cast<const std::uint32_t*>(bits);
  for (std::size_t i = 0; i < static_cast<std::size_t>(width) * height; ++i)
    hash = (hash ^ (p[i] & 0xFFFFFF)) * 1099511628211ull;
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return hash;
}

void OpenPanel(HWND main) {
  Command(main, id::optSakuhyou);
  WaitUntil([&] { return Visible(Control(main, id::Frame1)); }, kUiWaitMs, "the settings panel");
}

void ClosePanel(HWND main) {
  Click(Control(main, id::cmdOptionOK));
  WaitUntil([&] { return !Visible(Control(main, id::Frame1)); }, kUiWaitMs,
            "the settings panel to close");
}

std::uint64_t SettledPixels(HWND window) {
  std::uint64_t last = ClientPixelsHash(window), now = 0;
  WaitUntil(
      [&] {
        Sleep(150);
        now = ClientPixelsHash(window);
        const bool same = now == last;
        last = now;
        return same;
      },
      kUiWaitMs, "the picture to settle");
  return now;
}

std::uint64_t WaitForNewPixels(HWND window, std::uint64_t before, const std::string& what) {
  WaitUntil([&] { return ClientPixelsHash(window) != before; }, kUiWaitMs, "the picture to show " + what);
  return SettledPixels(window);
}

HWND FocusOf(HWND topLevel) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(topLevel, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

std::vector<std::wstring> ComboItems(HWND combo) {
  std::vector<std::wstring> items;
  const auto count = Send(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const auto length = static_cast<std::size_t>(Send(combo, CB_GETLBTEXTLEN, i, 0));
    std::wstring item(length + 1, L'\0');
    Send(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
    item.resize(length);
    items.push_back(item);
  }
  return items;
}

void PickComboEntry(HWND combo, const std::wstring& entry) {
  const auto items = ComboItems(combo);
  const auto at = std::find(items.begin(), items.end(), entry);
  if (at == items.end()) throw DriverError("the list has no entry " + Utf8(entry));
  Send(combo, CB_SETCURSEL, static_cast<WPARAM>(at - items.begin()), 0);
  Send(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
       reinterpret_cast<LPARAM>(combo));
}

void Command(HWND main, int commandId) {
  if (!PostMessageW(main, WM_COMMAND, MAKEWPARAM(commandId, 0), 0))
    throw DriverError("cannot post the menu command " + std::to_string(commandId));
}

void BringToFront(HWND topLevel) {
  SetForegroundWindow(topLevel);
  WaitUntil([&] { return GetForegroundWindow() == topLevel; }, kUiWaitMs,
            "the window " + Utf8(ClassName(topLevel)) +
                " to come to the front (in front: " + Utf8(ClassName(GetForegroundWindow())) + ")");
}

void Click(HWND control) {
  BringToFront(GetAncestor(control, GA_ROOT));
  const POINT at = Centre(control);
  SendInputs({Mouse(0, at)});
  Pause(30);
  SendInputs({Mouse(MOUSEEVENTF_LEFTDOWN, at), Mouse(MOUSEEVENTF_LEFTUP, at)});
}

void Drag(HWND from, HWND to) {
  BringToFront(GetAncestor(from, GA_ROOT));
  const POINT start = Centre(from), end = Centre(to);
  SendInputs({Mouse(0, start)});
  Pause(30);
  SendInputs({Mouse(MOUSEEVENTF_LEFTDOWN, start)});
  // Several moves, as a hand makes them, past the system's drag threshold.
  constexpr int kSteps = 12;
  for (int i = 1; i <= kSteps; ++i) {
    Pause(25);
    SendInputs({Mouse(
        0, {start.x + (end.x - start.x) * i / kSteps, start.y + (end.y - start.y) * i / kSteps})});
  }
  Pause(50);
  SendInputs({Mouse(MOUSEEVENTF_LEFTUP, end)});
}

void TypeText(const std::wstring& text) {
  std::vector<INPUT> inputs;
  for (wchar_t c : text) {
    INPUT key{};
    key.type = INPUT_KEYBOARD;
    key.ki.wScan = c;
    key.ki.dwFlags = KEYEVENTF_UNICODE;
    inputs.push_back(key);
    key.ki.dwFlags |= KEYEVENTF_KEYUP;
    inputs.push_back(key);
  }
  SendInputs(inputs);
}

static INPUT Key(WORD virtualKey, DWORD flags) {
  INPUT key{};
  key.type = INPUT_KEYBOARD;
  key.ki.wVk = virtualKey;
  key.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  key.ki.dwFlags = flags;
  return key;
}

void PressKey(WORD virtualKey) {
  SendInputs({Key(virtualKey, 0), Key(virtualKey, KEYEVENTF_KEYUP)});
}

void PressKey(WORD modifier, WORD virtualKey) {
  SendInputs({Key(modifier, 0), Key(virtualKey, 0), Key(virtualKey, KEYEVENTF_KEYUP),
              Key(modifier, KEYEVENTF_KEYUP)});
}

void Wheel(HWND window, POINT client, int notches, WORD modifier) {
  BringToFront(GetAncestor(window, GA_ROOT));
  ClientToScreen(window, &client);
  SendInputs({Mouse(0, client)});
  Pause(30);
  INPUT wheel = Mouse(MOUSEEVENTF_WHEEL, client);
  wheel.mi.mouseData = static_cast<DWORD>(notches * WHEEL_DELTA);
  std::vector<INPUT> inputs;
  if (modifier) inputs.push_back(Key(modifier, 0));
  inputs.push_back(wheel);
  if (modifier) inputs.push_back(Key(modifier, KEYEVENTF_KEYUP));
  SendInputs(inputs);
}

void DragBy(HWND window, POINT from, int dx, int dy, bool middle) {
  BringToFront(GetAncestor(window, GA_ROOT));
  ClientToScreen(window, &from);
  SendInputs({Mouse(0, from)});
  Pause(30);
  SendInputs({Mouse(middle ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_LEFTDOWN, from)});
  constexpr int kSteps = 8;
  for (int i = 1; i <= kSteps; ++i) {
    Pause(25);
    SendInputs({Mouse(0, {from.x + dx * i / kSteps, from.y + dy * i / kSteps})});
  }
  Pause(50);
  SendInputs({Mouse(middle ? MOUSEEVENTF_MIDDLEUP : MOUSEEVENTF_LEFTUP,
                    {from.x + dx, from.y + dy})});
}

HWND WaitForMessageBox(DWORD processId, int ms) {
  HWND box = nullptr;
  WaitUntil([&] { return (box = FindProcessDialog(processId, false)) != nullptr; }, ms,
            "a message box titled KAVETA");
  return box;
}

bool HasMessageBox(DWORD processId) { return FindProcessDialog(processId, false) != nullptr; }

std::wstring MessageBoxText(HWND box) {
  const HWND text = GetDlgItem(box, 0xFFFF);
  if (text == nullptr) throw DriverError("the message box has no text control (ID 0xFFFF)");
  return Text(text);
}

void Answer(HWND dialog, int buttonId) {
  const HWND button = GetDlgItem(dialog, buttonId);
  if (button == nullptr)
    throw DriverError("the dialog has no button with ID " + std::to_string(buttonId));
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
  WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, kUiWaitMs,
            "the dialog to close after button " + std::to_string(buttonId));
}

HWND WaitForColourDialog(DWORD processId, int ms) {
  HWND dialog = nullptr;
  WaitUntil([&] { return (dialog = FindProcessDialog(processId, true)) != nullptr; }, ms,
            "the colour dialog (a #32770 window with the red edit box 706)");
  return dialog;
}

void ChooseColour(HWND dialog, int red, int green, int blue) {
  // The dialog takes the colour from its red, green and blue boxes as their
  // texts change.
  const int ids[] = {706, 707, 708};
  const int values[] = {red, green, blue};
  for (int i = 0; i < 3; ++i) {
    const std::wstring value = std::to_wstring(values[i]);
    Send(GetDlgItem(dialog, ids[i]), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()));
  }
  Answer(dialog, IDOK);
}

}  // namespace kaveta::gui

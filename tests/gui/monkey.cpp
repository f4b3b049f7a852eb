// The monkey's actions and checks. Every choice comes from one generator
// seeded per run of kaveta.exe; the dialogs the program opens are found as
// top-level windows of its process and answered like any other action.
// KAVETA_MONKEY_PROFILE=1 prints the time of each action and its checks;
// KAVETA_MONKEY_NOPROBE=1 gives menu commands without reading the menu
// through the probe hook (to tell a fault of the hook from one of the window).
#include "monkey.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <map>
#include <memory>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>
#include <thread>

#include "driver.h"

namespace kaveta::gui::monkey {
namespace {

using Clock = std::chrono::steady_clock;

constexpr UINT kAnswerMs = 2000;  // the window must answer a message this soon

struct Failure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

void Pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

bool IsRegroup(const ModeCase& m) {
  const std::wstring w = m.word;
  return w == L"M3" || w == L"M4" || w == L"M5";
}
// The modes whose OK saves the settings file and the row file.
bool SavesSettings(const ModeCase& m) {
  const std::wstring w = m.word;
  return w == L"M6" || w == L"M7" || w == L"C1" || w == L"C2";
}

// Every control ID of the window's automation contract.
std::vector<int> AllControlIds() {
  std::vector<int> ids;
  for (int i = 1; i <= 32; ++i) ids.push_back(id::Lblpic(i));
  for (int i = 1; i <= 16; ++i) {
    ids.push_back(id::txtname(i));
    ids.push_back(id::Text_sum(i));
    ids.push_back(id::Label5(i));
  }
  for (int i = 1; i <= 11; ++i) ids.push_back(id::Combo1(i));
  for (int i : {2500, 2501, 2502, 2510, 2511, 2520, 2521, 2530, 2533, 2534, 2535, 2540, 2541})
    ids.push_back(i);
  for (int i = 2601; i <= 2624; ++i) ids.push_back(i);
  return ids;
}

const std::vector<int> kCombos = {2401, 2402, 2403, 2404, 2405, 2406, 2407, 2408,
                                  2409, 2410, 2411, 2612, 2613, 2615, 2616, 2621};
const int kMenuCommands[] = {id::mnuOpenhyou, id::mnuSaveHyou, id::kavetaend, id::mnuMleft,
                             id::mnuMcenter,  id::mnuMright,   id::optSakuhyou, id::mnuPreview};

// Files below `root` with size and time of last write: enough to tell that
// something was written, without reading the program's copy each time.
using Listing = std::map<std::string, std::pair<std::uintmax_t, fs::file_time_type>>;

Listing List(const fs::path& root, const fs::path& skip, bool deep) {
  Listing files;
  std::error_code error;
  for (auto it = fs::recursive_directory_iterator(root, error);
       it != fs::recursive_directory_iterator(); it.increment(error)) {
    if (error) break;
    if (!deep || (!skip.empty() && it->path() == skip)) it.disable_recursion_pending();
    if (!skip.empty() && it->path() == skip) continue;
    std::error_code e;
    const auto size = it->is_regular_file(e) ? it->file_size(e) : 0;
    files[it->path().string()] = {size, it->last_write_time(e)};
  }
  return files;
}

std::string Describe(const Listing& before, const Listing& after) {
  for (const auto& [name, info] : after) {
    const auto was = before.find(name);
    if (was == before.end()) return "new " + name;
    if (was->second != info) return "changed " + name;
  }
  for (const auto& [name, info] : before)
    if (after.find(name) == after.end()) return "removed " + name;
  return {};
}

// The lines of a CR LF text in code page 932, or a description of what is
// wrong with it.
bool SplitCp932Lines(const std::string& bytes, std::vector<std::string>& lines,
                     std::string& problem) {
  if (!bytes.empty() &&
      MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
                          nullptr, 0) == 0) {
    problem = "is not valid Shift_JIS";
    return false;
  }
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      problem = "ends without CR LF: [" + Cp932ToUtf8(bytes.substr(start, 80)) + "]";
      return false;
    }
    const std::string line = bytes.substr(start, end - start);
    if (line.find_first_of("\r\n") != std::string::npos) {
      problem = "has a bare CR or LF in [" + Cp932ToUtf8(line.substr(0, 80)) + "]";
      return false;
    }
    lines.push_back(line);
    start = end + 2;
  }
  return true;
}

struct TopDialog {
  enum Kind { None, Colour, File, Box } kind = None;
  HWND window = nullptr;
};

struct DialogScan {
  DWORD processId;
  TopDialog found;
};

// The process's dialog that takes input: a dialog that opened a message box
// is disabled while the box is up.
BOOL CALLBACK ScanDialogs(HWND window, LPARAM param) {
  auto* scan = reinterpret_cast<DialogScan*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != scan->processId || !IsWindowVisible(window) || !IsWindowEnabled(window))
    return TRUE;
  if (ClassName(window) != L"#32770") return TRUE;
  TopDialog d;
  d.window = window;
  if (GetDlgItem(window, 706) != nullptr)
    d.kind = TopDialog::Colour;
  else if (GetDlgItem(window, 0x47C) != nullptr || GetDlgItem(window, 0x480) != nullptr)
    d.kind = TopDialog::File;
  else
    d.kind = TopDialog::Box;
  scan->found = d;
  return FALSE;
}

TopDialog FindTopDialog(DWORD processId) {
  DialogScan scan{processId, {}};
  EnumWindows(ScanDialogs, reinterpret_cast<LPARAM>(&scan));
  return scan.found;
}

// --- Real input, quick: the monkey needs many actions, not a human pace.

INPUT MouseAt(DWORD flags, POINT at) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  return input;
}

void Send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

POINT CentreOf(HWND w) {
  const RECT r = ScreenRect(w);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

INPUT KeyInput(WORD vk, DWORD flags) {
  INPUT key{};
  key.type = INPUT_KEYBOARD;
  key.ki.wVk = vk;
  key.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  key.ki.dwFlags = flags;
  return key;
}

std::string Quote(const std::wstring& text) {
  std::string out = Utf8(text.size() > 40 ? text.substr(0, 40) : text);
  if (text.size() > 40) out += "...(" + std::to_string(text.size()) + " characters)";
  return "\"" + out + "\"";
}

class Monkey {
 public:
  Monkey(const ModeCase& mode, std::uint32_t seed) : mode_(mode), seed_(seed), rng_(seed) {}

  // Starts the run; false (with the reason in `failure`) if it cannot start.
  void Start() {
    folder_ = std::make_unique<ProgramFolder>();
    PrepareCase(*folder_, mode_.dataCase);
    // A file that is no table at all, for the open dialog to be given.
    std::string junk;
    for (int i = 0; i < 3000; ++i) junk += static_cast<char>(rng_() % 256);
    junk += "\r\n[koumoku]\r\nkoumoku_1=\xff\r\n=\r\n[\r\nKETA=abc\r\n";
    std::ofstream(folder_->Path() / "junk.JHY", std::ios::binary) << junk;
    outsideBefore_ = List(fs::temp_directory_path(), folder_->Path(), true);
    program_ = std::make_unique<Program>(*folder_, mode_.word);
    main_ = program_->MainWindow();
    startBoxes_ = LoadMessages(*program_);
  }

  // One action; false once the run has ended (by OK or exit).
  bool Step() {
    const TopDialog dialog = FindTopDialog(program_->Id());
    const auto t0 = Clock::now();
    try {
      if (dialog.kind != TopDialog::None)
        AnswerDialog(dialog);
      else
        Act();
    } catch (const DriverError& e) {
      // A window that went away while being worked: the program ended (its
      // window hides before it and its controls go), or a dialog closed or
      // changed while it was being answered. Whether the program still
      // answers is what Check() judges.
      if (program_->Running() && IsWindow(main_) && IsWindowVisible(main_) &&
          dialog.kind == TopDialog::None)
        throw;
      Note(std::string("(the window changed meanwhile: ") + e.what() + ")");
    }
    const auto t1 = Clock::now();
    const bool going = Check();
    const auto t2 = Clock::now();
    if (std::getenv("KAVETA_MONKEY_PROFILE") && !log_.empty())
      std::printf("%6lld %6lld  %s\n",
                  static_cast<long long>(
                      std::chrono::duration_cast<std::chrono::milliseconds>(t1 - t0).count()),
                  static_cast<long long>(
                      std::chrono::duration_cast<std::chrono::milliseconds>(t2 - t1).count()),
                  log_.back().c_str());
    return going;
  }

  bool OkEnded() const { return okEnded_; }
  const std::vector<std::string>& Log() const { return log_; }
  std::size_t LogSize() const { return logSize_.load(); }
  void Kill() { program_.reset(); }

 private:
  std::uint32_t Pick(std::uint32_t n) { return rng_() % n; }
  bool Chance(int percent) { return static_cast<int>(Pick(100)) < percent; }

  void Note(const std::string& action) {
    log_.push_back(action);
    logSize_ = log_.size();
  }

  // Controls are looked up once per run and again only when one was made
  // anew; the driver's lookup also tells when an ID is not unique.
  HWND Find(int controlId) {
    HWND& known = controls_[controlId];
    if (known != nullptr && IsWindow(known) && GetDlgCtrlID(known) == controlId) return known;
    try {
      known = Control(main_, controlId);
    } catch (const DriverError& e) {
      if (std::string(e.what()).find("share") != std::string::npos) throw Failure(e.what());
      known = nullptr;
    }
    return known;
  }

  void Front() {
    const HWND front = GetForegroundWindow();
    DWORD owner = 0;
    GetWindowThreadProcessId(front, &owner);
    if (owner != program_->Id()) SetForegroundWindow(main_);
  }

  // What the load says in message boxes, answered with OK.
  std::vector<std::wstring> LoadMessages(Program& p) {
    std::vector<std::wstring> texts;
    const auto end = Clock::now() + std::chrono::milliseconds(200);
    while (Clock::now() < end) {
      const TopDialog d = FindTopDialog(p.Id());
      if (d.kind == TopDialog::Box) {
        texts.push_back(Text(GetDlgItem(d.window, 0xFFFF)));
        Answer(d.window, IDOK);
        continue;
      }
      Pause(20);
    }
    return texts;
  }

  void AnswerDialog(const TopDialog& d) {
    switch (d.kind) {
      case TopDialog::Colour:
        if (Chance(50)) {
          const int r = static_cast<int>(Pick(256)), g = static_cast<int>(Pick(256)),
                    b = static_cast<int>(Pick(256));
          Note("colour dialog: " + std::to_string(r) + "," + std::to_string(g) + "," +
               std::to_string(b) + " and OK");
          ChooseColour(d.window, r, g, b);
        } else {
          Note("colour dialog: cancel");
          Answer(d.window, IDCANCEL);
        }
        return;
      case TopDialog::File: {
        const int way = static_cast<int>(Pick(3));
        if (way == 0) {
          Note("file dialog: cancel");
          PostMessageW(d.window, WM_COMMAND, IDCANCEL, 0);
        } else {
          const std::wstring name =
              (folder_->Path() / (way == 1 ? "missing.JHY" : "junk.JHY")).wstring();
          Note(std::string("file dialog: ") + (way == 1 ? "a missing file" : "the junk file"));
          HWND field = GetDlgItem(d.window, 0x47C);
          if (field == nullptr) field = GetDlgItem(d.window, 0x480);
          SendMessageTimeoutW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()),
                              SMTO_NORMAL, kUiWaitMs, nullptr);
          PostMessageW(d.window, WM_COMMAND, IDOK, 0);
        }
        break;
      }
      default: {
        std::vector<int> buttons;
        for (int b : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO})
          if (GetDlgItem(d.window, b) != nullptr) buttons.push_back(b);
        const HWND textControl = GetDlgItem(d.window, 0xFFFF);
        const std::string text =
            Quote(Text(d.window)) + " " + (textControl ? Quote(Text(textControl)) : "");
        if (buttons.empty()) {
          Note("box " + text + ": close");
          PostMessageW(d.window, WM_CLOSE, 0, 0);
        } else {
          const int b = buttons[Pick(static_cast<std::uint32_t>(buttons.size()))];
          Note("box " + text + ": button " + std::to_string(b));
          PostMessageW(d.window, WM_COMMAND, MAKEWPARAM(b, BN_CLICKED),
                       reinterpret_cast<LPARAM>(GetDlgItem(d.window, b)));
        }
        break;
      }
    }
    // Closed, or covered by the next box it opened.
    const auto end = Clock::now() + std::chrono::milliseconds(kAnswerMs);
    while (Clock::now() < end && IsWindow(d.window) && IsWindowVisible(d.window) &&
           IsWindowEnabled(d.window))
      Pause(10);
  }

  // Chooses again while the choice was not possible (a hidden control, a
  // greyed menu item): those are no actions.
  void Act() {
    for (int tries = 0; tries < 50; ++tries) {
      acted_ = true;
      ActOnce();
      if (acted_) return;
    }
    Note("nothing possible");
  }

  void Skip() { acted_ = false; }

  void ActOnce() {
    static const std::vector<int> ids = AllControlIds();
    const int roll = static_cast<int>(Pick(972));
    if (roll < 250) {
      Click(ids[Pick(static_cast<std::uint32_t>(ids.size()))], false);
    } else if (roll < 320) {
      Click(ids[Pick(static_cast<std::uint32_t>(ids.size()))], true);
    } else if (roll < 370) {
      Click(id::Lblpic(1 + static_cast<int>(Pick(32))), false);  // the colour dialog's way
    } else if (roll < 490) {
      Type();
    } else if (roll < 610) {
      Key();
    } else if (roll < 680) {
      DragRows();
    } else if (roll < 790) {
      PickFromList();
    } else if (roll < 890) {
      Menu(kMenuCommands[Pick(8)]);
    } else if (roll < 950) {
      const HWND frame = Find(id::Frame1);
      if (frame != nullptr && Visible(frame))
        Click(id::cmdOptionOK, false);
      else
        Menu(id::optSakuhyou);
    } else if (roll < 956) {
      Click(ids[Pick(static_cast<std::uint32_t>(ids.size()))], false);
    } else if (roll < 962) {
      if (Click(id::Command2, false)) endAllowed_ = okPressed_ = true;
    } else if (roll < 966) {
      if (Click(id::Command3, false)) endAllowed_ = okPressed_ = true;
    } else if (roll < 969) {
      endAllowed_ = true;
      Note("WM_CLOSE");
      PostMessageW(main_, WM_CLOSE, 0, 0);
    } else if (roll < 972) {
      endAllowed_ = true;
      Note("Alt+F4");
      Front();
      Send({KeyInput(VK_MENU, 0), KeyInput(VK_F4, 0), KeyInput(VK_F4, KEYEVENTF_KEYUP),
            KeyInput(VK_MENU, KEYEVENTF_KEYUP)});
    }
  }

  bool Click(int controlId, bool twice) {
    const HWND c = Find(controlId);
    if (c == nullptr || !Visible(c)) {
      Skip();
      return false;
    }
    Note(std::string(twice ? "double click " : "click ") + std::to_string(controlId));
    if (controlId == id::Command2 || controlId == id::Command3) endAllowed_ = okPressed_ = true;
    Front();
    const POINT at = CentreOf(c);
    std::vector<INPUT> inputs = {MouseAt(0, at), MouseAt(MOUSEEVENTF_LEFTDOWN, at),
                                 MouseAt(MOUSEEVENTF_LEFTUP, at)};
    if (twice) {
      inputs.push_back(MouseAt(MOUSEEVENTF_LEFTDOWN, at));
      inputs.push_back(MouseAt(MOUSEEVENTF_LEFTUP, at));
    }
    Send(inputs);
    return true;
  }

  void Type() {
    static const std::wstring japanese =
        L"居間台所洋室和室玄関廊下収納階段浴室便所納戸ｷｯﾁﾝﾘﾋﾞﾝｸﾞ㎡①②ⅠⅡ～―＼ー・「」";
    static const std::wstring foreign = L"€한😀\u00e9\u00df";  // not in code page 932
    static const std::wstring ascii =
        L"abcXYZ0123456789 .,-+*/=;:[]\"'\\|&%$#!?_()<>{}^~`@";
    std::wstring text;
    const int kind = static_cast<int>(Pick(10));
    const std::size_t length = kind == 9 ? 200 + Pick(2000) : 1 + Pick(12);
    for (std::size_t i = 0; i < length; ++i) {
      const int c = static_cast<int>(Pick(20));
      if (kind < 3 || (kind >= 6 && c < 10))
        text += ascii[Pick(static_cast<std::uint32_t>(ascii.size()))];
      else if (kind < 5 || c < 18)
        text += japanese[Pick(static_cast<std::uint32_t>(japanese.size()))];
      else if (kind == 5 || c < 20)
        text += L"0123456789."[Pick(11)];
    }
    if (Chance(5)) text += foreign;
    Note("type " + Quote(text));
    Front();
    std::vector<INPUT> inputs;
    for (wchar_t ch : text) {
      INPUT key{};
      key.type = INPUT_KEYBOARD;
      key.ki.wScan = ch;
      key.ki.dwFlags = KEYEVENTF_UNICODE;
      inputs.push_back(key);
      key.ki.dwFlags |= KEYEVENTF_KEYUP;
      inputs.push_back(key);
    }
    Send(inputs);
  }

  // True once the window has read every input sent so far: a marker key
  // goes after it, and the probe in the window's thread counts the markers
  // taken from its queue. The window may read a Tab well after it was sent,
  // and an Enter judged before it would be judged wrong. A long typed text
  // can keep the window reading for many seconds, so the wait is bounded.
  // Without the probe only the settled focus is left to judge by.
  bool Drain() {
    if (std::getenv("KAVETA_MONKEY_NOPROBE")) return true;
    Send({KeyInput(kMarkerKey, 0), KeyInput(kMarkerKey, KEYEVENTF_KEYUP)});
    markersSent_ = (markersSent_ + 1) & 0xFFFF;  // as the probe counts
    const auto t0 = Clock::now();
    const auto end = t0 + std::chrono::milliseconds(kAnswerMs);
    bool read = MarkersRead(main_) == markersSent_;
    while (!read && Clock::now() < end && program_->Running()) {
      Pause(5);
      read = MarkersRead(main_) == markersSent_;
    }
    if (std::getenv("KAVETA_MONKEY_PROFILE") && Clock::now() - t0 > std::chrono::milliseconds(300))
      std::printf("drain: %lld ms%s\n",
                  static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                             Clock::now() - t0).count()),
                  read ? "" : ", not read");
    return read;
  }

  // The focus once it has stayed put for 50 ms (at most half a second).
  HWND SettledFocus() {
    HWND focus = FocusOf(main_);
    const auto end = Clock::now() + std::chrono::milliseconds(500);
    for (int same = 0; same < 5 && Clock::now() < end; Pause(10)) {
      const HWND now = FocusOf(main_);
      same = now == focus ? same + 1 : 0;
      focus = now;
    }
    return focus;
  }

  void Key() {
    static const struct {
      const char* name;
      WORD modifier, key;
    } kKeys[] = {
        {"Enter", 0, VK_RETURN},  {"Enter", 0, VK_RETURN},  {"Tab", 0, VK_TAB},
        {"Tab", 0, VK_TAB},       {"Shift+Tab", VK_SHIFT, VK_TAB},
        {"Escape", 0, VK_ESCAPE}, {"Escape", 0, VK_ESCAPE}, {"Backspace", 0, VK_BACK},
        {"Backspace", 0, VK_BACK}, {"Delete", 0, VK_DELETE}, {"Up", 0, VK_UP},
        {"Down", 0, VK_DOWN},     {"Home", 0, VK_HOME},     {"End", 0, VK_END},
        {"Shift+Home", VK_SHIFT, VK_HOME}, {"Space", 0, VK_SPACE},
        {"Alt+Down", VK_MENU, VK_DOWN}, {"F4", 0, VK_F4},
    };
    const auto& k = kKeys[Pick(sizeof kKeys / sizeof kKeys[0])];
    const int times = Chance(20) ? 2 + static_cast<int>(Pick(20)) : 1;
    Note(std::string("key ") + k.name + (times > 1 ? " x" + std::to_string(times) : ""));
    Front();
    // Enter or Space on a focused OK button presses it.
    if ((k.key == VK_RETURN || k.key == VK_SPACE) && k.modifier == 0) {
      if (!Drain()) {
        Note("(the window is still reading earlier input: the key is left out)");
        return;
      }
      const int focused = GetDlgCtrlID(SettledFocus());
      if (focused == id::Command2 || focused == id::Command3) endAllowed_ = okPressed_ = true;
    }
    std::vector<INPUT> inputs;
    for (int i = 0; i < times; ++i) {
      if (k.modifier) inputs.push_back(KeyInput(k.modifier, 0));
      inputs.push_back(KeyInput(k.key, 0));
      inputs.push_back(KeyInput(k.key, KEYEVENTF_KEYUP));
      if (k.modifier) inputs.push_back(KeyInput(k.modifier, KEYEVENTF_KEYUP));
    }
    Send(inputs);
  }

  void DragRows() {
    const int from = 1 + static_cast<int>(Pick(32)), to = 1 + static_cast<int>(Pick(32));
    const HWND a = Find(id::Lblpic(from)), b = Find(id::Lblpic(to));
    if (a == nullptr || b == nullptr || !Visible(a) || !Visible(b)) {
      Skip();
      return;
    }
    Note("drag " + std::to_string(id::Lblpic(from)) + " to " + std::to_string(id::Lblpic(to)));
    Front();
    const POINT s = CentreOf(a), e = CentreOf(b);
    Send({MouseAt(0, s), MouseAt(MOUSEEVENTF_LEFTDOWN, s)});
    constexpr int kSteps = 4;
    for (int i = 1; i <= kSteps; ++i) {
      Pause(8);
      Send({MouseAt(0, {s.x + (e.x - s.x) * i / kSteps, s.y + (e.y - s.y) * i / kSteps})});
    }
    Send({MouseAt(MOUSEEVENTF_LEFTUP, e)});
  }

  void PickFromList() {
    const int controlId = kCombos[Pick(static_cast<std::uint32_t>(kCombos.size()))];
    const HWND combo = Find(controlId);
    if (combo == nullptr || !Visible(combo) || !Enabled(combo)) {
      Skip();
      return;
    }
    const auto items = ComboItems(combo);
    if (items.empty()) {
      Skip();
      return;
    }
    const auto at = Pick(static_cast<std::uint32_t>(items.size()));
    Note("pick " + std::to_string(controlId) + " entry " + std::to_string(at) + " " +
         Quote(items[at]));
    SendMessageTimeoutW(combo, CB_SETCURSEL, at, 0, SMTO_NORMAL, kUiWaitMs, nullptr);
    SendMessageTimeoutW(GetParent(combo), WM_COMMAND, MAKEWPARAM(controlId, CBN_SELCHANGE),
                        reinterpret_cast<LPARAM>(combo), SMTO_NORMAL, kUiWaitMs, nullptr);
  }

  // A menu command as the menu gives it: only when the item and its menu
  // are enabled.
  void Menu(int command) {
    const int bar = command < 3010 ? 0 : command < 3020 ? 1 : 2;
    if (std::getenv("KAVETA_MONKEY_NOPROBE")) {
      const HWND frame = Find(id::Frame1);
      if (bar == 1 && frame != nullptr && Visible(frame)) {
        Skip();
        return;
      }
    } else if (!MenuBarItem(main_, bar).enabled || !MenuItem(main_, command).enabled) {
      Skip();
      return;
    }
    if (command == id::kavetaend) endAllowed_ = true;
    Note("menu " + std::to_string(command));
    Command(main_, command);
  }

  fs::path OutputPath() const {
    return IsRegroup(mode_) ? folder_->Path() / "JWC_TEMP.TXT"
                            : folder_->HostFolder() / "ZTEMP.TXT";
  }

  void CheckOutput(const fs::path& file) {
    std::vector<std::string> lines;
    std::string problem;
    if (!SplitCp932Lines(ReadBytes(file), lines, problem))
      throw Failure(file.filename().string() + " " + problem);
    if (lines.empty()) throw Failure(file.filename().string() + " is empty");
    if (IsRegroup(mode_)) {
      if (lines.front() != "hd") throw Failure("JWC_TEMP.TXT does not begin with hd");
    } else if (lines.back().rfind("h#", 0) != 0) {
      throw Failure("ZTEMP.TXT does not end with its closing message line; last line [" +
                    Cp932ToUtf8(lines.back()) + "]");
    }
  }

  // A profile file: sections, comments and key=value lines only.
  void CheckProfile(const fs::path& file) {
    if (!fs::exists(file)) throw Failure(file.filename().string() + " was not saved by OK");
    std::vector<std::string> lines;
    std::string problem;
    if (!SplitCp932Lines(ReadBytes(file), lines, problem))
      throw Failure(file.filename().string() + " " + problem);
    for (const std::string& line : lines)
      if (!line.empty() && line.front() != '[' && line.front() != ';' &&
          line.find('=') == std::string::npos)
        throw Failure(file.filename().string() + " has a line that is neither a section nor a " +
                      "value: [" + Cp932ToUtf8(line.substr(0, 80)) + "]");
  }

  // The files an OK saved, read back by the program itself: its window comes
  // up saying no more than it said when this run started.
  void ReadBack() {
    CheckProfile(folder_->Path() / "Kaveta.INI");
    CheckProfile(folder_->Path() / "koumoku.INI");
    Program again(*folder_, mode_.word);
    const HWND window = again.MainWindow();
    const auto said = LoadMessages(again);
    if (said != startBoxes_) {
      std::string texts;
      for (const auto& t : said) texts += " " + Quote(t);
      throw Failure("the settings saved by OK, read back, give the messages:" + texts);
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (again.WaitForExit(kUiWaitMs) != 0) throw Failure("the read-back run ended with an error");
  }

  // Outside the program folder: the current folder (where a program that
  // forgets its folder writes) after each action, all of it at the end.
  void CheckOutside(bool deep) {
    Listing before = outsideBefore_;
    if (!deep)
      for (auto it = before.begin(); it != before.end();)
        it = fs::path(it->first).parent_path() == fs::temp_directory_path() ? std::next(it)
                                                                            : before.erase(it);
    const std::string outside =
        Describe(before, List(fs::temp_directory_path(), folder_->Path(), deep));
    if (!outside.empty()) throw Failure("written outside the program folder: " + outside);
  }

  bool Check() {
    CheckOutside(false);
    const fs::path output = OutputPath();
    const bool hasOutput = fs::exists(output);
    if (hasOutput && !okPressed_)
      throw Failure(output.filename().string() + " appeared though OK was not pressed");

    if (program_->Running() && IsWindow(main_)) {
      DWORD_PTR ignored = 0;
      const bool answered =
          SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerMs, &ignored) != 0;
      if (answered || (program_->Running() && IsWindow(main_))) {
        if (!answered) {
          // How long it took after all, to tell a stall from a hang.
          const auto from = Clock::now();
          const bool later =
              SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored) != 0;
          const auto ms =
              std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - from).count();
          throw Failure("the window did not answer a message within 2 s (" +
                        (later ? "it answered " + std::to_string(2000 + ms) + " ms after it"
                               : std::string("no answer 32 s after it")) +
                        " was sent)");
        }
        if (hasOutput) CheckOutput(output);
        return true;
      }
    }
    // The window is gone: the process must end, and only when asked to.
    CheckOutside(true);
    DWORD code = 0;
    try {
      code = program_->WaitForExit(kUiWaitMs);
    } catch (const DriverError&) {
      throw Failure("the main window is gone but kaveta.exe keeps running");
    }
    if (!endAllowed_) throw Failure("kaveta.exe ended by itself, exit code " + std::to_string(code));
    if (code != 0) throw Failure("kaveta.exe ended with exit code " + std::to_string(code));
    if (fs::exists(output)) {
      CheckOutput(output);
      okEnded_ = true;
      Note("ended by OK");
      if (SavesSettings(mode_)) ReadBack();
    } else {
      Note("ended without output");
    }
    return false;
  }

  const ModeCase& mode_;
  std::uint32_t seed_;
  std::mt19937 rng_;
  std::unique_ptr<ProgramFolder> folder_;
  std::unique_ptr<Program> program_;
  HWND main_ = nullptr;
  Listing outsideBefore_;
  std::vector<std::wstring> startBoxes_;
  std::vector<std::string> log_;
  std::map<int, HWND> controls_;
  std::atomic<std::size_t> logSize_{0};
  bool endAllowed_ = false, okPressed_ = false, okEnded_ = false;
  bool acted_ = true;
  int markersSent_ = 0;
};

}  // namespace

namespace {

std::string Report(const ModeCase& mode, std::uint32_t runSeed, const std::vector<std::string>& log,
                   const std::string& what) {
  std::ostringstream report;
  report << "mode " << mode.name << ", seed " << runSeed << " (KAVETA_MONKEY_SEED=" << runSeed
         << " replays this run), after " << log.size() << " actions: " << what << "\nactions:\n";
  int n = 0;
  for (const std::string& a : log) report << "  " << ++n << ". " << a << "\n";
  return report.str();
}

}  // namespace

Outcome Run(const ModeCase& mode, std::uint32_t seed, int actions) {
  Outcome outcome;
  std::uint32_t runSeed = seed;
  // A step that never returns (a call into the program that blocks) is a
  // fault too: report the actions so far and end the test program.
  std::atomic<bool> done{false};
  std::atomic<Monkey*> current{nullptr};
  std::atomic<std::uint32_t> currentSeed{seed};
  std::thread watchdog([&] {
    std::size_t seen = 0;
    auto since = Clock::now();
    while (!done) {
      Pause(200);
      Monkey* m = current.load();
      const std::size_t size = m ? m->LogSize() : 0;
      if (size != seen || m == nullptr) {
        seen = size;
        since = Clock::now();
      } else if (Clock::now() - since > std::chrono::seconds(90)) {
        std::fprintf(stderr, "%s",
                     Report(mode, currentSeed, m->Log(), "no step for 90 s (hung)").c_str());
        std::fflush(stderr);
        std::_Exit(3);
      }
    }
  });
  struct Join {
    std::atomic<bool>& done;
    std::thread& t;
    ~Join() {
      done = true;
      t.join();
    }
  } join{done, watchdog};
  while (outcome.actions < actions) {
    ++outcome.sessions;
    auto monkey = std::make_unique<Monkey>(mode, runSeed);
    currentSeed = runSeed;
    current = monkey.get();
    try {
      monkey->Start();
      while (outcome.actions < actions) {
        ++outcome.actions;
        if (!monkey->Step()) break;
      }
      if (monkey->OkEnded()) ++outcome.okEnds;
    } catch (const std::exception& e) {
      current = nullptr;
      outcome.failure = Report(mode, runSeed, monkey->Log(), e.what());
      return outcome;
    }
    current = nullptr;
    runSeed = std::mt19937(runSeed)();
  }
  return outcome;
}

}  // namespace kaveta::gui::monkey

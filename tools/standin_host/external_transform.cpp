#include "external_transform.h"

#include <windows.h>

#include <cwctype>
#include <vector>

#include "host_log.h"

namespace standin {
namespace {

std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

std::wstring Lower(std::wstring s) {
  for (wchar_t& c : s) c = static_cast<wchar_t>(std::towlower(c));
  return s;
}

struct Directives {
  bool jww = false;  // "REM #jww": a batch file for the Windows host
  bool cd = false;   // "REM #cd": JWC_TEMP.TXT goes beside the batch file
  bool end = false;  // "REM #e": end of the directives
};

// The host reads "REM #..." lines up to "#e"; the first line is the
// description shown in its file picker.
Directives ReadDirectives(const std::vector<std::string>& lines) {
  Directives d;
  for (std::size_t i = 0; i < lines.size() && !d.end; ++i) {
    const std::wstring line = Lower(FromCodePage(lines[i], 932));
    if (i == 0) Log(L"batch description " + FromCodePage(lines[i], 932));
    if (line.rfind(L"rem #", 0) != 0) continue;
    std::wstring word = line.substr(4);
    const std::size_t blank = word.find_first_of(L" \t");
    if (blank != std::wstring::npos) word.resize(blank);
    Log(L"batch directive " + word);
    if (word == L"#jww") d.jww = true;
    if (word == L"#cd") d.cd = true;
    if (word == L"#e") d.end = true;
  }
  return d;
}

std::wstring OwnFolder() {
  wchar_t path[MAX_PATH] = L"";
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return FolderOf(path);
}

// Waits for the process while dispatching the windows' messages, so that a
// tool started by the batch file can still hand its file to the host.
bool WaitPumping(HANDLE process, int limitMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    const DWORD spent = GetTickCount() - start;
    if (spent >= static_cast<DWORD>(limitMs)) return false;
    const DWORD r = MsgWaitForMultipleObjects(1, &process, FALSE, limitMs - spent, QS_ALLINPUT);
    if (r == WAIT_OBJECT_0) return true;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
      }
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

// What the host does with the file it reads back.
void ApplyResult(const std::string& bytes) {
  const std::vector<std::string> lines = Lines(bytes);
  const std::wstring first = lines.empty() ? L"" : Lower(FromCodePage(lines[0], 932));
  if (first.rfind(L"hq", 0) == 0) {
    Log(L"external hq drawing unchanged");
    return;
  }
  if (first.rfind(L"hd", 0) != 0) {
    Log(L"external unknown first line " + first);
    return;
  }
  Log(L"external hd delete selection");
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (lines[i].empty()) continue;
    const std::wstring line = FromCodePage(lines[i], 932);
    // "h#" lines are messages the host shows, not figures.
    if (line.rfind(L"h#", 0) == 0)
      Log(L"message " + line.substr(line.size() > 2 && line[2] == L' ' ? 3 : 2));
    else
      Log(L"draw " + line);
  }
}

}  // namespace

void RunExternalTransformation(const ExternalRun& run) {
  std::string batch;
  if (!ReadWholeFile(run.batchFile, batch)) {
    Log(L"external no batch file " + run.batchFile);
    return;
  }
  const Directives d = ReadDirectives(Lines(batch));
  if (!d.jww) {
    Log(L"external refused: no #jww directive");
    return;
  }
  std::string selection;
  ReadWholeFile(run.selectionFile, selection);
  if (!selection.empty() && selection.back() != '\n') selection += "\r\n";
  const std::wstring folder = d.cd ? FolderOf(run.batchFile) : OwnFolder();
  const std::wstring exchange = folder + L"\\JWC_TEMP.TXT";
  if (!WriteWholeFile(exchange, "hq\r\n" + selection)) {
    Log(L"external cannot write " + exchange);
    return;
  }

  std::wstring command = L"cmd.exe /c \"" + run.batchFile + L"\"";
  STARTUPINFOW si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                      folder.c_str(), &si, &pi)) {
    Log(L"external cannot start cmd.exe, error " + std::to_wstring(GetLastError()));
    return;
  }
  CloseHandle(pi.hThread);
  Log(L"external started");
  const bool ended = WaitPumping(pi.hProcess, run.waitLimitMs);
  DWORD code = 0;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hProcess);
  if (!ended) {
    Log(L"external batch still running, not read");
    return;
  }
  Log(L"external batch ended " + std::to_wstring(code));
  std::string result;
  if (!ReadWholeFile(exchange, result)) {
    Log(L"external no JWC_TEMP.TXT");
    return;
  }
  ApplyResult(result);
}

}  // namespace standin

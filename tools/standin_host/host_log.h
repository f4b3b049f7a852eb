// The stand-in host's log: one UTF-8 line per event, written through at once
// so that a test can read it while the host runs.
#pragma once

#include <string>

namespace standin {

void OpenLog(const std::wstring& folder);
std::wstring LogFolder();
// Appends "<GetTickCount()> <line>": the clock is the machine's, so another
// process can set the events beside its own moments.
void Log(const std::wstring& line);
std::wstring Hex(const void* handle);

std::string ToUtf8(const std::wstring& w);
std::wstring FromCodePage(const std::string& bytes, unsigned codePage);
bool ReadWholeFile(const std::wstring& path, std::string& bytes);
bool WriteWholeFile(const std::wstring& path, const std::string& bytes);
// The folder part of a path, without the trailing separator.
std::wstring FolderOf(const std::wstring& path);

}  // namespace standin

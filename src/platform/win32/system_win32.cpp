#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <utility>

#include "platform/memory.h"
#include "platform/system.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/wide_text.h"

namespace kaveta {
namespace {

class Handle {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  ~Handle() {
    if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return h_; }
  bool ok() const { return h_ != INVALID_HANDLE_VALUE; }
  void Close() {
    if (ok()) CloseHandle(h_);
    h_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE h_;
};

// The pieces go to a temporary file beside the target; Commit moves it over.
class Win32Writer : public FileWriter {
 public:
  Win32Writer(HANDLE file, std::wstring temp, std::wstring target)
      : file_(file), temp_(std::move(temp)), target_(std::move(target)) {}
  ~Win32Writer() override {
    file_.Close();
    if (!committed_) DeleteFileW(temp_.c_str());
  }

  bool Write(std::string_view bytes) override {
    while (ok_ && !bytes.empty()) {
      const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
      DWORD done = 0;
      ok_ = WriteFile(file_.get(), bytes.data(), piece, &done, nullptr) && done == piece;
      bytes.remove_prefix(piece);
    }
    return ok_;
  }

  bool Prepare() override {
    if (!file_.ok()) return ok_;
    ok_ = ok_ && FlushFileBuffers(file_.get());
    file_.Close();
    // Wine's MoveFileEx replaces a read-only file where Windows refuses:
    // look first. A replaced file keeps its attributes (hidden, archive...).
    const DWORD old = GetFileAttributesW(target_.c_str());
    if (old != INVALID_FILE_ATTRIBUTES) {
      if (old & FILE_ATTRIBUTE_READONLY) ok_ = false;
      const DWORD kept = old & (FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN |
                                FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
      ok_ = ok_ && SetFileAttributesW(temp_.c_str(), kept ? kept : FILE_ATTRIBUTE_NORMAL);
    }
    return ok_;
  }

  bool Commit() override {
    committed_ = Prepare() && MoveFileExW(temp_.c_str(), target_.c_str(),
                                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    return committed_;
  }

 private:
  Handle file_;
  std::wstring temp_, target_;
  bool ok_ = true;
  bool committed_ = false;
};

class Win32FileSystem : public FileSystem {
 public:
  std::optional<std::string> Read(const std::string& path) override {
    Handle file(CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.ok()) return std::nullopt;
    std::string bytes;
    // At its size from the start: growing by doubling would hold up to twice
    // a large selection while it is read.
    LARGE_INTEGER size;
    if (GetFileSizeEx(file.get(), &size) && size.QuadPart > 0)
      bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    char buffer[65536];
    DWORD got = 0;
    BOOL read = FALSE;
    while ((read = ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) && got > 0)
      bytes.append(buffer, got);
    // Half a file read is no file read: it must not be saved back as whole.
    if (!read) return std::nullopt;
    return bytes;
  }

  bool WriteReplace(const std::string& path, const std::string& bytes) override {
    std::unique_ptr<FileWriter> file = BeginReplace(path);
    return file && file->Write(bytes) && file->Commit();
  }

  std::unique_ptr<FileWriter> BeginReplace(const std::string& path) override {
    const std::wstring target = Utf8ToWide(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
      return nullptr;
    std::wstring temp = target + Utf8ToWide(kTempSuffix);
    // CREATE_ALWAYS truncates what an interrupted run left; a hidden or
    // read-only leftover would refuse it, so it goes first.
    DeleteFileW(temp.c_str());
    HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<Win32Writer>(file, std::move(temp), target);
  }

  bool Occupied(const std::string& path) override {
    if (GetFileAttributesW(Utf8ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    const DWORD error = GetLastError();
    return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
  }

  // A directory search may match a short 8.3 name; only the long name counts.
  bool Exists(const std::string& path) override {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(Utf8ToWide(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
    const std::size_t slash = path.find_last_of("\\/");
    const std::wstring want = Utf8ToWide(slash == std::string::npos ? path : path.substr(slash + 1));
    return CompareStringOrdinal(found.cFileName, -1, want.c_str(), -1, TRUE) == CSTR_EQUAL;
  }

  std::string CurrentFolder() override {
    const DWORD n = GetCurrentDirectoryW(0, nullptr);
    std::wstring folder(n, L'\0');
    const DWORD got = GetCurrentDirectoryW(n, folder.data());
    folder.resize(got < n ? got : 0);
    return WideToUtf8(folder);
  }

  bool Remove(const std::string& path) override {
    return DeleteFileW(Utf8ToWide(path).c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
  }
};

}  // namespace

// Windows keeps large pages for privileged processes: nothing to ask for.
void AdviseLargeBuffer(void*, std::size_t) {}

// The reset pages keep their place in the heap block; unlocking pages that
// were never locked takes them out of the working set.
void ReleaseReadPages(char* begin, char* end) {
  if (end <= begin) return;
  const auto size = static_cast<SIZE_T>(end - begin);
  if (VirtualAlloc(begin, size, MEM_RESET, PAGE_READWRITE) != nullptr) VirtualUnlock(begin, size);
}

std::unique_ptr<FileSystem> MakeSystemFileSystem() { return std::make_unique<Win32FileSystem>(); }

std::unique_ptr<RegistryReader> MakeSystemRegistry(FileSystem&, const std::string&) {
  return std::make_unique<Win32Registry>();
}

std::string ExecutableFolder(const char*) {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n < buffer.size()) {
      buffer.resize(n);
      break;
    }
    buffer.resize(buffer.size() * 2);
  }
  const std::size_t slash = buffer.find_last_of(L"\\/");
  return WideToUtf8(slash == std::wstring::npos ? buffer : buffer.substr(0, slash));
}

char PathSeparator() { return '\\'; }

void RemoveTempFilesOnSignals() {}

bool ChangeCurrentFolder(const std::string& folder) {
  return SetCurrentDirectoryW(Utf8ToWide(folder).c_str()) != 0;
}

}  // namespace kaveta

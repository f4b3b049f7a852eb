#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <utility>

#include "platform/ini_registry.h"
#include "platform/memory.h"
#include "platform/system.h"

namespace kaveta {
namespace {

bool WriteAll(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// The temporary files being written, for the signal handler: fixed slots of
// plain characters, since the handler may use nothing else. A save writes
// at most two files at once.
constexpr int kTempSlots = 4;
constexpr std::size_t kTempPathMax = 4096;
char g_tempPaths[kTempSlots][kTempPathMax];
volatile std::sig_atomic_t g_tempInUse[kTempSlots];

int RegisterTemp(const std::string& temp) {
  if (temp.size() >= kTempPathMax) return -1;
  for (int i = 0; i < kTempSlots; ++i) {
    if (g_tempInUse[i]) continue;
    std::memcpy(g_tempPaths[i], temp.c_str(), temp.size() + 1);
    g_tempInUse[i] = 1;
    return i;
  }
  return -1;
}

void ForgetTemp(int slot) {
  if (slot >= 0) g_tempInUse[slot] = 0;
}

extern "C" void RemoveTempsAndDie(int sig) {
  for (int i = 0; i < kTempSlots; ++i)
    if (g_tempInUse[i]) ::unlink(g_tempPaths[i]);
  std::signal(sig, SIG_DFL);
  std::raise(sig);
}

// "No write permission for the user": also for root, whom access() lets
// write anywhere, a file without any write bit counts as protected.
bool Protected(const struct stat& info, const std::string& path) {
  return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

// The pieces go to the fixed temporary file beside the target; Commit
// renames it over.
class PosixWriter : public FileWriter {
 public:
  PosixWriter(int fd, std::string temp, std::string path)
      : fd_(fd), temp_(std::move(temp)), path_(std::move(path)), slot_(RegisterTemp(temp_)) {}
  ~PosixWriter() override {
    if (fd_ >= 0) ::close(fd_);
    if (!committed_) ::unlink(temp_.c_str());
    ForgetTemp(slot_);
  }
  PosixWriter(const PosixWriter&) = delete;
  PosixWriter& operator=(const PosixWriter&) = delete;

  bool Write(std::string_view bytes) override {
    ok_ = ok_ && WriteAll(fd_, bytes);
    return ok_;
  }

  bool Prepare() override {
    if (fd_ < 0) return ok_;
    // A file that is replaced keeps its rights; a new one gets the usual.
    mode_t mode = 0644;
    struct stat info;
    if (::stat(path_.c_str(), &info) == 0) {
      if (Protected(info, path_)) ok_ = false;
      mode = info.st_mode & 07777;
    }
    ok_ = ok_ && ::fchmod(fd_, mode) == 0 && ::fsync(fd_) == 0;
    ok_ = ::close(fd_) == 0 && ok_;
    fd_ = -1;
    return ok_;
  }

  bool Commit() override {
    committed_ = Prepare() && std::rename(temp_.c_str(), path_.c_str()) == 0;
    return committed_;
  }

 private:
  int fd_;
  std::string temp_, path_;
  int slot_;
  bool ok_ = true;
  bool committed_ = false;
};

class PosixFileSystem : public FileSystem {
 public:
  std::optional<std::string> Read(const std::string& path) override {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return std::nullopt;
    std::string bytes;
    // At its size from the start: growing by doubling would hold up to twice
    // a large selection while it is read.
    struct stat info;
    if (::fstat(::fileno(f), &info) == 0 && info.st_size > 0) {
      bytes.reserve(static_cast<std::size_t>(info.st_size));
      AdviseLargeBuffer(bytes.data(), bytes.capacity());
    }
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) return std::nullopt;
    return bytes;
  }

  bool WriteReplace(const std::string& path, const std::string& bytes) override {
    std::unique_ptr<FileWriter> file = BeginReplace(path);
    return file && file->Write(bytes) && file->Commit();
  }

  std::unique_ptr<FileWriter> BeginReplace(const std::string& path) override {
    // A protected target is refused before anything is written.
    struct stat info;
    if (::stat(path.c_str(), &info) == 0 && Protected(info, path)) return nullptr;
    std::string temp = path + kTempSuffix;
    // What an interrupted run left goes first; the file is then made anew,
    // for this user only until it is complete.
    ::unlink(temp.c_str());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return nullptr;
    return std::make_unique<PosixWriter>(fd, std::move(temp), path);
  }

  bool Occupied(const std::string& path) override {
    struct stat info;
    return ::lstat(path.c_str(), &info) == 0 || errno != ENOENT;
  }

  bool Exists(const std::string& path) override {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
  }

  std::string CurrentFolder() override {
    std::error_code ec;
    return std::filesystem::current_path(ec).string();
  }

  bool Remove(const std::string& path) override {
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
  }
};

}  // namespace

void AdviseLargeBuffer(void* data, std::size_t size) {
  constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
  if (size < 2 * kHugePage) return;
  // Only the whole huge pages inside the buffer: the advice covers the
  // pages it names, and the buffer's ends share pages with other data.
  const auto start = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
  const std::uintptr_t end = (start + size) & ~(kHugePage - 1);
  if (end > first) ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
}

void ReleaseReadPages(char* begin, char* end) {
  if (end > begin) ::madvise(begin, static_cast<std::size_t>(end - begin), MADV_DONTNEED);
}

std::unique_ptr<FileSystem> MakeSystemFileSystem() { return std::make_unique<PosixFileSystem>(); }

std::unique_ptr<RegistryReader> MakeSystemRegistry(FileSystem& files,
                                                   const std::string& programFolder) {
  return std::make_unique<IniRegistry>(files, programFolder + "/registry.ini");
}

std::string ExecutableFolder(const char* argv0) {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) exe = std::filesystem::absolute(argv0, ec);
  return exe.parent_path().string();
}

char PathSeparator() { return '/'; }

void RemoveTempFilesOnSignals() {
  for (int sig : {SIGINT, SIGTERM, SIGHUP}) std::signal(sig, RemoveTempsAndDie);
  // Past a file-size limit a write then fails and is reported, instead of
  // the signal ending the run with its temporary file left behind.
  std::signal(SIGXFSZ, SIG_IGN);
}

bool ChangeCurrentFolder(const std::string& folder) { return ::chdir(folder.c_str()) == 0; }

}  // namespace kaveta

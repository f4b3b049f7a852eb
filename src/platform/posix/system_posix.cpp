#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
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

// The pieces go to a mkstemp file beside the target; Commit renames it over.
class PosixWriter : public FileWriter {
 public:
  PosixWriter(int fd, std::string temp, std::string path)
      : fd_(fd), temp_(std::move(temp)), path_(std::move(path)) {}
  ~PosixWriter() override {
    if (fd_ >= 0) ::close(fd_);
    if (!committed_) ::unlink(temp_.c_str());
  }
  PosixWriter(const PosixWriter&) = delete;
  PosixWriter& operator=(const PosixWriter&) = delete;

  bool Write(std::string_view bytes) override {
    ok_ = ok_ && WriteAll(fd_, bytes);
    return ok_;
  }

  bool Commit() override {
    // mkstemp creates the file for its owner only; give it the usual rights.
    ok_ = ok_ && ::fchmod(fd_, 0644) == 0 && ::fsync(fd_) == 0;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    committed_ = ok_ && closed && std::rename(temp_.c_str(), path_.c_str()) == 0;
    return committed_;
  }

 private:
  int fd_;
  std::string temp_, path_;
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
    std::string temp = path + ".XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) return nullptr;
    return std::make_unique<PosixWriter>(fd, std::move(temp), path);
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

bool ChangeCurrentFolder(const std::string& folder) { return ::chdir(folder.c_str()) == 0; }

}  // namespace kaveta

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/ini_registry.h"
#include "platform/system.h"

namespace kaveta {
namespace {

class PosixFileSystem : public FileSystem {
 public:
  std::optional<std::string> Read(const std::string& path) override {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) return std::nullopt;
    return bytes;
  }

  bool WriteReplace(const std::string& path, const std::string& bytes) override {
    std::string temp = path + ".XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    // mkstemp creates the file for its owner only; give it the usual rights.
    const bool written = done == bytes.size() && ::fchmod(fd, 0644) == 0 && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temp.c_str(), path.c_str()) != 0) {
      ::unlink(temp.c_str());
      return false;
    }
    return true;
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

// The system file seam against a real folder: what an interrupted run left,
// protected targets, the rights of a replaced file, a file that is there but
// cannot be read, and (POSIX) a run ended by a signal or a file-size limit.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "platform/system.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

namespace kaveta {
namespace {

namespace fs = std::filesystem;

class FileReplace : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("kaveta-replace-" + std::to_string(counter_++) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    files_ = MakeSystemFileSystem();
  }
  void TearDown() override {
    std::error_code ec;
    for (const auto& entry : fs::recursive_directory_iterator(folder_, ec))
      fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(folder_, ec);
  }
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }
  void Put(const std::string& name, const std::string& bytes) const {
    std::ofstream(folder_ / name, std::ios::binary) << bytes;
  }
  std::string Get(const std::string& name) const {
    std::ifstream in(folder_ / name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_))
      names.insert(entry.path().filename().string());
    return names;
  }

  static inline int counter_ = 0;
  fs::path folder_;
  std::unique_ptr<FileSystem> files_;
};

TEST_F(FileReplace, WhatAnInterruptedRunLeftIsGoneAfterTheNextWrite) {
  Put("Kaveta.INI", "old");
  Put(std::string("Kaveta.INI") + kTempSuffix, std::string(5000, 'x'));
  ASSERT_TRUE(files_->WriteReplace(Path("Kaveta.INI"), "new"));
  EXPECT_EQ(Get("Kaveta.INI"), "new");
  EXPECT_EQ(Names(), std::set<std::string>{"Kaveta.INI"});
}

TEST_F(FileReplace, AFailedOrDroppedWriteLeavesNoTemporaryFile) {
  Put("ZTEMP.TXT", "old");
  {
    auto writer = files_->BeginReplace(Path("ZTEMP.TXT"));
    ASSERT_TRUE(writer);
    ASSERT_TRUE(writer->Write("half"));
    EXPECT_TRUE(fs::exists(folder_ / (std::string("ZTEMP.TXT") + kTempSuffix)));
  }
  EXPECT_EQ(Get("ZTEMP.TXT"), "old");
  EXPECT_EQ(Names(), std::set<std::string>{"ZTEMP.TXT"});
}

TEST_F(FileReplace, AProtectedTargetIsNotReplaced) {
  Put("koumoku.INI", "mine");
  fs::permissions(folder_ / "koumoku.INI",
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  EXPECT_FALSE(files_->WriteReplace(Path("koumoku.INI"), "new"));
  EXPECT_EQ(Get("koumoku.INI"), "mine");
  EXPECT_EQ(Names(), std::set<std::string>{"koumoku.INI"});
}

TEST_F(FileReplace, AFileThereButUnreadableIsOccupied) {
  // A folder under the file's name cannot be read as a file, by any user.
  fs::create_directory(folder_ / "Kaveta.INI");
  EXPECT_FALSE(files_->Read(Path("Kaveta.INI")));
  EXPECT_TRUE(files_->Occupied(Path("Kaveta.INI")));
  EXPECT_FALSE(files_->Occupied(Path("koumoku.INI")));
  Put("koumoku.INI", "x");
  EXPECT_TRUE(files_->Occupied(Path("koumoku.INI")));
}

#ifndef _WIN32

mode_t ModeOf(const fs::path& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info.st_mode & 07777;
}

TEST_F(FileReplace, AReplacedFileKeepsItsRightsANewOneGetsTheUsual) {
  const struct {
    const char* name;
    mode_t before;  // 0: no file before
    mode_t after;
  } cases[] = {{"private", 0600, 0600}, {"group", 0660, 0660}, {"fresh", 0, 0644}};
  for (const auto& c : cases) {
    if (c.before) {
      Put(c.name, "old");
      ASSERT_EQ(::chmod((folder_ / c.name).c_str(), c.before), 0);
    }
    ASSERT_TRUE(files_->WriteReplace(Path(c.name), "new")) << c.name;
    EXPECT_EQ(ModeOf(folder_ / c.name), c.after) << c.name;
  }
}

// Run in a child process: the signal ends it.
TEST_F(FileReplace, ASignalDuringAWriteRemovesTheTemporaryFile) {
  for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
    Put("JWC_TEMP.TXT", "old");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      RemoveTempFilesOnSignals();
      auto writer = files_->BeginReplace(Path("JWC_TEMP.TXT"));
      if (!writer || !writer->Write(std::string(100000, 'x'))) ::_exit(3);
      ::raise(sig);
      ::_exit(4);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << sig << " status " << status;
    EXPECT_EQ(Get("JWC_TEMP.TXT"), "old");
    EXPECT_EQ(Names(), std::set<std::string>{"JWC_TEMP.TXT"}) << sig;
  }
}

TEST_F(FileReplace, AFileSizeLimitIsAFailedWriteNotAnEndedRun) {
  Put("ZTEMP.TXT", "old");
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    RemoveTempFilesOnSignals();
    struct rlimit limit {4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::_exit(files_->WriteReplace(Path("ZTEMP.TXT"), std::string(100000, 'x')) ? 1 : 0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_EQ(Get("ZTEMP.TXT"), "old");
  EXPECT_EQ(Names(), std::set<std::string>{"ZTEMP.TXT"});
}

#endif

}  // namespace
}  // namespace kaveta

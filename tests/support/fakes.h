// Fakes of the platform seams for unit tests: an in-memory file system, a
// registry from a map, dialogs answered from a script, a recording clipboard
// and host.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/seams.h"
#include "ui/kaveta.h"

namespace kaveta::testing {

class FakeRegistry : public RegistryReader {
 public:
  std::map<std::pair<std::string, std::string>, std::string> texts;
  std::map<std::pair<std::string, std::string>, std::int32_t> numbers;
  std::string QueryText(const std::string& subKey, const std::string& name,
                        const std::string& fallback) override;
  std::int32_t QueryNumber(const std::string& subKey, const std::string& name,
                           std::int32_t fallback) override;
};

// Paths are plain keys; contents are the bytes on "disk" (Shift_JIS).
class FakeFileSystem : public FileSystem {
 public:
  std::map<std::string, std::string> files;
  std::vector<std::string> refuseWrites;  // paths whose writes fail
  std::set<std::string> unreadable;       // there, but reading fails
  std::set<std::string> outOfMemory;      // reading throws std::bad_alloc
  int writeCount = 0;
  // Files written in pieces: how many pieces, the largest, and after how
  // many bytes a piece fails (a full disk).
  int pieces = 0;
  std::size_t largestPiece = 0;
  std::optional<std::size_t> diskFullAfter;
  std::optional<std::string> Read(const std::string& path) override;
  bool Occupied(const std::string& path) override;
  bool Refused(const std::string& path) const;
  bool WriteReplace(const std::string& path, const std::string& bytes) override;
  std::unique_ptr<FileWriter> BeginReplace(const std::string& path) override;
  bool Exists(const std::string& path) override;
  bool Remove(const std::string& path) override;
  std::string currentFolder = "/app";
  std::string CurrentFolder() override { return currentFolder; }
};

class FakeDialogs : public Dialogs {
 public:
  struct Shown {
    std::string text;
    MsgIcon icon;
    MsgButtons buttons;
  };
  std::vector<Shown> messages;
  std::deque<MsgAnswer> answers;  // taken in order; default: No / Cancel / Ok
  std::vector<FileDialogArgs> fileDialogs;
  std::deque<std::optional<std::string>> fileAnswers;  // empty deque: cancel
  std::vector<ColourDialogArgs> colourDialogs;
  std::deque<std::optional<std::int32_t>> colourAnswers;  // empty deque: cancel

  MsgAnswer Message(const std::string& text, MsgIcon icon, MsgButtons buttons) override;
  std::optional<std::string> ChooseFile(const FileDialogArgs& args) override;
  std::optional<std::int32_t> ChooseColour(const ColourDialogArgs& args) override;
  // Texts of all messages shown, in order.
  std::vector<std::string> Texts() const;
};

class FakeClipboard : public Clipboard {
 public:
  std::vector<std::string> sets;
  void SetText(const std::string& text) override { sets.push_back(text); }
};

class FakeHost : public HostHandOff {
 public:
  int calls = 0;
  void Zkakikomi() override { ++calls; }
};

// A window object wired to fresh fakes; program folder "/app".
struct Harness {
  FakeRegistry registry;
  FakeFileSystem files;
  FakeDialogs dialogs;
  FakeClipboard clipboard;
  FakeHost host;
  Environment env;
  explicit Harness(const std::string& folder = "/app");
  Kaveta Make(RunMode mode) { return Kaveta(env, mode); }
  // Stores a file given in UTF-8 with "\n" line ends as Shift_JIS with CR LF.
  void PutText(const std::string& path, const std::string& utf8Lines);
  // A stored file back as UTF-8 text (CR LF kept).
  std::string GetText(const std::string& path) const;
};

}  // namespace kaveta::testing

// The seams through which the portable code reaches the operating system.
// Each has a Win32 and a portable implementation; tests use fakes.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace kaveta {

// Host settings under HKEY_CURRENT_USER, read only.
class RegistryReader {
 public:
  virtual ~RegistryReader() = default;
  // A REG_SZ read into a 256-byte buffer; the default when the key or value
  // is missing or does not fit.
  virtual std::string QueryText(const std::string& subKey, const std::string& name,
                                const std::string& fallback) = 0;
  // A REG_DWORD read into 4 bytes; the default when missing.
  virtual std::int32_t QueryNumber(const std::string& subKey, const std::string& name,
                                   std::int32_t fallback) = 0;
};

// A file written in pieces. The pieces go to a temporary file beside the
// target, named as the target with kTempSuffix appended (an interrupted run
// leaves at most that one, and the next write to the target removes it), and
// only Commit puts it in place, in one step; a writer dropped without Commit
// removes its temporary file, so nothing half-written is left and the old
// file stays as it was. A target the user protected (read-only) is never
// replaced; a replaced file keeps its permission bits or attributes.
class FileWriter {
 public:
  virtual ~FileWriter() = default;
  // False when the piece could not be written; Commit then fails too.
  virtual bool Write(std::string_view bytes) = 0;
  // Everything is on disk in the temporary file and the target may be
  // replaced; false when not. Two files saved together are both prepared
  // before either is put in place.
  virtual bool Prepare() { return true; }
  virtual bool Commit() = 0;
};

inline constexpr const char* kTempSuffix = ".kaveta-tmp";

// Files as byte strings; paths are UTF-8.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual std::optional<std::string> Read(const std::string& path) = 0;
  // Something is at the path (a file, a folder, anything the program may not
  // look into). With Read giving nothing: a file that exists but could not
  // be read, which must not be written over.
  virtual bool Occupied(const std::string& path) = 0;
  // Writes the whole file to a temporary file beside it and then puts it in
  // place in one step. False (and the old file untouched) on any failure.
  virtual bool WriteReplace(const std::string& path, const std::string& bytes) = 0;
  // The same in pieces, for outputs as large as the input: nothing when the
  // temporary file cannot be made. The default gathers the pieces and
  // writes them with WriteReplace.
  virtual std::unique_ptr<FileWriter> BeginReplace(const std::string& path);
  // True when a directory search for the path finds a file whose name equals
  // the path's last component without regard to case.
  virtual bool Exists(const std::string& path) = 0;
  // Deletes a file; true when it is gone (also when it never existed).
  virtual bool Remove(const std::string& path) = 0;
  // The process's current folder (the common dialogs start there).
  virtual std::string CurrentFolder() = 0;
};

class GatheringWriter : public FileWriter {
 public:
  GatheringWriter(FileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}
  bool Write(std::string_view bytes) override {
    bytes_.append(bytes);
    return true;
  }
  bool Commit() override { return files_.WriteReplace(path_, bytes_); }

 private:
  FileSystem& files_;
  std::string path_;
  std::string bytes_;
};

inline std::unique_ptr<FileWriter> FileSystem::BeginReplace(const std::string& path) {
  return std::make_unique<GatheringWriter>(*this, path);
}

// Shown when memory runs out; the run then ends without writing more.
inline constexpr const char* kOutOfMemoryMessage = "メモリが足りないため、処理を中止しました。";

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, YesNo, RetryCancel };
enum class MsgAnswer { Ok, Yes, No, Retry, Cancel };

struct FileDialogArgs {
  bool save = false;
  std::string title;
  std::string fileName;
  std::string filter;  // platform form: NUL-separated pairs, NUL at the end
  std::string defaultExt;
  std::string initDir;
  std::uint32_t flags = 0;
};

struct ColourDialogArgs {
  std::int32_t initial = 0;
  std::uint32_t flags = 0;
};

// Message boxes and the common dialogs, all modal. Title is always KAVETA.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual MsgAnswer Message(const std::string& text, MsgIcon icon, MsgButtons buttons) = 0;
  // The chosen path, or nothing when cancelled.
  virtual std::optional<std::string> ChooseFile(const FileDialogArgs& args) = 0;
  // The chosen colour, or nothing when cancelled.
  virtual std::optional<std::int32_t> ChooseColour(const ColourDialogArgs& args) = 0;
};

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Clears the clipboard and puts plain text on it.
  virtual void SetText(const std::string& text) = 0;
};

// Makes the running host read the exchange output (its read button).
class HostHandOff {
 public:
  virtual ~HostHandOff() = default;
  virtual void Zkakikomi() = 0;
};

// Everything the program needs from its surroundings, passed to the window
// object when it is made.
struct Environment {
  std::string programFolder;  // without a trailing separator
  char separator = '/';       // '\\' on Windows
  RegistryReader* registry = nullptr;
  FileSystem* files = nullptr;
  Dialogs* dialogs = nullptr;
  Clipboard* clipboard = nullptr;
  HostHandOff* host = nullptr;

  // folder + separator + name; a folder already ending in a separator gets
  // another one, as the host's own joining does.
  std::string Join(const std::string& folder, const std::string& name) const {
    return folder + separator + name;
  }
  std::string InProgramFolder(const std::string& name) const { return Join(programFolder, name); }
};

}  // namespace kaveta

#include "support/fakes.h"

#include <algorithm>
#include <new>
#include <utility>

#include "platform/encoding.h"

namespace kaveta::testing {

std::string FakeRegistry::QueryText(const std::string& subKey, const std::string& name,
                                    const std::string& fallback) {
  auto it = texts.find({subKey, name});
  return it == texts.end() ? fallback : it->second;
}

std::int32_t FakeRegistry::QueryNumber(const std::string& subKey, const std::string& name,
                                       std::int32_t fallback) {
  auto it = numbers.find({subKey, name});
  return it == numbers.end() ? fallback : it->second;
}

std::optional<std::string> FakeFileSystem::Read(const std::string& path) {
  if (outOfMemory.count(path)) throw std::bad_alloc();
  if (unreadable.count(path)) return std::nullopt;
  auto it = files.find(path);
  if (it == files.end()) return std::nullopt;
  return it->second;
}

bool FakeFileSystem::Occupied(const std::string& path) {
  return files.count(path) != 0 || unreadable.count(path) != 0;
}

bool FakeFileSystem::Refused(const std::string& path) const {
  return std::find(refuseWrites.begin(), refuseWrites.end(), path) != refuseWrites.end();
}

bool FakeFileSystem::WriteReplace(const std::string& path, const std::string& bytes) {
  if (Refused(path)) return false;
  files[path] = bytes;
  ++writeCount;
  return true;
}

namespace {

// Gathers the pieces; Commit stores them through WriteReplace, so a refused
// path refuses the streamed file too.
class FakeWriter : public FileWriter {
 public:
  FakeWriter(FakeFileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}
  bool Write(std::string_view bytes) override {
    ++files_.pieces;
    files_.largestPiece = std::max(files_.largestPiece, bytes.size());
    if (files_.diskFullAfter && bytes_.size() + bytes.size() > *files_.diskFullAfter)
      failed_ = true;
    if (!failed_) bytes_.append(bytes);
    return !failed_;
  }
  // A refused path fails here, before any file of a pair is put in place.
  bool Prepare() override { return !failed_ && !files_.Refused(path_); }
  bool Commit() override { return Prepare() && files_.WriteReplace(path_, bytes_); }

 private:
  FakeFileSystem& files_;
  std::string path_;
  std::string bytes_;
  bool failed_ = false;
};

}  // namespace

std::unique_ptr<FileWriter> FakeFileSystem::BeginReplace(const std::string& path) {
  return std::make_unique<FakeWriter>(*this, path);
}

bool FakeFileSystem::Exists(const std::string& path) { return files.count(path) != 0; }

bool FakeFileSystem::Remove(const std::string& path) {
  files.erase(path);
  return true;
}

MsgAnswer FakeDialogs::Message(const std::string& text, MsgIcon icon, MsgButtons buttons) {
  messages.push_back({text, icon, buttons});
  if (!answers.empty()) {
    MsgAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
  switch (buttons) {
    case MsgButtons::YesNo: return MsgAnswer::No;
    case MsgButtons::RetryCancel: return MsgAnswer::Cancel;
    default: return MsgAnswer::Ok;
  }
}

std::optional<std::string> FakeDialogs::ChooseFile(const FileDialogArgs& args) {
  fileDialogs.push_back(args);
  if (fileAnswers.empty()) return std::nullopt;
  auto a = fileAnswers.front();
  fileAnswers.pop_front();
  return a;
}

std::optional<std::int32_t> FakeDialogs::ChooseColour(const ColourDialogArgs& args) {
  colourDialogs.push_back(args);
  if (colourAnswers.empty()) return std::nullopt;
  auto a = colourAnswers.front();
  colourAnswers.pop_front();
  return a;
}

std::vector<std::string> FakeDialogs::Texts() const {
  std::vector<std::string> out;
  for (const auto& m : messages) out.push_back(m.text);
  return out;
}

Harness::Harness(const std::string& folder) {
  env.programFolder = folder;
  env.separator = '/';
  env.registry = &registry;
  env.files = &files;
  env.dialogs = &dialogs;
  env.clipboard = &clipboard;
  env.host = &host;
}

void Harness::PutText(const std::string& path, const std::string& utf8Lines) {
  std::string crlf;
  for (char c : utf8Lines) {
    if (c == '\n')
      crlf += "\r\n";
    else
      crlf += c;
  }
  files.files[path] = Utf8ToCp932(crlf);
}

std::string Harness::GetText(const std::string& path) const {
  auto it = files.files.find(path);
  return it == files.files.end() ? std::string() : Cp932ToUtf8(it->second);
}

}  // namespace kaveta::testing

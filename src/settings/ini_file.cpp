#include "settings/ini_file.h"

#include <cmath>
#include <optional>
#include <utility>

#include "platform/encoding.h"
#include "number/number_text.h"

namespace kaveta {
namespace {

// The profile functions read into a 255-byte buffer: at most 254 bytes.
constexpr std::size_t kValueBuffer = 255;

std::string ResolveFile(const Environment& env, const std::string& file) {
  return file.empty() ? AppFolder(env) + "Kaveta.INI" : file;
}

ProfileDocument LoadDocument(const Environment& env, const std::string& path, bool* existed,
                             bool* unreadable = nullptr) {
  std::optional<std::string> bytes = env.files ? env.files->Read(path) : std::nullopt;
  if (existed) *existed = bytes.has_value();
  if (unreadable) *unreadable = !bytes && env.files && env.files->Occupied(path);
  return bytes ? ProfileDocument(*bytes) : ProfileDocument();
}

std::string GetUtf8(const ProfileDocument& doc, const std::string& section,
                    const std::string& key) {
  return Cp932ToUtf8(doc.Get(Utf8ToCp932(section), Utf8ToCp932(key), kValueBuffer));
}

bool SetUtf8(ProfileDocument& doc, const std::string& section, const std::string& key,
             const std::string& value) {
  return doc.Set(Utf8ToCp932(section), Utf8ToCp932(key), Utf8ToCp932(value));
}

}  // namespace

std::string AppFolder(const Environment& env) {
  std::string folder = env.programFolder;
  if (folder.empty() || folder.back() != env.separator) folder += env.separator;
  return folder;
}

std::string ReadIniValue(const Environment& env, const std::string& section, const std::string& key,
                         const std::string& file) {
  return GetUtf8(LoadDocument(env, ResolveFile(env, file), nullptr), section, key);
}

std::int32_t WriteIniValue(const Environment& env, const std::string& section,
                           const std::string& key, const std::string& value,
                           const std::string& file) {
  const std::string path = ResolveFile(env, file);
  bool unreadable = false;
  ProfileDocument doc = LoadDocument(env, path, nullptr, &unreadable);
  if (unreadable) return 0;
  if (!SetUtf8(doc, section, key, value)) return 0;
  return env.files && env.files->WriteReplace(path, doc.Bytes()) ? 1 : 0;
}

bool StoredWholeNumber(std::string_view text, std::int32_t lowest, std::int32_t highest,
                       std::int32_t& out) {
  double value = 0;
  if (!ParseDouble(text, value)) return false;
  double whole = std::floor(value);
  const double fraction = value - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0)) whole += 1;
  if (whole < lowest || whole > highest) return false;
  out = static_cast<std::int32_t>(whole);
  return true;
}

IniBatch::IniBatch(const Environment& env, std::string file)
    : env_(env), file_(ResolveFile(env, file)) {
  doc_ = LoadDocument(env_, file_, &existed_, &unreadable_);
}

std::string IniBatch::Read(const std::string& section, const std::string& key) const {
  return GetUtf8(doc_, section, key);
}

void IniBatch::Write(const std::string& section, const std::string& key, const std::string& value) {
  // A value the file cannot hold (a line break) skips this entry only.
  SetUtf8(doc_, section, key, value);
}

void IniBatch::Delete(const std::string& section, const std::string& key) {
  doc_.Delete(Utf8ToCp932(section), Utf8ToCp932(key));
}

bool IniBatch::Commit() {
  return !unreadable_ && env_.files && env_.files->WriteReplace(file_, doc_.Bytes());
}

}  // namespace kaveta

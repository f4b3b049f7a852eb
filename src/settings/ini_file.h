// Profile-file access on the program's file seam: UTF-8 in and out,
// Shift_JIS on disk.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/seams.h"
#include "settings/profile_file.h"

namespace kaveta {

// The program folder with a separator at the end.
std::string AppFolder(const Environment& env);

// One value, empty when absent; an empty file name means Kaveta.INI in the
// program folder.
std::string ReadIniValue(const Environment& env, const std::string& section, const std::string& key,
                         const std::string& file);
// Non-zero on success.
std::int32_t WriteIniValue(const Environment& env, const std::string& section,
                           const std::string& key, const std::string& value,
                           const std::string& file);

// A whole number from a stored value: decimal text, a fraction rounded to
// the nearest integer with halves to the even one. False for the empty text,
// a non-number or a result outside [lowest, highest].
bool StoredWholeNumber(std::string_view text, std::int32_t lowest, std::int32_t highest,
                       std::int32_t& out);

// One read, many edits in memory, one write: the savers of several entries.
class IniBatch {
 public:
  IniBatch(const Environment& env, std::string file);
  bool FileExisted() const { return existed_; }
  // There but not readable (no permission, a folder, locked): writing it
  // would replace what it holds with this run's entries alone.
  bool Unreadable() const { return unreadable_; }
  const std::string& Path() const { return file_; }
  std::string Bytes() const { return doc_.Bytes(); }
  std::string Read(const std::string& section, const std::string& key) const;
  void Write(const std::string& section, const std::string& key, const std::string& value);
  void Delete(const std::string& section, const std::string& key);
  // Writes the whole file through the file seam; never an unreadable one.
  bool Commit();

 private:
  const Environment& env_;
  std::string file_;
  ProfileDocument doc_;
  bool existed_ = false;
  bool unreadable_ = false;
};

}  // namespace kaveta

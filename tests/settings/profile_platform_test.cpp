// The profile engine beside the system's own profile functions, where the
// system has them. Windows is the reference; Wine, where these tests run in
// CI, differs from Windows in a few places, which the engine's own tests
// pin down. Here only cases on which both agree are compared.
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "settings/profile_file.h"

namespace kaveta {
namespace {

using namespace std::string_literals;

std::string TempPath(const char* name) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + name;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

std::string ReadBytes(const std::string& path) {
  std::string bytes;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return bytes;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
  std::fclose(f);
  return bytes;
}

struct Case {
  const char* what;
  std::string file;
  std::string section;
  std::string key;
};

TEST(ProfilePlatform, ReadsAsGetPrivateProfileString) {
  const std::string path = TempPath("kaveta_profile_read.ini");
  const std::vector<Case> cases = {
      {"plain", "[Grid]\r\nk=1\r\n", "Grid", "k"},
      {"other case", "[GRID]\r\nSOTO_LC=lc5\r\n", "grid", "Soto_lc"},
      {"text after the bracket", "[Grid] old\r\nk=1\r\n", "Grid", "k"},
      {"lines before a header", "k=1\r\n[Grid]\r\n", "Grid", "k"},
      {"next header ends the section", "[a]\r\n[b]\r\nk=1\r\n", "a", "k"},
      {"first duplicate key wins", "[a]\r\nx=1\r\nX=2\r\n", "a", "x"},
      {"key blanks trimmed", "[Grid]\r\n  k = 1\r\n", "Grid", "k"},
      {"value blanks trimmed", "[s]\r\nk=  v  \r\n", "s", "k"},
      {"inner blanks stay", "[s]\r\nk= a  b \r\n", "s", "k"},
      {"double quotes", "[s]\r\nk=\" a b \"\r\n", "s", "k"},
      {"one-sided quote", "[s]\r\nk=\"x\r\n", "s", "k"},
      {"comment", "[s]\r\n;k=1\r\nk=2\r\n", "s", "k"},
      {"no inline comment", "[s]\r\nk=3 ; x\r\n", "s", "k"},
      {"first = splits", "[s]\r\nk=a=b\r\n", "s", "k"},
      {"empty value", "[s]\r\nk=\r\n", "s", "k"},
      {"Shift_JIS value", "[s]\r\nk=\x97\x6D\x8E\xBA\r\n", "s", "k"},
      // Not compared: keys that differ only in a Shift_JIS trail byte (ア 83 41,
      // ヂ 83 61). Wine folds the trail byte's case and finds the first;
      // Windows does not, and neither does the engine.
      {"long value cut", "[s]\r\nk=" + std::string(300, 'x') + "\r\n", "s", "k"},
      {"missing section", "[s]\r\nk=1\r\n", "t", "k"},
      {"missing key", "[s]\r\nk=1\r\n", "s", "j"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteBytes(path, c.file);
    char buffer[255] = {};
    GetPrivateProfileStringA(c.section.c_str(), c.key.c_str(), "", buffer, sizeof buffer,
                             path.c_str());
    EXPECT_EQ(ProfileDocument(c.file).Get(c.section, c.key), std::string(buffer));
  }
  DeleteFileA(path.c_str());
}

TEST(ProfilePlatform, WritesAsWritePrivateProfileString) {
  const std::string ours = TempPath("kaveta_profile_ours.ini");
  const std::string system = TempPath("kaveta_profile_system.ini");
  struct Write {
    const char* section;
    const char* key;
    const char* value;
  };
  const std::vector<Write> writes = {
      {"Grid", "Sotowaku", "1"}, {"Grid", "Soto_lc", "lc5"},           {"Moji", "Mojishu", "cn3"},
      {"grid", "SOTOWAKU", "0"}, {"kihon", "Tani", "\x8E\xBA,0.3025"}, {"Moji", "Moji_ly", "ly9"},
      {"Grid", "Tatesen", ""},
  };
  DeleteFileA(system.c_str());
  ProfileDocument doc;
  for (const Write& w : writes) {
    ASSERT_TRUE(doc.Set(w.section, w.key, w.value));
    ASSERT_TRUE(WritePrivateProfileStringA(w.section, w.key, w.value, system.c_str()));
  }
  WriteBytes(ours, doc.Bytes());
  EXPECT_EQ(doc.Bytes(), ReadBytes(system));
  DeleteFileA(ours.c_str());
  DeleteFileA(system.c_str());
}

}  // namespace
}  // namespace kaveta
#endif

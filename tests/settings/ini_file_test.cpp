#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/encoding.h"
#include "support/fakes.h"

namespace kaveta {
namespace {

using testing::Harness;

TEST(IniFile, AppFolderEndsInOneSeparator) {
  Harness h("/app");
  EXPECT_EQ(AppFolder(h.env), "/app/");
  h.env.programFolder = "/";
  EXPECT_EQ(AppFolder(h.env), "/");
  h.env.programFolder = "C:\\Tools\\";
  h.env.separator = '\\';
  EXPECT_EQ(AppFolder(h.env), "C:\\Tools\\");
}

TEST(IniFile, ReadsUtf8FromShiftJis) {
  Harness h;
  h.PutText("/app/t.INI", "[項目]\nキー = 床面積 \n");
  EXPECT_EQ(ReadIniValue(h.env, "項目", "キー", "/app/t.INI"), "床面積");
  EXPECT_EQ(ReadIniValue(h.env, "項目", "なし", "/app/t.INI"), "");
  EXPECT_EQ(ReadIniValue(h.env, "項目", "キー", "/app/missing.INI"), "");
}

TEST(IniFile, EmptyFileNameMeansSettingsFile) {
  Harness h;
  h.PutText("/app/Kaveta.INI", "[kihon]\nKeta=2\n");
  EXPECT_EQ(ReadIniValue(h.env, "kihon", "Keta", ""), "2");
  EXPECT_NE(WriteIniValue(h.env, "kihon", "Keta", "1", ""), 0);
  EXPECT_EQ(h.GetText("/app/Kaveta.INI"), "[kihon]\r\nKeta=1\r\n");
}

TEST(IniFile, LongValuesComeBackCut) {
  Harness h;
  h.PutText("/app/t.INI", "[s]\nk=" + std::string(300, 'x') + "\n");
  EXPECT_EQ(ReadIniValue(h.env, "s", "k", "/app/t.INI"), std::string(254, 'x'));
  // 130 two-byte characters are 260 bytes on disk: 127 fit in 254.
  std::string wide;
  for (int i = 0; i < 130; ++i) wide += "面";
  h.PutText("/app/w.INI", "[s]\nk=" + wide + "\n");
  const std::string got = ReadIniValue(h.env, "s", "k", "/app/w.INI");
  EXPECT_EQ(Utf8ToCp932(got).size(), 254u);
  EXPECT_EQ(got, wide.substr(0, 127 * std::string("面").size()));
}

TEST(IniFile, WriteGoesThroughReplaceAndReportsFailure) {
  Harness h;
  EXPECT_EQ(WriteIniValue(h.env, "単位", "tani_1", "坪,0.3025", "/app/k.INI"), 1);
  EXPECT_EQ(h.files.files["/app/k.INI"], Utf8ToCp932("[単位]\r\ntani_1=坪,0.3025\r\n"));

  h.files.refuseWrites.push_back("/app/k.INI");
  EXPECT_EQ(WriteIniValue(h.env, "単位", "tani_1", "m,1", "/app/k.INI"), 0);
  EXPECT_EQ(WriteIniValue(h.env, "単位", "tani_2", "a\r\nb", "/app/other.INI"), 0);
  EXPECT_EQ(h.GetText("/app/k.INI"), "[単位]\r\ntani_1=坪,0.3025\r\n");
  EXPECT_EQ(h.files.files.count("/app/other.INI"), 0u);
}

TEST(IniFile, BatchReadsOnceAndWritesOnce) {
  Harness h;
  h.PutText("/app/b.INI", "; kept\n[a]\nx=1\n");
  IniBatch batch(h.env, "/app/b.INI");
  EXPECT_TRUE(batch.FileExisted());
  h.files.files.erase("/app/b.INI");  // later reads must come from memory
  EXPECT_EQ(batch.Read("a", "x"), "1");
  batch.Write("a", "x", "2");
  batch.Write("a", "y", "改行\nあり");  // refused: this entry only
  batch.Write("b", "z", "名前");
  EXPECT_EQ(h.files.writeCount, 0);
  EXPECT_TRUE(batch.Commit());
  EXPECT_EQ(h.files.writeCount, 1);
  EXPECT_EQ(h.GetText("/app/b.INI"), "; kept\r\n[a]\r\nx=2\r\n[b]\r\nz=名前\r\n");

  IniBatch missing(h.env, "/app/none.INI");
  EXPECT_FALSE(missing.FileExisted());
  h.files.refuseWrites.push_back("/app/none.INI");
  missing.Write("a", "x", "1");
  EXPECT_FALSE(missing.Commit());
}

TEST(IniFile, StoredWholeNumber) {
  struct Case {
    const char* text;
    bool ok;
    std::int32_t value;
  };
  const std::vector<Case> cases = {
      {"0", true, 0},      {"1", true, 1},         {" -7 ", true, -7},       {"0.5", true, 0},
      {"1.5", true, 2},    {"2.5", true, 2},       {"-2.5", true, -2},       {"-1.5", true, -2},
      {"2.51", true, 3},   {"32767", true, 32767}, {"-32768", true, -32768}, {"32767.5", false, 0},
      {"32768", false, 0}, {"-32769", false, 0},   {"", false, 0},           {"abc", false, 0},
      {"1x", false, 0},    {"True", false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    std::int32_t out = 99;
    EXPECT_EQ(StoredWholeNumber(c.text, -32768, 32767, out), c.ok);
    EXPECT_EQ(out, c.ok ? c.value : 99);
  }
}

}  // namespace
}  // namespace kaveta

#include "settings/profile_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kaveta {
namespace {

using namespace std::string_literals;

struct ReadCase {
  const char* what;
  std::string file;
  std::string section;
  std::string key;
  std::string expected;
};

void ExpectReads(const std::vector<ReadCase>& cases) {
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const ProfileDocument doc(c.file);
    EXPECT_EQ(doc.Get(c.section, c.key), c.expected);
  }
}

TEST(ProfileFile, Headers) {
  ExpectReads({
      {"plain", "[Grid]\r\nk=1\r\n", "Grid", "k", "1"},
      {"other case", "[GRID]\r\nSOTO_LC=lc5\r\n", "grid", "Soto_lc", "lc5"},
      {"blanks inside brackets", "[ \tGrid\v ]\r\nk=1\r\n", "Grid", "k", "1"},
      {"blanks before the bracket", " \t[Grid]\r\nk=1\r\n", "Grid", "k", "1"},
      {"text after the bracket ignored", "[Grid] old\r\nk=1\r\n", "Grid", "k", "1"},
      {"no closing bracket", "[Grid\r\nk=1\r\n", "Grid", "k", "1"},
      {"first bracket ends the name", "[Gr]id]\r\nk=1\r\n", "Gr", "k", "1"},
      {"name after first bracket unknown", "[Gr]id]\r\nk=1\r\n", "Gr]id", "k", ""},
      {"lines before a header belong nowhere", "k=1\r\n[Grid]\r\n", "Grid", "k", ""},
      {"next header ends the section", "[a]\r\n[b]\r\nk=1\r\n", "a", "k", ""},
      {"only the first duplicate section", "[a]\r\nx=1\r\n[A]\r\nx=2\r\ny=3\r\n", "a", "y", ""},
      {"first duplicate key wins", "[a]\r\nx=1\r\nX=2\r\n", "a", "x", "1"},
      {"caller's spaces trimmed", "[Grid]\r\nk=1\r\n", "  Grid ", " k  ", "1"},
      {"caller's tab kept", "[Grid]\r\nk=1\r\n", "\tGrid", "k", ""},
      {"LF line ends", "[Grid]\nk=1\nj=2", "Grid", "j", "2"},
      {"lone CR line ends", "[Grid]\rk=1\rj=2\r", "Grid", "j", "2"},
      {"UTF-8 BOM is part of the first line", "\xEF\xBB\xBF[Grid]\r\nk=1\r\n", "Grid", "k", ""},
      {"line without = is no key", "[Grid]\r\nk\r\nk=2\r\n", "Grid", "k", "2"},
      {"key blanks trimmed", "[Grid]\r\n \tk \v= 1\r\n", "Grid", "k", "1"},
  });
}

TEST(ProfileFile, ValueCleaning) {
  ExpectReads({
      {"blanks around", "[s]\r\nk= \t v \v\r\n", "s", "k", "v"},
      {"inner blanks stay", "[s]\r\nk= a  b \r\n", "s", "k", "a  b"},
      {"ideographic space stays", "[s]\r\nk=\x81\x40v\x81\x40\r\n", "s", "k", "\x81\x40v\x81\x40"},
      {"double quotes", "[s]\r\nk=\" a b \"\r\n", "s", "k", " a b "},
      {"single quotes", "[s]\r\nk= 'x' \r\n", "s", "k", "x"},
      {"only one pair", "[s]\r\nk=\"\"x\"\"\r\n", "s", "k", "\"x\""},
      {"mismatched quotes stay", "[s]\r\nk=\"x'\r\n", "s", "k", "\"x'"},
      {"one-sided quote stays", "[s]\r\nk=\"x\r\n", "s", "k", "\"x"},
      {"lone quote stays", "[s]\r\nk=\"\r\n", "s", "k", "\""},
      {"empty quotes", "[s]\r\nk=\"\"\r\n", "s", "k", ""},
      {"empty value", "[s]\r\nk=\r\n", "s", "k", ""},
      {"splits at first =", "[s]\r\nk=a=b\r\n", "s", "k", "a=b"},
      {"case of the value kept", "[s]\r\nk=AbC\r\n", "s", "k", "AbC"},
      {"absent key", "[s]\r\nk=1\r\n", "s", "j", ""},
  });
}

TEST(ProfileFile, Comments) {
  ExpectReads({
      {"comment line never found", "[s]\r\n;k=1\r\nk=2\r\n", "s", "k", "2"},
      {"indented comment", "[s]\r\n \t;k=1\r\n", "s", "k", ""},
      {"no inline comments", "[s]\r\nk=3 ; x\r\n", "s", "k", "3 ; x"},
      {"hash is an ordinary character", "[s]\r\n#k=1\r\n", "s", "#k", "1"},
      {"slashes are ordinary", "[s]\r\n//k=1\r\n", "s", "//k", "1"},
      {"apostrophe is ordinary", "[s]\r\n'k=1\r\n", "s", "'k", "1"},
      {"commented header is no header", ";[s]\r\nk=1\r\n", "s", "k", ""},
  });

  ProfileDocument doc("[s]\r\n;k=1\r\n");
  ASSERT_TRUE(doc.Set("s", "k", "2"));
  EXPECT_EQ(doc.Bytes(), "[s]\r\nk=2\r\n;k=1\r\n");
}

TEST(ProfileFile, BufferLimit) {
  const std::string a300(300, 'a');
  const std::string file = "[s]\r\nk=" + a300 + "\r\n";
  const ProfileDocument doc(file);
  EXPECT_EQ(doc.Get("s", "k"), std::string(254, 'a'));
  EXPECT_EQ(doc.Get("s", "k", 10), std::string(9, 'a'));
  EXPECT_EQ(doc.Get("s", "k", 1), "");
  EXPECT_EQ(doc.Get("s", "k", 0), "");
  EXPECT_EQ(doc.Get("s", "k", 1000), a300);

  const std::string a254(254, 'a');
  EXPECT_EQ(ProfileDocument("[s]\r\nk=" + a254 + "\r\n").Get("s", "k"), a254);
  // Quotes are removed before the cut.
  EXPECT_EQ(ProfileDocument("[s]\r\nk=\"" + a254 + "\"\r\n").Get("s", "k"), a254);
}

TEST(ProfileFile, ShiftJis) {
  const std::string a = "\x83\x41";    // ア
  const std::string dji = "\x83\x61";  // ヂ: same lead byte, trail differs by ASCII case
  const std::string zo = "\x83\x5D";   // ゾ: trail byte is ']'
  const std::string ze = "\x83\x5B";   // ゼ: trail byte is '['
  ExpectReads({
      {"section A vs DJI", "[" + a + "]\r\nk=1\r\n", dji, "k", ""},
      {"section A found", "[" + a + "]\r\nk=1\r\n", a, "k", "1"},
      {"key A vs DJI", "[s]\r\n" + a + "=1\r\n", "s", dji, ""},
      {"key DJI found", "[s]\r\n" + a + "=1\r\n" + dji + "=2\r\n", "s", dji, "2"},
      {"ASCII beside a double-byte character", "[" + a + "X]\r\nk=1\r\n", a + "x", "k", "1"},
      {"trail ] does not end the header", "[" + zo + "]\r\nk=1\r\n", zo, "k", "1"},
      {"trail [ inside a key", "[s]\r\n" + ze + "=1\r\n", "s", ze, "1"},
      {"full-width letters are not folded", "[s]\r\n\x82\x60=1\r\n", "s", "\x82\x81", ""},
  });

  // A two-byte character straddling the 254-byte limit is left out whole.
  const std::string straddle = std::string(253, 'a') + a;
  EXPECT_EQ(ProfileDocument("[s]\r\nk=" + straddle + "\r\n").Get("s", "k"), std::string(253, 'a'));
  const std::string fits = std::string(252, 'a') + a + "b";
  EXPECT_EQ(ProfileDocument("[s]\r\nk=" + fits + "\r\n").Get("s", "k"), std::string(252, 'a') + a);
}

struct WriteCase {
  const char* what;
  std::string before;
  std::vector<std::vector<std::string>> sets;  // section, key, value
  std::string after;
};

TEST(ProfileFile, WritePlacement) {
  const std::vector<WriteCase> cases = {
      {"new file",
       "",
       {{"Grid", "a", "1"}, {"Grid", "b", "2"}, {"Moji", "c", "3"}, {"Grid", "d", ""}},
       "[Grid]\r\na=1\r\nb=2\r\nd=\r\n[Moji]\r\nc=3\r\n"},
      {"replaced in place with the file's spelling",
       "[s]\r\n  KEY = old\r\nz=1\r\n",
       {{"S", "key", "new"}},
       "[s]\r\nKEY=new\r\nz=1\r\n"},
      {"value written as given", "", {{"s", "k", " \"v\" "}}, "[s]\r\nk= \"v\" \r\n"},
      {"new key after the last key line",
       "[a]\r\nx=1\r\nnote\r\n\r\n;c\r\n[b]\r\ny=2\r\n",
       {{"a", "z", "3"}},
       "[a]\r\nx=1\r\nz=3\r\nnote\r\n\r\n;c\r\n[b]\r\ny=2\r\n"},
      {"new key in a section without keys",
       "[a]\r\n\r\n[b]\r\n",
       {{"a", "z", "3"}},
       "[a]\r\nz=3\r\n\r\n[b]\r\n"},
      {"header last without line break", "[a]", {{"a", "x", "1"}}, "[a]\r\nx=1\r\n"},
      {"last key without line break", "[a]\r\nx=1", {{"a", "y", "2"}}, "[a]\r\nx=1\r\ny=2\r\n"},
      {"new section after a missing final break",
       "[a]\r\nx=1",
       {{"b", "y", "2"}},
       "[a]\r\nx=1\r\n[b]\r\ny=2\r\n"},
      {"untouched lines byte for byte",
       "pre\n\xEF\xBB\xBF\n[a]\nx=1\n;c\r\r\n",
       {{"a", "x", "2"}},
       "pre\n\xEF\xBB\xBF\n[a]\nx=2\r\n;c\r\r\n"},
      {"writes go to the first duplicate section",
       "[a]\r\nx=1\r\n[a]\r\nx=2\r\n",
       {{"a", "x", "9"}},
       "[a]\r\nx=9\r\n[a]\r\nx=2\r\n"},
      {"caller's spaces trimmed", "[a]\r\nx=1\r\n", {{" a ", " x ", "5"}}, "[a]\r\nx=5\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ProfileDocument doc(c.before);
    for (const auto& s : c.sets) EXPECT_TRUE(doc.Set(s[0], s[1], s[2]));
    EXPECT_EQ(doc.Bytes(), c.after);
  }
}

TEST(ProfileFile, RefusesWritesThatWouldBreakLines) {
  const std::string before = "[a]\r\nx=1\r\n";
  const std::vector<std::vector<std::string>> refused = {
      {"a", "x", "1\r\n[b]"}, {"a", "x", "1\n"},   {"a", "x", "\r"}, {"a", "", "v"},
      {"a", "k=j", "v"},      {"a\r\n", "x", "v"}, {"a]", "x", "v"}, {"a", ";x", "v"},
      {"a", "[x", "v"},       {"a", "\tx", "v"},
  };
  for (const auto& s : refused) {
    SCOPED_TRACE(s[0] + "/" + s[1] + "/" + s[2]);
    ProfileDocument doc(before);
    EXPECT_FALSE(doc.Set(s[0], s[1], s[2]));
    EXPECT_EQ(doc.Bytes(), before);
  }
}

TEST(ProfileFile, WrittenValuesReadBack) {
  ProfileDocument doc("[\x83\x41]\r\n");
  ASSERT_TRUE(doc.Set("\x83\x61", "k", "other"));  // ヂ is another section than ア
  ASSERT_TRUE(doc.Set("\x83\x41", "\x83\x5D", "\x83\x5B"));
  EXPECT_EQ(doc.Bytes(), "[\x83\x41]\r\n\x83\x5D=\x83\x5B\r\n[\x83\x61]\r\nk=other\r\n");
  const ProfileDocument again(doc.Bytes());
  EXPECT_EQ(again.Get("\x83\x41", "\x83\x5D"), "\x83\x5B");
  EXPECT_TRUE(again.Has("\x83\x61", "K"));
  EXPECT_FALSE(again.Has("\x83\x41", "k"));
  EXPECT_FALSE(ProfileDocument().Has("s", "k"));
  EXPECT_TRUE(ProfileDocument().Empty());
}

}  // namespace
}  // namespace kaveta

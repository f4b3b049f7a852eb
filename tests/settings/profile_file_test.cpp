#include "settings/profile_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <utility>
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

// One edit of a run: a write, or a delete when value is absent.
struct Edit {
  std::string section, key;
  std::optional<std::string> value;
};

// Each edit on a file parsed anew from the bytes the previous one wrote, as
// separate saves of single entries do it.
std::string OneAtATime(const std::string& before, const std::vector<Edit>& edits) {
  std::string bytes = before;
  for (const Edit& e : edits) {
    ProfileDocument doc(bytes);
    if (e.value)
      doc.Set(e.section, e.key, *e.value);
    else
      doc.Delete(e.section, e.key);
    bytes = doc.Bytes();
  }
  return bytes;
}

// The same edits on one document, checking after each that it reads as the
// file written so far would.
std::string InOneBatch(const std::string& before, const std::vector<Edit>& edits,
                       const std::vector<std::pair<std::string, std::string>>& probes) {
  ProfileDocument doc(before);
  std::string expected = before;
  for (const Edit& e : edits) {
    ProfileDocument single(expected);
    const bool done = e.value ? doc.Set(e.section, e.key, *e.value) : doc.Delete(e.section, e.key);
    EXPECT_EQ(done, e.value ? single.Set(e.section, e.key, *e.value)
                            : single.Delete(e.section, e.key));
    expected = single.Bytes();
    for (const auto& [section, key] : probes) {
      SCOPED_TRACE(section + "/" + key);
      EXPECT_EQ(doc.Get(section, key, 1024), single.Get(section, key, 1024));
      EXPECT_EQ(doc.Has(section, key), single.Has(section, key));
    }
  }
  EXPECT_EQ(doc.Empty(), ProfileDocument(expected).Empty());
  return doc.Bytes();
}

struct BatchCase {
  const char* what;
  std::string before;
  std::vector<Edit> edits;
  std::string after;  // the bytes both ways must give
};

TEST(ProfileFile, BatchOfEditsWritesWhatSingleSavesWrite) {
  const std::string lone = "\x81";  // a lead byte with nothing after it
  const std::vector<BatchCase> cases = {
      {"new sections in the order written",
       "",
       {{"Solid", "c_1", "1"}, {"koukoku", "k_1", "a"}, {"Solid", "c_17", "2"},
        {"koukoku", "k_2", "b"}, {"Solid", "c_1", "3"}},
       "[Solid]\r\nc_1=3\r\nc_17=2\r\n[koukoku]\r\nk_1=a\r\nk_2=b\r\n"},
      {"keys in any case replace the file's spelling",
       "[GRID]\r\nSOTO_LC=1\r\n",
       {{"grid", "soto_lc", "2"}, {"Grid", "Soto_LC", "3"}, {"grid", "Tate", "4"}},
       "[GRID]\r\nSOTO_LC=3\r\nTate=4\r\n"},
      {"deletes, then new keys after the last key left",
       "[a]\r\nx=1\r\ny=2\r\n;c\r\n\r\n[b]\r\nz=3\r\n",
       {{"a", "y", std::nullopt}, {"a", "w", "4"}, {"a", "x", std::nullopt}, {"a", "v", "5"},
        {"b", "z", std::nullopt}, {"b", "z", "6"}},
       "[a]\r\nw=4\r\nv=5\r\n;c\r\n\r\n[b]\r\nz=6\r\n"},
      {"a deleted key written again goes last",
       "[a]\r\nx=1\r\ny=2\r\n",
       {{"a", "x", std::nullopt}, {"a", "x", "9"}},
       "[a]\r\ny=2\r\nx=9\r\n"},
      {"duplicate keys: edits reach the first, then the next",
       "[a]\r\nx=1\r\nX=2\r\nx=3\r\n",
       {{"a", "x", "a"}, {"a", "X", std::nullopt}, {"a", "x", "b"}, {"a", "x", std::nullopt},
        {"a", "x", std::nullopt}, {"a", "x", "c"}},
       "[a]\r\nx=c\r\n"},
      {"only the first duplicate section is edited",
       "[a]\r\nx=1\r\n[A]\r\nx=2\r\ny=3\r\n",
       {{"a", "y", "4"}, {"A", "x", std::nullopt}, {"a", "x", "5"}},
       "[a]\r\ny=4\r\nx=5\r\n[A]\r\nx=2\r\ny=3\r\n"},
      {"deleting what is not there changes nothing",
       "[a]\r\nx=1\r\n",
       {{"a", "y", std::nullopt}, {"b", "x", std::nullopt}, {"a", "", std::nullopt}},
       "[a]\r\nx=1\r\n"},
      {"everything deleted leaves the headers",
       "[a]\r\nx=1\r\n[b]\r\ny=2",
       {{"a", "x", std::nullopt}, {"b", "y", std::nullopt}, {"c", "z", "1"}},
       "[a]\r\n[b]\r\n[c]\r\nz=1\r\n"},
      {"missing final break: delete the last line, then a new section",
       "[a]\r\nx=1\r\ny=2",
       {{"a", "y", std::nullopt}, {"b", "k", "1"}},
       "[a]\r\nx=1\r\n[b]\r\nk=1\r\n"},
      {"missing final break: a key added after it",
       "[a]\r\nx=1",
       {{"a", "y", "2"}, {"a", "z", "3"}, {"a", "x", "0"}},
       "[a]\r\nx=0\r\ny=2\r\nz=3\r\n"},
      {"refused writes change nothing",
       "[a]\r\nx=1\r\n",
       {{"a", "x", "1\r\n[b]"}, {"a", "k=j", "v"}, {"a]", "x", "v"}, {"a", "y", "2"}},
       "[a]\r\nx=1\r\ny=2\r\n"},
      {"comments and lines before the first header are no keys",
       "x=0\r\n[a]\r\n;x=1\r\n",
       {{"a", "x", "2"}, {"a", "x", std::nullopt}, {"a", "x", "3"}},
       "x=0\r\n[a]\r\nx=3\r\n;x=1\r\n"},
      {"Shift_JIS names: trail bytes are not folded",
       "[\x83\x41]\r\n\x83\x41=1\r\n",
       {{"\x83\x61", "\x83\x41", "2"}, {"\x83\x41", "\x83\x61", "3"}, {"\x83\x41", "\x83\x41", "4"}},
       "[\x83\x41]\r\n\x83\x41=4\r\n\x83\x61=3\r\n[\x83\x61]\r\n\x83\x41=2\r\n"},
      // A name ending in a lone lead byte swallows the '=' or the ']' after
      // it: such an entry cannot be found again, and each write adds one. A
      // value with '=' makes the line a key of another name, and new keys
      // follow that line.
      {"a key ending in a lone lead byte",
       "[a]\r\n",
       {{"a", "k" + lone, "v"}, {"a", "k" + lone, "w=x"}, {"a", "k" + lone, "y"}},
       "[a]\r\nk" + lone + "=w=x\r\nk" + lone + "=y\r\nk" + lone + "=v\r\n"},
      {"a found key that no longer reads as one once written",
       "[a]\r\nk" + lone + " =1\r\nz=0\r\n",
       {{"a", "k" + lone, "2"}, {"a", "k" + lone, "3"}},
       "[a]\r\nk" + lone + "=2\r\nz=0\r\nk" + lone + "=3\r\n"},
      {"a section ending in a lone lead byte",
       "",
       {{"s" + lone, "k", "1"}, {"s" + lone, "k", "2"}},
       "[s" + lone + "]\r\nk=1\r\n[s" + lone + "]\r\nk=2\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::pair<std::string, std::string>> probes;
    for (const Edit& e : c.edits) probes.push_back({e.section, e.key});
    probes.push_back({"a", "x"});
    EXPECT_EQ(OneAtATime(c.before, c.edits), c.after);
    EXPECT_EQ(InOneBatch(c.before, c.edits, probes), c.after);
  }
}

// Seeded runs of edits over few names, so that cases meet: case variants,
// duplicates, deletes and re-adds, comments and blank lines between keys.
TEST(ProfileFile, RandomBatchesWriteWhatSingleSavesWrite) {
  const std::vector<std::string> sections = {"a", "A", "b", "\x83\x41", "\x83\x61"};
  const std::vector<std::string> keys = {"x", "X", "y", "z1", "\x83\x5D"};
  const std::vector<std::string> fileLines = {"[a]", "[B]",  "x=1", "X = 2", "y=3", ";x=4",
                                              "",    "note", "z1=", "[\x83\x41]", "\x83\x5D=5"};
  std::mt19937 random(18);
  for (int run = 0; run < 300; ++run) {
    SCOPED_TRACE(run);
    std::string before;
    const int lines = static_cast<int>(random() % 12);
    for (int i = 0; i < lines; ++i) {
      before += fileLines[random() % fileLines.size()];
      if (i + 1 < lines || random() % 2) before += random() % 3 ? "\r\n" : "\n";
    }
    std::vector<Edit> edits;
    std::vector<std::pair<std::string, std::string>> probes;
    const int count = 1 + static_cast<int>(random() % 30);
    for (int i = 0; i < count; ++i) {
      Edit e{sections[random() % sections.size()], keys[random() % keys.size()], std::nullopt};
      if (random() % 3) e.value = std::to_string(i);
      edits.push_back(e);
      probes.push_back({e.section, e.key});
    }
    SCOPED_TRACE(before);
    EXPECT_EQ(InOneBatch(before, edits, probes), OneAtATime(before, edits));
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

#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/encoding.h"
#include "settings/ini_file.h"
#include "settings_fixture.h"

namespace kaveta {
namespace {

using testing::SettingsWindow;

const char* const kPath = "/app/Kaveta.INI";

// Every entry with a value unlike the built-in one, in the file's own order.
const char* const kFullFile =
    "[Grid]\r\nSotowaku=1\r\nSoto_lc=lc1\r\nSoto_lt=lt2\r\nSoto_ly=ly3\r\n"
    "Tatesen=1\r\nTate_lc=lc4\r\nTate_lt=lt5\r\nTate_ly=ly6\r\n"
    "Yokosen=1\r\nYoko_lc=lc7\r\nYoko_lt=lt8\r\nYoko_ly=lya\r\n"
    "[Moji]\r\nMojishu=cn10\r\nMoji_ly=lyf\r\n"
    "[kihon]\r\nTani=坪,0.3025\r\nKeta=-2\r\nSonota=30,1,1,lyb\r\n"
    "Utiwakemenseki=1\r\nToosibango=1\r\ntensoType=1\r\nblKoumokuwrt=True\r\n"
    "intYose=2\r\nmZtext=1\r\nchkC=1\r\n";

TEST(SettingsFile, SaveOfLoadGivesTheFileBack) {
  SettingsWindow w;
  w.h.files.files[kPath] = Utf8ToCp932(kFullFile);
  loadINI(w.k, kPath);
  ASSERT_TRUE(saveINI(w.k, "/app/again.INI"));
  EXPECT_EQ(w.h.GetText("/app/again.INI"), kFullFile);

  // And the built-in values survive a save and a load into another window.
  SettingsWindow fresh, other;
  saveINI(fresh.k, kPath);
  other.h.files.files[kPath] = fresh.h.files.files[kPath];
  other.k.ui.Text2.text = "changed";
  loadINI(other.k, kPath);
  EXPECT_EQ(other.Snapshot(), fresh.Snapshot());
}

TEST(SettingsFile, EachKeyReachesItsControl) {
  SettingsWindow w;
  w.h.files.files[kPath] = Utf8ToCp932(kFullFile);
  loadINI(w.k, kPath);
  const auto& ui = w.k.ui;
  const std::vector<std::pair<std::string, std::string>> texts = {
      {ui.Combo1[1].text, "lc1"},  {ui.Combo1[9].text, "lt2"},    {ui.Combo1[5].text, "ly3"},
      {ui.Combo1[2].text, "lc4"},  {ui.Combo1[10].text, "lt5"},   {ui.Combo1[6].text, "ly6"},
      {ui.Combo1[7].text, "lc7"},  {ui.Combo1[11].text, "lt8"},   {ui.Combo1[8].text, "lya"},
      {ui.Combo1[3].text, "cn10"}, {ui.Combo1[4].text, "lyf"},    {ui.cbTaniD.text, "坪,0.3025"},
      {ui.Comboketa.text, "-2"},   {ui.Text2.text, "30,1,1,lyb"},
  };
  for (std::size_t i = 0; i < texts.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(texts[i].first, texts[i].second);
  }
  for (const Control* box : {&ui.ckKeisen[0], &ui.ckKeisen[1], &ui.ckKeisen[2], &ui.chkUTIWAKE[0],
                             &ui.chkUTIWAKE[1], &ui.chkM, &ui.chkC})
    EXPECT_EQ(box->value, 1) << box->text;
  EXPECT_EQ(w.k.tableStyle, 1);
  EXPECT_EQ(w.k.itemAlignment, 2);
  EXPECT_TRUE(w.k.writeItemCatalogue);
}

TEST(SettingsFile, NewFileHasTheSectionsAndKeysInOrder) {
  SettingsWindow w;
  ASSERT_TRUE(saveINI(w.k, kPath));
  EXPECT_EQ(w.h.files.writeCount, 1);
  EXPECT_EQ(w.h.GetText(kPath),
            "[Grid]\r\nSotowaku=0\r\nSoto_lc=lc5\r\nSoto_lt=lt1\r\nSoto_ly=ly9\r\n"
            "Tatesen=0\r\nTate_lc=lc2\r\nTate_lt=lt1\r\nTate_ly=ly9\r\n"
            "Yokosen=0\r\nYoko_lc=lc2\r\nYoko_lt=lt1\r\nYoko_ly=ly9\r\n"
            "[Moji]\r\nMojishu=cn3\r\nMoji_ly=ly9\r\n"
            "[kihon]\r\nTani=m^2,1\r\nKeta=3\r\nSonota=20,2,2,lya\r\n"
            "Utiwakemenseki=0\r\nToosibango=0\r\ntensoType=0\r\nblKoumokuwrt=False\r\n"
            "intYose=0\r\nmZtext=0\r\nchkC=0\r\n");
}

TEST(SettingsFile, SaveKeepsOtherEntriesAndWritesOnce) {
  SettingsWindow w;
  w.h.PutText(kPath, "; mine\n[kihon]\nKeta=1\nextra=x\n[tani]\ntani_1=m,1\n");
  w.k.ui.Text2.text = "a\r\nb";  // cannot be stored: that entry alone is skipped
  const int writes = w.h.files.writeCount;
  ASSERT_TRUE(saveINI(w.k, kPath));
  EXPECT_EQ(w.h.files.writeCount, writes + 1);
  const std::string text = w.h.GetText(kPath);
  EXPECT_EQ(text.rfind("; mine\r\n[kihon]\r\nKeta=3\r\nextra=x\r\nTani=m^2,1\r\n", 0), 0u) << text;
  EXPECT_NE(text.find("[tani]\r\ntani_1=m,1\r\n[Grid]\r\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("Sonota"), std::string::npos);

  w.h.files.refuseWrites.push_back(kPath);
  EXPECT_FALSE(saveINI(w.k, kPath));
}

TEST(SettingsFile, BadValuesSkipOnlyTheirEntry) {
  SettingsWindow w;
  w.k.ui.ckKeisen[0].value = 1;
  w.h.PutText(kPath, "[Grid]\nSotowaku=abc\nSoto_lc=lc7\nTatesen=1\n[kihon]\nintYose=1\n");
  loadINI(w.k, kPath);
  EXPECT_EQ(w.k.ui.ckKeisen[0].value, 1);
  EXPECT_EQ(w.k.ui.Combo1[1].text, "lc7");
  EXPECT_EQ(w.k.ui.ckKeisen[1].value, 1);
  EXPECT_EQ(w.k.itemAlignment, 1);
}

TEST(SettingsFile, NumberAndFlagConversions) {
  struct Case {
    const char* key;
    const char* stored;
    int before;
    int after;
  };
  // Check boxes take 0 or 1; the two program numbers any 16-bit value.
  const std::vector<Case> cases = {
      {"Sotowaku", "1", 0, 1},
      {"Sotowaku", " 0 ", 1, 0},
      {"Sotowaku", "0.5", 1, 0},
      {"Sotowaku", "0.6", 0, 1},
      {"Sotowaku", "1.5", 0, 0},
      {"Sotowaku", "2", 0, 0},
      {"Sotowaku", "-1", 0, 0},
      {"Sotowaku", "", 1, 1},
      {"Sotowaku", "True", 0, 0},
      {"tensoType", "1", 0, 1},
      {"tensoType", "2.5", 0, 2},
      {"tensoType", "3.5", 0, 4},
      {"tensoType", "-32768", 0, -32768},
      {"tensoType", "32768", 1, 1},
      {"tensoType", "", 1, 1},
      {"tensoType", "x1", 1, 1},
      {"intYose", "2", 0, 2},
      {"intYose", "7", 0, 7},
      {"intYose", "1e5", 2, 2},
      {"intYose", "abc", 2, 2},
      {"blKoumokuwrt", "TRUE", 0, 1},
      {"blKoumokuwrt", "tRuE", 0, 1},
      {"blKoumokuwrt", "false", 1, 0},
      {"blKoumokuwrt", "0", 1, 0},
      {"blKoumokuwrt", "-1", 0, 1},
      {"blKoumokuwrt", "2.5", 0, 1},
      {"blKoumokuwrt", "yes", 1, 1},
      {"blKoumokuwrt", "", 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.key) + "=" + c.stored);
    SettingsWindow w;
    const std::string section = std::string(c.key) == "Sotowaku" ? "Grid" : "kihon";
    w.h.PutText(kPath, "[" + section + "]\n" + c.key + "=" + c.stored + "\n");
    const std::function<int()> get = [&]() -> int {
      if (std::string(c.key) == "Sotowaku") return w.k.ui.ckKeisen[0].value;
      if (std::string(c.key) == "tensoType") return w.k.tableStyle;
      if (std::string(c.key) == "intYose") return w.k.itemAlignment;
      return w.k.writeItemCatalogue ? 1 : 0;
    };
    w.k.ui.ckKeisen[0].value = c.before;
    w.k.tableStyle = c.before;
    w.k.itemAlignment = c.before;
    w.k.writeItemCatalogue = c.before != 0;
    loadINI(w.k, kPath);
    EXPECT_EQ(get(), c.after);
  }
}

TEST(SettingsFile, KeysAndSectionsInOtherCapitals) {
  SettingsWindow w;
  w.h.PutText(kPath, "[GRID]\nSOTO_LC=lc8\n[KIHON]\nINTYOSE=1\n");
  loadINI(w.k, kPath);
  EXPECT_EQ(w.k.ui.Combo1[1].text, "lc8");
  EXPECT_EQ(w.k.itemAlignment, 1);
}

TEST(SettingsFile, LongTextComesBackCut) {
  SettingsWindow w;
  w.h.PutText(kPath, "[kihon]\nSonota=" + std::string(300, '9') + "\n");
  loadINI(w.k, kPath);
  EXPECT_EQ(w.k.ui.Text2.text, std::string(254, '9'));
}

TEST(SettingsFile, FlagAbsentIsWrittenFalseAndTrueSurvives) {
  SettingsWindow w;
  w.h.PutText(kPath, "[kihon]\nKeta=2\n");
  loadINI(w.k, kPath);
  saveINI(w.k, kPath);
  EXPECT_EQ(ReadIniValue(w.h.env, "kihon", "blKoumokuwrt", kPath), "False");

  SettingsWindow t;
  t.h.PutText(kPath, "[kihon]\nblKoumokuwrt=true\n");
  loadINI(t.k, kPath);
  saveINI(t.k, kPath);
  EXPECT_EQ(ReadIniValue(t.h.env, "kihon", "blKoumokuwrt", kPath), "True");
}

TEST(SettingsFile, MissingFileChangesNothing) {
  SettingsWindow w;
  w.k.ui.ckKeisen[1].value = 1;
  w.k.ui.Combo1[7].text = "lc9";
  w.k.ui.Combo1[2].enabled = false;
  w.k.ui.txtname[3].text = "Room";
  w.k.tableStyle = 1;
  const std::string before = w.Snapshot();
  loadINI(w.k, "/app/none.INI");
  loadINI(w.k, "/app/none.JHY");
  EXPECT_EQ(w.Snapshot(), before);
}

TEST(SettingsFile, FileWithoutTheKeysEmptiesOnlyTexts) {
  SettingsWindow w;
  w.k.ui.ckKeisen[2].value = 1;
  w.k.ui.chkM.value = 1;
  w.k.tableStyle = 1;
  w.k.itemAlignment = 2;
  w.k.writeItemCatalogue = true;
  w.h.PutText(kPath, "[Grid]\n");
  loadINI(w.k, kPath);
  for (int i = 1; i <= 11; ++i) EXPECT_EQ(w.k.ui.Combo1[i].text, "") << i;
  EXPECT_EQ(w.k.ui.cbTaniD.text, "");
  EXPECT_EQ(w.k.ui.Comboketa.text, "");
  EXPECT_EQ(w.k.ui.Text2.text, "");
  EXPECT_EQ(w.k.ui.ckKeisen[2].value, 1);
  EXPECT_EQ(w.k.ui.chkM.value, 1);
  EXPECT_EQ(w.k.tableStyle, 1);
  EXPECT_EQ(w.k.itemAlignment, 2);
  EXPECT_TRUE(w.k.writeItemCatalogue);
}

TEST(SettingsFile, ChangedCheckBoxesActAsClicks) {
  SettingsWindow w;
  // Outer frame ticked on load: its combos come back; vertical rules
  // unticked: theirs go; horizontal unchanged at 0: no click, stay enabled.
  for (int i : {9, 1, 5}) w.k.ui.Combo1[i].enabled = false;
  w.k.ui.ckKeisen[1].value = 1;
  w.k.ui.txtname[1].text = "#c#ff00aa 床";
  w.k.ui.txtname[16].text = "Room";
  w.h.PutText(kPath, "[Grid]\nSotowaku=1\nTatesen=0\nYokosen=0\n[kihon]\nchkC=1\n");
  loadINI(w.k, kPath);
  std::string enabled;
  for (int i = 1; i <= 11; ++i) enabled += w.k.ui.Combo1[i].enabled ? "E" : "d";
  // Combo1(1..11), one letter each.
  EXPECT_EQ(enabled, "EdEEEdEEEdE");
  EXPECT_EQ(w.k.ui.txtname[1].text, "#C#FF00AA 床");
  EXPECT_EQ(w.k.ui.txtname[16].text, "ROOM");

  // The same value again is no click: a name typed since keeps its case.
  w.k.ui.txtname[2].text = "lower";
  loadINI(w.k, kPath);
  EXPECT_EQ(w.k.ui.txtname[2].text, "lower");

  w.h.PutText(kPath, "[kihon]\nchkC=0\n");
  loadINI(w.k, kPath);
  EXPECT_EQ(w.k.ui.txtname[1].text, "#c#ff00aa 床");
  EXPECT_EQ(w.k.ui.txtname[2].text, "lower");
}

TEST(SettingsFile, PreviewPlaceIsWrittenOnlyByARunThatShowedIt) {
  SettingsWindow w;
  w.h.files.files[kPath] = Utf8ToCp932(kFullFile);
  loadINI(w.k, kPath);
  EXPECT_FALSE(w.k.preview.stored);
  w.k.preview.left = 5;  // moved about, never shown: nothing to keep
  saveINI(w.k, kPath);
  EXPECT_EQ(w.h.GetText(kPath), kFullFile);

  w.k.preview = {false, true, -120, 40, 440, 330};
  saveINI(w.k, kPath);
  const std::string withPlace =
      std::string(kFullFile) + "[Preview]\r\nLeft=-120\r\nTop=40\r\nWidth=440\r\nHeight=330\r\n";
  EXPECT_EQ(w.h.GetText(kPath), withPlace);

  SettingsWindow other;
  other.h.files.files[kPath] = Utf8ToCp932(withPlace);
  loadINI(other.k, kPath);
  EXPECT_TRUE(other.k.preview.stored);
  EXPECT_FALSE(other.k.preview.opened);
  EXPECT_EQ(other.k.preview.left, -120);
  EXPECT_EQ(other.k.preview.height, 330);
  saveINI(other.k, kPath);  // not shown this time: the stored place stays as it was
  EXPECT_EQ(other.h.GetText(kPath), withPlace);

  // A place that does not read, or has no size, is not used.
  for (const char* bad : {"Width=0", "Width=x", "Height=-5", "Left="}) {
    SettingsWindow odd;
    std::string file = withPlace;
    const std::string key = std::string(bad).substr(0, std::string(bad).find('=') + 1);
    const std::size_t at = file.find(key);
    file.replace(at, file.find('\r', at) - at, bad);
    odd.h.files.files[kPath] = Utf8ToCp932(file);
    loadINI(odd.k, kPath);
    EXPECT_FALSE(odd.k.preview.stored) << bad;
  }
}

}  // namespace
}  // namespace kaveta

namespace kaveta {
namespace {

// The options added later keep a file of default settings as it was: written
// only when set, deleted when back at the default, unknown values read as it.
TEST(SettingsFile, OptionsAreStoredOnlyAwayFromTheirDefaults) {
  SettingsWindow w;
  w.h.files.files[kPath] = Utf8ToCp932(kFullFile);
  loadINI(w.k, kPath);
  saveINI(w.k, kPath);
  EXPECT_EQ(w.h.GetText(kPath), kFullFile);

  w.k.roundingMode = 1;
  w.k.ui.chkGoukei.value = 1;
  w.k.ui.chkSansha.value = 1;
  saveINI(w.k, kPath);
  EXPECT_EQ(w.h.GetText(kPath), std::string(kFullFile) + "Hasuu=1\r\nGoukei=1\r\nSansha=1\r\n");

  SettingsWindow other;
  other.h.files.files[kPath] = w.h.files.files[kPath];
  loadINI(other.k, kPath);
  EXPECT_EQ(other.k.roundingMode, 1);
  EXPECT_EQ(other.k.ui.cboHasuu.text, "切り捨て");
  EXPECT_EQ(other.k.ui.chkGoukei.value, 1);
  EXPECT_EQ(other.k.ui.chkSansha.value, 1);

  w.k.roundingMode = 0;
  w.k.ui.chkGoukei.value = 0;
  saveINI(w.k, kPath);
  EXPECT_EQ(w.h.GetText(kPath), std::string(kFullFile) + "Sansha=1\r\n");

  for (const char* value : {"", "3", "-1", "x", "1.7"}) {
    SettingsWindow odd;
    odd.k.roundingMode = 2;
    odd.k.ui.chkGoukei.value = 1;
    odd.h.files.files[kPath] =
        Utf8ToCp932(std::string("[kihon]\r\nHasuu=") + value + "\r\nGoukei=" + value + "\r\n");
    loadINI(odd.k, kPath);
    // Stored numbers round to the nearest whole one, as every entry's do.
    EXPECT_EQ(odd.k.roundingMode, std::string(value) == "1.7" ? 2 : 0) << value;
    EXPECT_EQ(odd.k.ui.chkGoukei.value, 0) << value;  // "1.7" is 2, no check value
  }
}

}  // namespace
}  // namespace kaveta

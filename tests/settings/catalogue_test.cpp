#include "settings/catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "number/colour_text.h"
#include "number/number_text.h"
#include "output/ok_command.h"
#include "platform/encoding.h"
#include "settings/ini_file.h"
#include "settings_fixture.h"

namespace kaveta {
namespace {

using testing::SettingsWindow;
using List = std::vector<std::string>;

const char* const kList = "/app/kaveta.lst";
const char* const kRowsFile = "/app/koumoku.INI";

TEST(ListFile, SectionsAndEntries) {
  struct Case {
    const char* what;
    std::string bytes;  // as on disk
    List items;
    List units;
  };
  const std::vector<Case> cases = {
      {"headers in other capitals, empty entry kept",
       "[ITEMS]\r\nitem\r\n\r\n[Tani]\r\nm^2,1\r\n",
       {"item", ""},
       {"m^2,1"}},
      {"the line after a header is always an entry",
       "[items]\r\n[tani]\r\nm,1\r\n",
       {"[tani]", "m,1"},
       {}},
      {"lines before a header and other sections add nothing",
       "x\r\n[other]\r\ny\r\n[items]\r\nz\r\n[more]\r\nw\r\n",
       {"z"},
       {}},
      {"a header on the last line is an empty section", "[items]\r\na\r\n[tani]", {"a"}, {}},
      {"a header on the last line before its break", "[tani]\r\nm,1\r\n[items]\r\n", {}, {"m,1"}},
      {"headers compare as whole lines", "[items] \r\na\r\n [items]\r\nb\r\n", {}, {}},
      {"LF line ends", "[items]\na\n[tani]\nm,1\n", {"a"}, {"m,1"}},
      {"lone CR line ends", "[items]\ra\rb", {"a", "b"}, {}},
      {"no line break at the end", "[tani]\r\nm,1", {}, {"m,1"}},
      {"blank lines are entries", "[tani]\r\n\r\n\r\nm,1\r\n", {}, {"", "", "m,1"}},
      {"Shift_JIS becomes UTF-8",
       Utf8ToCp932("[items]\r\n床面積\r\n[tani]\r\n坪,0.3025\r\n"),
       {"床面積"},
       {"坪,0.3025"}},
      {"empty file", "", {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SettingsWindow w;
    w.h.files.files[kList] = c.bytes;
    ReadListFile(w.k);
    EXPECT_EQ(w.k.ui.Combo2.list, c.items);
    EXPECT_EQ(w.k.ui.cbTani[0].list, c.units);
    EXPECT_EQ(w.k.ui.cbTaniD.list, c.units);
  }
}

TEST(ListFile, MissingFileGivesEmptyLists) {
  SettingsWindow w;
  w.h.files.files["/elsewhere/kaveta.lst"] = "[items]\r\nx\r\n";
  ReadListFile(w.k);
  EXPECT_TRUE(w.k.ui.Combo2.list.empty());
  EXPECT_TRUE(w.k.ui.cbTani[0].list.empty());
  EXPECT_TRUE(w.k.ui.cbTaniD.list.empty());
}

// A window with white background swatches, as start-up paints them.
struct RowWindow : SettingsWindow {
  RowWindow() {
    k.state.backgroundColour = kWhite;
    for (int i = 1; i <= 2 * kRows; ++i) {
      k.ui.Lblpic[i].backColour = kWhite;
      k.ui.Lblpic[i].tooltip.clear();
    }
  }
  void Row(int r, std::int32_t left, std::int32_t right, const std::string& name,
           const std::string& unit) {
    k.ui.Lblpic[r].backColour = left;
    k.ui.Lblpic[r + kRows].backColour = right;
    k.ui.txtname[r].text = name;
    k.ui.Label5[r].tooltip = unit;
  }
};

TEST(RowFile, UsedRowsAreStoredPackedAndComeBackFirst) {
  RowWindow w;
  w.Row(2, 255, 65280, "床", "m^2,1");
  w.Row(5, 16711680, 0, "", "坪,0.3025");
  w.Row(7, kWhite, kWhite, "", "m,1");  // unit alone does not make a row used
  ASSERT_TRUE(saveKoumoku(w.k, kRowsFile));
  EXPECT_EQ(w.h.files.writeCount, 1);
  EXPECT_EQ(w.h.GetText(kRowsFile),
            "[koumokusuu]\r\nkoumokusuu=2\r\n"
            "[Solid]\r\nSolidclr_1=255\r\nSolidclr_17=65280\r\nSolidclr_2=16711680\r\n"
            "Solidclr_18=0\r\n"
            "[koukoku]\r\nkoumoku_1=床\r\nkoumoku_2=\r\n"
            "[tani]\r\ntani_1=m^2,1\r\ntani_2=坪,0.3025\r\n");

  RowWindow back;
  back.h.files.files[kRowsFile] = w.h.files.files[kRowsFile];
  back.k.ui.txtname[9].text = "old";
  loadKoumoku(back.k, kRowsFile);
  const auto& ui = back.k.ui;
  EXPECT_EQ(back.k.state.nextGroup, 3);
  EXPECT_EQ(ui.Lblpic[1].backColour, 255);
  EXPECT_EQ(ui.Lblpic[1].tooltip, "R:255 G:0 B:0");
  EXPECT_EQ(ui.Lblpic[17].backColour, 65280);
  EXPECT_EQ(ui.Lblpic[17].tooltip, "R:0 G:255 B:0");
  EXPECT_EQ(ui.Lblpic[2].backColour, 16711680);
  EXPECT_EQ(ui.Lblpic[18].backColour, 0);
  EXPECT_EQ(ui.Lblpic[18].tooltip, "R:0 G:0 B:0");
  EXPECT_EQ(back.k.state.groups[1].colour, 255);
  EXPECT_EQ(back.k.state.groups[2].colour, 16711680);
  EXPECT_EQ(back.k.state.restoredRightColour[1], 65280);
  EXPECT_EQ(back.k.state.restoredRightColour[2], 0);
  EXPECT_EQ(ui.txtname[1].text, "床");
  EXPECT_EQ(ui.txtname[2].text, "");
  EXPECT_EQ(ui.Label5[1].text, "m^2");
  EXPECT_EQ(ui.Label5[2].text, "坪");
  EXPECT_EQ(ui.Label5[2].tooltip, "坪,0.3025");
  EXPECT_EQ(back.k.state.groups[2].multiplier, "0.3025");
  for (int r = 3; r <= kRows; ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(ui.Lblpic[r].backColour, kWhite);
    EXPECT_EQ(ui.Lblpic[r].tooltip, "");
    EXPECT_EQ(ui.Lblpic[r + kRows].backColour, kWhite);
    EXPECT_EQ(ui.Lblpic[r + kRows].tooltip, "");
    EXPECT_EQ(ui.txtname[r].text, "");
  }
}

TEST(RowFile, SaveOfLoadGivesTheFileBack) {
  const std::string file =
      "[koumokusuu]\r\nkoumokusuu=3\r\n"
      "[Solid]\r\nSolidclr_1=16744512\r\nSolidclr_17=16744512\r\nSolidclr_2=16777215\r\n"
      "Solidclr_18=255\r\nSolidclr_3=-1\r\nSolidclr_19=8454143\r\n"
      "[koukoku]\r\nkoumoku_1=居間\r\nkoumoku_2=Hall\r\nkoumoku_3=\r\n"
      "[tani]\r\ntani_1=m^2,1\r\ntani_2=\r\ntani_3=坪,0.3025\r\n";
  RowWindow w;
  w.h.files.files[kRowsFile] = Utf8ToCp932(file);
  loadKoumoku(w.k, kRowsFile);
  ASSERT_TRUE(saveKoumoku(w.k, "/app/again.INI"));
  EXPECT_EQ(w.h.GetText("/app/again.INI"), file);
}

TEST(RowFile, UnitTextGivesCaptionAndMultiplier) {
  struct Case {
    const char* stored;
    const char* caption;
    const char* multiplier;
  };
  const std::vector<Case> cases = {
      {"m2", "m2", "1"},       {"m2,0", "m2", "1"}, {"m2,abc", "m2", "1"},
      {"m2,1.5", "m2", "1.5"}, {"m2,", "m2", "1"},  {"m2,0.0", "m2", "1"},
      {"m2,2,x", "m2", "2"},   {",3", "", "3"},     {"坪,0.3025", "坪", "0.3025"},
      {"", "before", "7"},  // an empty unit leaves caption and multiplier alone
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    RowWindow w;
    w.k.ui.Label5[1].text = "before";
    w.k.state.groups[1].multiplier = "7";
    w.h.PutText(kRowsFile,
                std::string("[koumokusuu]\nkoumokusuu=1\n[tani]\ntani_1=") + c.stored + "\n");
    loadKoumoku(w.k, kRowsFile);
    EXPECT_EQ(w.k.ui.Label5[1].tooltip, c.stored);
    EXPECT_EQ(w.k.ui.Label5[1].text, c.caption);
    EXPECT_EQ(w.k.state.groups[1].multiplier, c.multiplier);
  }
}

TEST(RowFile, NamedRowWithBackgroundSwatchIsUsed) {
  RowWindow w;
  w.Row(3, kWhite, kWhite, "Hall", "");
  saveKoumoku(w.k, kRowsFile);
  EXPECT_EQ(ReadIniValue(w.h.env, "koumokusuu", "koumokusuu", kRowsFile), "1");
  EXPECT_EQ(ReadIniValue(w.h.env, "Solid", "Solidclr_1", kRowsFile), "16777215");
  EXPECT_EQ(ReadIniValue(w.h.env, "koukoku", "koumoku_1", kRowsFile), "Hall");
}

TEST(RowFile, ShorterSaveLeavesLaterEntriesThatLoadIgnores) {
  RowWindow w;
  for (int r = 1; r <= 3; ++r) w.Row(r, r, r + 100, "n" + std::to_string(r), "u,1");
  saveKoumoku(w.k, kRowsFile);
  RowWindow shorter;
  shorter.h.files.files[kRowsFile] = w.h.files.files[kRowsFile];
  shorter.Row(1, 9, 9, "only", "m,1");
  saveKoumoku(shorter.k, kRowsFile);
  EXPECT_EQ(ReadIniValue(shorter.h.env, "koukoku", "koumoku_3", kRowsFile), "n3");
  EXPECT_EQ(ReadIniValue(shorter.h.env, "Solid", "Solidclr_19", kRowsFile), "103");

  RowWindow back;
  back.h.files.files[kRowsFile] = shorter.h.files.files[kRowsFile];
  back.k.state.groups[3].colour = 55;
  loadKoumoku(back.k, kRowsFile);
  EXPECT_EQ(back.k.state.nextGroup, 2);
  EXPECT_EQ(back.k.ui.txtname[1].text, "only");
  EXPECT_EQ(back.k.ui.txtname[2].text, "");
  EXPECT_EQ(back.k.ui.txtname[3].text, "");
  EXPECT_EQ(back.k.ui.Lblpic[3].backColour, kWhite);
  EXPECT_EQ(back.k.state.groups[3].colour, 55);  // leftovers are not read
}

TEST(RowFile, AbsentOrBadEntriesSkipTheirStep) {
  RowWindow w;
  w.k.state.groups[2].colour = 4242;
  w.k.state.restoredRightColour[1] = 77;
  w.k.ui.Label5[1].text = "m";
  w.k.ui.txtname[2].text = "typed";
  w.h.PutText(kRowsFile,
              "[koumokusuu]\nkoumokusuu=2\n[Solid]\nSolidclr_1=12\nSolidclr_17=\n"
              "Solidclr_2=red\n[koukoku]\nkoumoku_1=A\n");
  loadKoumoku(w.k, kRowsFile);
  EXPECT_EQ(w.k.state.nextGroup, 3);
  EXPECT_EQ(w.k.ui.Lblpic[1].backColour, 12);
  EXPECT_EQ(w.k.ui.Lblpic[17].backColour, 77);
  EXPECT_EQ(w.k.ui.Lblpic[17].tooltip, RgbText(77));
  EXPECT_EQ(w.k.ui.Lblpic[2].backColour, 4242);
  EXPECT_EQ(w.k.ui.txtname[1].text, "A");
  EXPECT_EQ(w.k.ui.txtname[2].text, "");  // an absent name empties the caption
  EXPECT_EQ(w.k.ui.Label5[1].text, "m");
}

// Without a usable count (absent, emptied, hand-edited) only the rows with a
// stored left colour come back; every other row is empty, so the next save
// does not count black rows nobody made.
TEST(RowFile, WithoutUsableCountOnlyColouredRowsComeBack) {
  const std::string rows =
      "[Solid]\nSolidclr_2=255\nSolidclr_18=65280\nSolidclr_5=16711680\nSolidclr_4=x\n"
      "[koukoku]\nkoumoku_2=床\nkoumoku_3=壁\nkoumoku_4=天井\nkoumoku_5=\n"
      "[tani]\ntani_2=m^2,1\ntani_3=m,1\ntani_5=坪,0.3025\n";
  for (const std::string count :
       {"", "[koumokusuu]\nkoumokusuu=\n", "[koumokusuu]\nkoumokusuu=abc\n",
        "[koumokusuu]\nkoumokusuu=17\n", "[koumokusuu]\nkoumokusuu=-1\n",
        "[koumokusuu]\nkoumokusuu=99\n"}) {
    SCOPED_TRACE(count);
    RowWindow w;
    w.k.ui.txtname[3].text = "typed";
    w.k.ui.Label5[3].text = "kept";
    w.h.PutText(kRowsFile, count + rows);
    loadKoumoku(w.k, kRowsFile);
    const auto& ui = w.k.ui;
    EXPECT_EQ(w.k.state.nextGroup, 6);
    EXPECT_EQ(ui.Lblpic[2].backColour, 255);
    EXPECT_EQ(ui.Lblpic[18].backColour, 65280);
    EXPECT_EQ(ui.txtname[2].text, "床");
    EXPECT_EQ(ui.Label5[2].text, "m^2");
    EXPECT_EQ(ui.Lblpic[5].backColour, 16711680);
    EXPECT_EQ(ui.Lblpic[21].backColour, 16711680);  // no right colour: the left one
    EXPECT_EQ(ui.Lblpic[21].tooltip, RgbText(16711680));
    EXPECT_EQ(w.k.state.restoredRightColour[5], 16711680);
    EXPECT_EQ(w.k.state.groups[5].multiplier, "0.3025");
    for (int r : {1, 3, 4, 6, 16}) {
      SCOPED_TRACE(r);
      EXPECT_EQ(ui.Lblpic[r].backColour, kWhite);
      EXPECT_EQ(ui.Lblpic[r + kRows].backColour, kWhite);
      EXPECT_EQ(ui.txtname[r].text, "");
    }
    EXPECT_EQ(ui.Label5[3].text, "kept");  // an empty row keeps its unit

    saveKoumoku(w.k, kRowsFile);
    EXPECT_EQ(ReadIniValue(w.h.env, "koumokusuu", "koumokusuu", kRowsFile), "2");
  }
}

TEST(RowFile, WithoutCountTheGroupCounterFollowsTheLastColouredRow) {
  const struct {
    const char* file;
    int nextGroup;
    int used;
  } cases[] = {
      {"[koukoku]\nkoumoku_1=床\n", 1, 0},
      {"[Solid]\nSolidclr_17=255\n", 1, 0},  // a right colour alone is no row
      {"[Solid]\nSolidclr_1=0\n", 2, 1},     // black is a colour
      {"[Solid]\nSolidclr_16=5\n[koukoku]\nkoumoku_16=last\n", 17, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    RowWindow w;
    w.k.state.nextGroup = 9;
    w.h.PutText(kRowsFile, c.file);
    loadKoumoku(w.k, kRowsFile);
    EXPECT_EQ(w.k.state.nextGroup, c.nextGroup);
    EXPECT_EQ(TakeTableSnapshot(w.k).RowsInUse(), c.used);
  }
}

// A usable count keeps its meaning: rows 1..N whatever their colour entries.
TEST(RowFile, UsableCountStillTakesItsRows) {
  RowWindow w;
  w.h.PutText(kRowsFile,
              "[koumokusuu]\nkoumokusuu=2\n[Solid]\nSolidclr_1=7\nSolidclr_16=5\n"
              "[koukoku]\nkoumoku_2=named\nkoumoku_16=last\n");
  loadKoumoku(w.k, kRowsFile);
  EXPECT_EQ(w.k.state.nextGroup, 3);
  EXPECT_EQ(w.k.ui.Lblpic[1].backColour, 7);
  EXPECT_EQ(w.k.ui.txtname[2].text, "named");
  EXPECT_EQ(w.k.ui.txtname[16].text, "");
  EXPECT_EQ(w.k.ui.Lblpic[16].backColour, kWhite);
}

TEST(RowFile, MissingFileChangesNothing) {
  RowWindow w;
  w.Row(4, 123, 456, "kept", "m,2");
  w.k.state.nextGroup = 5;
  const std::string before = w.Snapshot();
  loadKoumoku(w.k, "/app/none.INI");
  EXPECT_EQ(w.Snapshot(), before);
  EXPECT_EQ(w.k.state.nextGroup, 5);
  EXPECT_EQ(w.k.ui.Lblpic[1].backColour, kWhite);
  EXPECT_EQ(w.k.ui.Lblpic[4].backColour, 123);
  EXPECT_EQ(w.k.ui.Label5[4].tooltip, "m,2");
}

}  // namespace
}  // namespace kaveta

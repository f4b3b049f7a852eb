// The area summary's stored parts: its four settings in "kihon", written
// only away from their defaults, and each row's role in "kubun" of the row
// file and of table files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/encoding.h"
#include "settings/catalogue.h"
#include "settings/table_files.h"
#include "settings_fixture.h"
#include "ui/rows.h"

namespace kaveta {
namespace {

using namespace std::string_literals;
using testing::SettingsWindow;

const char* const kSettings = "/app/Kaveta.INI";
const char* const kRows = "/app/koumoku.INI";

struct SummaryWindow : SettingsWindow {
  SummaryWindow() {
    k.state.backgroundColour = kWhite;
    for (int i = 1; i <= 2 * kRows_; ++i) k.ui.Lblpic[i].backColour = kWhite;
  }
  static constexpr int kRows_ = kaveta::kRows;
  void Row(int r, std::int32_t colour, const std::string& name, int role) {
    k.ui.Lblpic[r].backColour = colour;
    k.ui.Lblpic[r + kRows_].backColour = colour;
    k.ui.txtname[r].text = name;
    k.ui.Label5[r].tooltip = "m^2,1";
    SetRowRole(k, r, role);
  }
};

TEST(SummarySettings, EachKeyIsWrittenOnlyAwayFromItsDefault) {
  struct Case {
    const char* key;
    void (*set)(Kaveta&);
    const char* line;
  };
  const std::vector<Case> cases = {
      {"Gaiyou", [](Kaveta& k) { k.ui.chkGaiyou.value = 1; }, "Gaiyou=1"},
      {"Kenpei", [](Kaveta& k) { k.ui.txtKenpei.text = "60"; }, "Kenpei=60"},
      {"Youseki", [](Kaveta& k) { k.ui.txtYouseki.text = "二百"; }, "Youseki=二百"},
      {"HiritsuHasuu", [](Kaveta& k) { k.ratioRounding = 0; }, "HiritsuHasuu=0"},
      {"HiritsuHasuu", [](Kaveta& k) { k.ratioRounding = 1; }, "HiritsuHasuu=1"},
  };
  for (const Case& c : cases) {
    SummaryWindow w;
    saveINI(w.k, kSettings);
    const std::string plain = w.h.GetText(kSettings);
    EXPECT_EQ(plain.find("Gaiyou"), std::string::npos);
    EXPECT_EQ(plain.find("Kenpei"), std::string::npos);
    EXPECT_EQ(plain.find("Youseki"), std::string::npos);
    EXPECT_EQ(plain.find("Hiritsu"), std::string::npos);

    c.set(w.k);
    saveINI(w.k, kSettings);
    EXPECT_EQ(w.h.GetText(kSettings), plain + c.line + "\r\n") << c.line;

    // Read back in another window: the same file again.
    SummaryWindow back;
    back.h.files.files[kSettings] = w.h.files.files[kSettings];
    loadINI(back.k, kSettings);
    back.h.files.files.erase(kSettings);
    saveINI(back.k, kSettings);
    EXPECT_EQ(back.h.GetText(kSettings), plain + c.line + "\r\n") << c.line;

    // Back at the default, the key goes.
    SummaryWindow fresh;
    w.k.ui.chkGaiyou.value = 0;
    w.k.ui.txtKenpei.text.clear();
    w.k.ui.txtYouseki.text.clear();
    w.k.ratioRounding = 2;
    saveINI(w.k, kSettings);
    EXPECT_EQ(w.h.GetText(kSettings), plain) << c.key;
  }
}

TEST(SummarySettings, AbsentEmptyOrUnknownValuesReadAsTheDefault) {
  struct Case {
    const char* value;
    int ratioRounding;
    const char* caption;
    int ticked;
  };
  const std::vector<Case> cases = {
      {"", 2, "切り上げ", 0},  {"x", 2, "切り上げ", 0},  {"3", 2, "切り上げ", 0},
      {"-1", 2, "切り上げ", 0}, {"0", 0, "四捨五入", 0}, {"1", 1, "切り捨て", 1},
  };
  for (const Case& c : cases) {
    SummaryWindow w;
    w.k.ratioRounding = 1;
    w.k.ui.cboHiritsu.text = "切り捨て";
    w.k.ui.chkGaiyou.value = 1;
    w.k.ui.txtKenpei.text = "old";
    w.h.files.files[kSettings] = Utf8ToCp932("[kihon]\r\nHiritsuHasuu="s + c.value +
                                             "\r\nGaiyou=" + c.value + "\r\nKenpei=" + c.value +
                                             "\r\n");
    loadINI(w.k, kSettings);
    EXPECT_EQ(w.k.ratioRounding, c.ratioRounding) << c.value;
    EXPECT_EQ(w.k.ui.cboHiritsu.text, c.caption) << c.value;
    EXPECT_EQ(w.k.ui.chkGaiyou.value, c.ticked) << c.value;
    EXPECT_EQ(w.k.ui.txtKenpei.text, c.value);
    EXPECT_EQ(w.k.ui.txtYouseki.text, "");  // absent
  }
}

TEST(SummaryRoles, RowFileStoresRolesPackedAndOnlyForARole) {
  SummaryWindow w;
  w.Row(2, 255, "敷地", 1);
  w.Row(4, 65280, "ホール", 0);
  w.Row(9, 16711680, "車庫", 6);
  SetRowRole(w.k, 12, 4);  // not in use: not stored
  ASSERT_TRUE(saveKoumoku(w.k, kRows));
  const std::string text = w.h.GetText(kRows);
  EXPECT_EQ(text.substr(text.find("[kubun]")), "[kubun]\r\nkubun_1=1\r\nkubun_3=6\r\n");

  SummaryWindow back;
  SetRowRole(back.k, 2, 5);  // an earlier table's role
  back.h.files.files[kRows] = w.h.files.files[kRows];
  loadKoumoku(back.k, kRows);
  const std::vector<int> roles = {0, 1, 0, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  for (int r = 1; r <= kaveta::kRows; ++r) EXPECT_EQ(RowRole(back.k, r), roles[r]) << r;
  EXPECT_EQ(back.k.ui.cboKubun[3].text, "車庫等");
  ASSERT_TRUE(saveKoumoku(back.k, "/app/again.INI"));
  EXPECT_EQ(back.h.GetText("/app/again.INI"), text);

  // Role 0 again, and a shorter table: no role is left behind.
  SetRowRole(back.k, 1, 0);
  back.k.ui.txtname[3].text.clear();
  back.k.ui.Lblpic[3].backColour = kWhite;
  ASSERT_TRUE(saveKoumoku(back.k, kRows));
  // (An emptied section keeps its header, as every section of the file does.)
  EXPECT_EQ(back.h.GetText(kRows).find("kubun_"), std::string::npos);
}

TEST(SummaryRoles, TableWithoutRolesKeepsItsBytes) {
  SummaryWindow w;
  w.Row(1, 255, "居間", 0);
  ASSERT_TRUE(saveKoumoku(w.k, kRows));
  EXPECT_EQ(w.h.GetText(kRows),
            "[koumokusuu]\r\nkoumokusuu=1\r\n[Solid]\r\nSolidclr_1=255\r\nSolidclr_17=255\r\n"
            "[koukoku]\r\nkoumoku_1=居間\r\n[tani]\r\ntani_1=m^2,1\r\n");
}

TEST(SummaryRoles, UnknownStoredRolesAreNoRole) {
  // Stored numbers round to the nearest whole one, as every entry's do: 12.6
  // is 13, no role.
  for (const char* value : {"", "13", "-1", "x", "12.6"}) {
    SummaryWindow w;
    w.h.files.files[kRows] = Utf8ToCp932(
        "[koumokusuu]\r\nkoumokusuu=1\r\n[Solid]\r\nSolidclr_1=255\r\n[kubun]\r\nkubun_1="s +
        value + "\r\n");
    SetRowRole(w.k, 1, 3);
    loadKoumoku(w.k, kRows);
    EXPECT_EQ(RowRole(w.k, 1), 0) << value;
  }
}

TEST(SummaryRoles, TableFileKeepsRolesAndSettings) {
  SummaryWindow a;
  a.Row(1, 255, "敷地", 1);
  a.Row(3, 65280, "1階", 4);
  a.Row(5, 16711680, "EV", 12);
  a.k.ui.chkGaiyou.value = 1;
  a.k.ui.txtKenpei.text = "60";
  a.k.ui.txtYouseki.text = "200";
  a.k.ratioRounding = 0;
  a.h.dialogs.fileAnswers = {"/tables/plan"s};
  ASSERT_TRUE(SaveTableFile(a.k));

  SummaryWindow b;
  SetRowRole(b.k, 2, 7);
  b.h.files.files["/tables/plan.JHY"] = a.h.files.files["/tables/plan.JHY"];
  b.h.dialogs.fileAnswers = {"/tables/plan.JHY"s};
  ASSERT_TRUE(OpenTableFile(b.k));
  EXPECT_EQ(RowRole(b.k, 1), 1);
  EXPECT_EQ(RowRole(b.k, 2), 4);
  EXPECT_EQ(RowRole(b.k, 3), 12);
  for (int r = 4; r <= kaveta::kRows; ++r) EXPECT_EQ(RowRole(b.k, r), 0) << r;
  EXPECT_EQ(b.k.ui.chkGaiyou.value, 1);
  EXPECT_EQ(b.k.ui.txtKenpei.text, "60");
  EXPECT_EQ(b.k.ui.txtYouseki.text, "200");
  EXPECT_EQ(b.k.ratioRounding, 0);
  EXPECT_EQ(b.k.ui.cboHiritsu.text, "四捨五入");
}

}  // namespace
}  // namespace kaveta

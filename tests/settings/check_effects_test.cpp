#include "settings/check_effects.h"

#include <gtest/gtest.h>

#include <string>

#include "settings_fixture.h"

namespace kaveta {
namespace {

using testing::SettingsWindow;

std::string EnabledCombos(const Kaveta& k) {
  std::string out;
  for (int i = 1; i <= 11; ++i) out += k.ui.Combo1[i].enabled ? "E" : "d";
  return out;
}

TEST(CheckEffects, EachRuledLineBoxOwnsThreeCombos) {
  struct Case {
    int group;
    const char* disabled;  // Combo1(1..11) after unticking the group
  };
  // Combo1(1..11), one letter each.
  const Case cases[] = {{0, "dEEEdEEEdEE"}, {1, "EdEEEdEEEdE"}, {2, "EEEEEEddEEd"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.group);
    SettingsWindow w;
    w.k.ui.Combo1[1].text = "lc5";
    w.k.ui.ckKeisen[c.group].value = 0;
    ApplyKeisenEnabled(w.k, c.group);
    EXPECT_EQ(EnabledCombos(w.k), c.disabled);
    EXPECT_EQ(w.k.ui.Combo1[1].text, "lc5");
    w.k.ui.ckKeisen[c.group].value = 1;
    ApplyKeisenEnabled(w.k, c.group);
    EXPECT_EQ(EnabledCombos(w.k), std::string(11, 'E'));
  }
  SettingsWindow w;
  ApplyKeisenEnabled(w.k, 3);
  ApplyKeisenEnabled(w.k, -1);
  EXPECT_EQ(EnabledCombos(w.k), std::string(11, 'E'));
}

TEST(CheckEffects, NameCaseChangesLettersOnly) {
  SettingsWindow w;
  w.k.ui.txtname[0].text = "abc";  // element 0 is no row
  w.k.ui.txtname[1].text = "#c#4080ff ａｂ床Room";
  w.k.ui.txtname[16].text = "x-1";
  w.k.ui.chkC.value = 1;
  ApplyNameCase(w.k);
  EXPECT_EQ(w.k.ui.txtname[1].text, "#C#4080FF ＡＢ床ROOM");
  EXPECT_EQ(w.k.ui.txtname[16].text, "X-1");
  EXPECT_EQ(w.k.ui.txtname[0].text, "abc");
  w.k.ui.chkC.value = 0;
  ApplyNameCase(w.k);
  EXPECT_EQ(w.k.ui.txtname[1].text, "#c#4080ff ａｂ床room");
  EXPECT_EQ(w.k.ui.txtname[16].text, "x-1");
}

}  // namespace
}  // namespace kaveta

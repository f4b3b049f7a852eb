#include "settings/table_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/encoding.h"
#include "settings/catalogue.h"
#include "settings_fixture.h"
#include "text/lines.h"

namespace kaveta {
namespace {

using namespace std::string_literals;

// A window as start-up leaves it: white background swatches.
struct TableWindow : testing::SettingsWindow {
  TableWindow() {
    k.state.backgroundColour = kWhite;
    for (int i = 1; i <= 2 * kRows; ++i) k.ui.Lblpic[i].backColour = kWhite;
  }
  void Row(int r, std::int32_t colour, const std::string& name, const std::string& unit) {
    k.ui.Lblpic[r].backColour = colour;
    k.ui.Lblpic[r + kRows].backColour = colour + 1;
    k.ui.txtname[r].text = name;
    k.ui.Label5[r].tooltip = unit;
  }
  // Everything a table file holds, as the savers write it into a new file.
  std::string Stored() {
    h.files.files.erase("/probe");
    saveINI(k, "/probe");
    saveKoumoku(k, "/probe");
    return h.GetText("/probe");
  }
  std::string Headers(const std::string& path) {
    const std::string text = h.GetText(path);
    std::string out;
    for (std::string_view line : SplitLines(text))
      if (!line.empty() && line.front() == '[') out += std::string(line);
    return out;
  }
};

TEST(TableFiles, SavedTableOpensInAnotherWindow) {
  TableWindow a;
  a.k.ui.txtHyoumei.text = "一階";
  a.k.ui.ckKeisen[1].value = 1;
  a.k.ui.Combo1[7].text = "lc9";
  a.k.ui.Text2.text = "30,1,1,lyb";
  a.k.tableStyle = 1;
  a.k.itemAlignment = 2;
  a.Row(1, 255, "居間", "m^2,1");
  a.Row(4, 65280, "", "坪,0.3025");
  a.Row(9, kWhite, "Hall", "m^2,1");
  a.h.dialogs.fileAnswers = {"/tables/plan"s};
  a.h.files.currentFolder = "/work/drawings";
  ASSERT_TRUE(SaveTableFile(a.k));

  ASSERT_EQ(a.h.dialogs.fileDialogs.size(), 1u);
  const FileDialogArgs& save = a.h.dialogs.fileDialogs[0];
  EXPECT_TRUE(save.save);
  EXPECT_EQ(save.title, "表ファイルを保存");
  EXPECT_EQ(save.flags, 2u);
  EXPECT_EQ(save.filter, "表ファイル (*.JHY)\0*.JHY\0"s);
  EXPECT_EQ(save.defaultExt, "JHY");
  EXPECT_EQ(save.fileName, "");
  EXPECT_EQ(save.initDir, "/work/drawings");  // the current folder
  EXPECT_EQ(a.h.files.writeCount, 1);
  EXPECT_EQ(a.Headers("/tables/plan.JHY"), "[Grid][Moji][kihon][koumokusuu][Solid][koukoku][tani]");
  EXPECT_EQ(a.h.files.files.count("/app/Kaveta.INI"), 0u);
  EXPECT_EQ(a.h.files.files.count("/app/koumoku.INI"), 0u);

  TableWindow b;
  b.k.ui.txtHyoumei.text = "二階";
  b.Row(6, 42, "old", "m,1");
  b.h.files.files["/tables/plan.JHY"] = a.h.files.files["/tables/plan.JHY"];
  b.h.dialogs.fileAnswers = {"/tables/plan.JHY"s};
  ASSERT_TRUE(OpenTableFile(b.k));

  ASSERT_EQ(b.h.dialogs.fileDialogs.size(), 1u);
  const FileDialogArgs& open = b.h.dialogs.fileDialogs[0];
  EXPECT_FALSE(open.save);
  EXPECT_EQ(open.title, "表ファイルを開く");
  EXPECT_EQ(open.flags, 8196u);
  EXPECT_EQ(open.filter, "表ファイル (*.JHY)\0*.JHY\0"s);
  EXPECT_EQ(open.fileName, "*.JHY");
  EXPECT_EQ(open.defaultExt, "JHY");
  EXPECT_EQ(open.initDir, "/app");

  EXPECT_EQ(b.k.ui.txtHyoumei.text, "二階");
  EXPECT_EQ(b.k.state.nextGroup, 4);
  EXPECT_EQ(b.k.ui.txtname[1].text, "居間");
  EXPECT_EQ(b.k.ui.Lblpic[2].backColour, 65280);
  EXPECT_EQ(b.k.ui.txtname[3].text, "Hall");
  EXPECT_EQ(b.k.ui.Lblpic[6].backColour, kWhite);
  EXPECT_EQ(b.k.ui.txtname[6].text, "");
  EXPECT_EQ(b.k.ui.Combo1[7].text, "lc9");
  EXPECT_EQ(b.k.tableStyle, 1);
  EXPECT_EQ(b.k.itemAlignment, 2);
  // Saved again, the table is the same file.
  EXPECT_EQ(b.Stored(), a.h.GetText("/tables/plan.JHY"));
}

TEST(TableFiles, CancelChangesNothing) {
  TableWindow w;
  w.Row(2, 255, "床", "m^2,1");
  w.k.ui.txtHyoumei.text = "title";
  w.h.files.files["/app/*.JHY"] = "[Grid]\r\n";  // the preset name is not a file to open
  const std::string before = w.Stored() + w.Snapshot();
  EXPECT_FALSE(OpenTableFile(w.k));
  EXPECT_FALSE(SaveTableFile(w.k));
  EXPECT_EQ(w.h.dialogs.fileDialogs.size(), 2u);
  EXPECT_EQ(w.Stored() + w.Snapshot(), before);
  EXPECT_EQ(w.k.ui.txtHyoumei.text, "title");
  EXPECT_EQ(w.h.files.files.size(), 2u);  // the preset stand-in and the probe
}

TEST(TableFiles, OpeningANameThatIsNotThereChangesNothing) {
  TableWindow w;
  w.Row(2, 255, "床", "m^2,1");
  w.k.state.nextGroup = 3;
  const std::string before = w.Stored() + w.Snapshot();
  w.h.dialogs.fileAnswers = {"/tables/new"s};
  EXPECT_FALSE(OpenTableFile(w.k));
  EXPECT_EQ(w.Stored() + w.Snapshot(), before);
  EXPECT_EQ(w.k.state.nextGroup, 3);
}

TEST(TableFiles, SavingOverAFileKeepsItsOtherEntries) {
  TableWindow w;
  w.h.PutText("/t/x.JHY", "[mine]\nnote=keep\n[tani]\ntani_5=m,2\n");
  w.h.dialogs.fileAnswers = {"/t/x.JHY"s};
  ASSERT_TRUE(SaveTableFile(w.k));
  const std::string text = w.h.GetText("/t/x.JHY");
  EXPECT_EQ(text.rfind("[mine]\r\nnote=keep\r\n[tani]\r\ntani_5=m,2\r\n", 0), 0u) << text;
  EXPECT_NE(text.find("[koumokusuu]\r\nkoumokusuu=0\r\n"), std::string::npos) << text;

  w.h.files.refuseWrites.push_back("/t/x.JHY");
  w.h.dialogs.fileAnswers = {"/t/x.JHY"s};
  w.k.ui.Text2.text = "changed";
  EXPECT_FALSE(SaveTableFile(w.k));
  EXPECT_EQ(w.h.GetText("/t/x.JHY"), text);
}

}  // namespace
}  // namespace kaveta

#include "settings/common_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings_fixture.h"

namespace kaveta {
namespace {

using namespace std::string_literals;
using testing::SettingsWindow;

TEST(CommonDialog, FilterBecomesNulSeparated) {
  struct Case {
    std::string given;
    std::string platform;
  };
  const std::vector<Case> cases = {
      {"A|*.a|B|*.b", "A\0*.a\0B\0*.b\0"s},
      {"A|*.a|", "A\0*.a\0"s},
      {"", "\0"s},
      {"|", "\0"s},
      {"表ファイル (*.JHY)|*.JHY", "表ファイル (*.JHY)\0*.JHY\0"s},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.given);
    SettingsWindow w;
    cCommonDlg dlg;
    dlg.Form(&w.k);
    dlg.Filter(c.given);
    dlg.ShowOpen();
    ASSERT_EQ(w.h.dialogs.fileDialogs.size(), 1u);
    EXPECT_EQ(w.h.dialogs.fileDialogs[0].filter, c.platform);
  }
}

TEST(CommonDialog, FileDialogGetsTheProperties) {
  SettingsWindow w;
  w.h.dialogs.fileAnswers = {std::string("/data/a.txt"), std::string("/data/b.txt")};
  cCommonDlg dlg("/start");
  dlg.Form(&w.k);
  dlg.ShowOpen();
  dlg.flags(8196);
  dlg.Filter("T|*.t");
  dlg.DialogTitle("表ファイルを保存");
  dlg.DefaultExt("t");
  dlg.FileName("proposed");
  dlg.ShowSave();
  ASSERT_EQ(w.h.dialogs.fileDialogs.size(), 2u);
  const FileDialogArgs& first = w.h.dialogs.fileDialogs[0];
  EXPECT_FALSE(first.save);
  EXPECT_EQ(first.title, "Open File");
  EXPECT_EQ(first.filter, "All Files (*.*)\0*.*\0"s);
  EXPECT_EQ(first.defaultExt, "\0"s);
  EXPECT_EQ(first.flags, 0u);
  EXPECT_EQ(first.fileName, "");
  const FileDialogArgs& second = w.h.dialogs.fileDialogs[1];
  EXPECT_TRUE(second.save);
  EXPECT_EQ(second.title, "表ファイルを保存");
  EXPECT_EQ(second.filter, "T\0*.t\0"s);
  EXPECT_EQ(second.defaultExt, "t");
  EXPECT_EQ(second.initDir, "/start");
  EXPECT_EQ(second.flags, 8196u);
  EXPECT_EQ(second.fileName, "proposed");
  EXPECT_EQ(dlg.FileName(), "/data/b.txt");
}

TEST(CommonDialog, ProposedNameIsCutTo254Characters) {
  std::string wide;
  for (int i = 0; i < 300; ++i) wide += "表";
  for (const std::string& name : {std::string(300, 'a'), wide}) {
    SettingsWindow w;
    cCommonDlg dlg;
    dlg.Form(&w.k);
    dlg.FileName(name);
    dlg.ShowOpen();  // cancelled, CancelError cleared: the name stays whole
    ASSERT_EQ(w.h.dialogs.fileDialogs.size(), 1u);
    const std::string& shown = w.h.dialogs.fileDialogs[0].fileName;
    EXPECT_EQ(shown, name.substr(0, name.size() * 254 / 300));
    EXPECT_EQ(dlg.FileName(), name);
  }
}

TEST(CommonDialog, CancelRules) {
  struct Case {
    bool cancelError;
    const char* fileName;
  };
  const std::vector<Case> cases = {{true, ""}, {false, "*.JHY"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cancelError);
    SettingsWindow w;
    cCommonDlg dlg;
    dlg.Form(&w.k);
    dlg.CancelError(c.cancelError);
    dlg.FileName("*.JHY");
    dlg.ShowOpen();
    EXPECT_EQ(dlg.FileName(), c.fileName);
    // A later choice takes the name.
    w.h.dialogs.fileAnswers = {std::string("/t/x.JHY")};
    dlg.ShowSave();
    EXPECT_EQ(dlg.FileName(), "/t/x.JHY");
  }
}

TEST(CommonDialog, DefaultExtensionForNamesWithoutOne) {
  struct Case {
    const char* defaultExt;
    const char* chosen;
    const char* fileName;
  };
  const std::vector<Case> cases = {
      {"JHY", "/t/table", "/t/table.JHY"},
      {"JHY", "/t.d/table", "/t.d/table.JHY"},
      {"JHY", "C:\\t.d\\table", "C:\\t.d\\table.JHY"},
      {"JHY", "/t/table.jhy", "/t/table.jhy"},
      {"JHY", "/t/table.txt", "/t/table.txt"},
      {"", "/t/table", "/t/table"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.chosen);
    SettingsWindow w;
    w.h.dialogs.fileAnswers = {std::string(c.chosen)};
    cCommonDlg dlg;
    dlg.Form(&w.k);
    if (*c.defaultExt) dlg.DefaultExt(c.defaultExt);
    dlg.ShowSave();
    EXPECT_EQ(dlg.FileName(), c.fileName);
  }
}

TEST(CommonDialog, ResultEndsAtTheFirstNulPair) {
  SettingsWindow w;
  w.h.dialogs.fileAnswers = {"/t/a.JHY\0\0junk"s};
  cCommonDlg dlg;
  dlg.Form(&w.k);
  dlg.ShowOpen();
  EXPECT_EQ(dlg.FileName(), "/t/a.JHY");
}

TEST(CommonDialog, NothingWithoutAnOwner) {
  SettingsWindow w;
  w.h.dialogs.fileAnswers = {std::string("/t/a.JHY")};
  w.h.dialogs.colourAnswers = {255};
  cCommonDlg dlg;
  dlg.CancelError(true);
  dlg.FileName("*.JHY");
  dlg.ShowOpen();
  EXPECT_TRUE(w.h.dialogs.fileDialogs.empty());
  EXPECT_EQ(dlg.FileName(), "*.JHY");
}


}  // namespace
}  // namespace kaveta

#include "output/clipboard_text.h"

#include <gtest/gtest.h>

#include "output/ok_command.h"
#include "output/output_fixture.h"

namespace kaveta {
namespace {

using testing::Harness;
using testing::kGreen;
using testing::kRed;
using testing::PointZFileAt;
using testing::SetPanel;
using testing::SetRow;

struct Copy {
  Harness h;
  Kaveta k;
  explicit Copy(RunMode mode, int style) : k(h.Make(mode)) {
    PointZFileAt(h);
    SetPanel(k);
    k.tableStyle = style;
    k.ui.txtHyoumei.text = "3階";
  }
  void Rows() {
    SetRow(k, 1, kRed, kRed, "床", "1,234.500", "m^2");
    SetRow(k, 2, kGreen, kGreen, "", "-", "");
    // A named row beyond the colour groups is not copied.
    SetRow(k, 3, kWhite, kWhite, "余り", "", "m");
    k.state.nextGroup = 3;
  }
};

TEST(ClipboardText, LayoutsByModeAndStyle) {
  struct Case {
    RunMode mode;
    int style;
    const char* text;
  };
  const Case cases[] = {
      {RunMode::AreaNewTable, 0, "3階\r\n床\t1,234.500\tm^2\r\n\t-\t\r\n"},
      {RunMode::AreaPreviousTable, 0, "3階\r\n床\t1,234.500\tm^2\r\n\t-\t\r\n"},
      {RunMode::TableDesign, 0, "3階\r\n床\t1,234.500\tm^2\r\n\t-\t\r\n"},
      {RunMode::AreaNewTable, 1, "項目名\t床\t\r\n単　位\tm^2\t\r\n3階\t1,234.500\t-\r\n"},
      {RunMode::AreaPreviousTable, 1, "3階\t1,234.500\t-\r\n"},
      {RunMode::TableDesign, 1, "3階\t1,234.500\t-\r\n"},
      {RunMode::AreaNewTable, 2, ""},
      {RunMode::AreaNewTable, -1, ""},
  };
  for (const Case& c : cases) {
    Copy t(c.mode, c.style);
    t.Rows();
    EXPECT_EQ(ClipboardText(TakeTableSnapshot(t.k), t.k.state), c.text) << static_cast<int>(c.mode) << " " << c.style;
  }
}

TEST(ClipboardText, NoGroups) {
  Copy card(RunMode::AreaNewTable, 0);
  EXPECT_EQ(ClipboardText(TakeTableSnapshot(card.k), card.k.state), "3階\r\n");
  Copy list(RunMode::AreaNewTable, 1);
  EXPECT_EQ(ClipboardText(TakeTableSnapshot(list.k), list.k.state), "項目名\r\n単　位\r\n3階\r\n");
  Copy previous(RunMode::AreaPreviousTable, 1);
  EXPECT_EQ(ClipboardText(TakeTableSnapshot(previous.k), previous.k.state), "3階\r\n");
}

TEST(ClipboardText, CopyAndOkSetsTheTextThenWrites) {
  Copy t(RunMode::AreaNewTable, 0);
  t.Rows();
  EXPECT_EQ(CopyAndOk(t.k), OkOutcome::Written);
  ASSERT_EQ(t.h.clipboard.sets.size(), 1u);
  EXPECT_EQ(t.h.clipboard.sets[0], "3階\r\n床\t1,234.500\tm^2\r\n\t-\t\r\n");
  EXPECT_EQ(t.h.files.files.count("/jww/ZTEMP.TXT"), 1u);
  EXPECT_EQ(t.h.host.calls, 1);
  EXPECT_TRUE(t.k.closed);
}

TEST(ExitCommand, ClosesWithoutWritingAnything) {
  Copy t(RunMode::AreaNewTable, 0);
  t.Rows();
  ExitCommand(t.k);
  EXPECT_TRUE(t.k.closed);
  EXPECT_EQ(t.h.files.writeCount, 0);
  EXPECT_TRUE(t.h.files.files.empty());
  EXPECT_TRUE(t.h.clipboard.sets.empty());
  EXPECT_EQ(t.h.host.calls, 0);
  EXPECT_TRUE(t.h.dialogs.messages.empty());
}

}  // namespace
}  // namespace kaveta

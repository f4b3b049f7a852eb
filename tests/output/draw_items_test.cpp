// The item list is the table: written, it gives the host's lines; the lines
// read back give the same items.
#include "output/draw_items.h"

#include <gtest/gtest.h>

#include "output/area_table.h"
#include "output/output_fixture.h"

namespace kaveta {
namespace {

using testing::Harness;
using testing::kRed;
using testing::SetPanel;
using testing::SetRow;
using testing::WorkedExampleRows;

TEST(DrawItems, ListWritesTheTableAndReadsBackFromIt) {
  for (const int alignment : {0, 1, 2}) {
    Harness h;
    Kaveta k = h.Make(RunMode::AreaNewTable);
    SetPanel(k);
    WorkedExampleRows(k);
    SetRow(k, 4, kRed, 16711935, "", "20.3", "坪");  // an empty name
    k.ui.Text2.text = "20.3,2,2,lya";                 // a swatch middle in double
    k.ui.chkGoukei.value = 1;
    k.ui.ckKeisen[1].value = alignment == 1 ? 0 : 1;
    k.itemAlignment = alignment;
    TableInputs in;
    std::string problem;
    ASSERT_TRUE(ReadTableInputs(k, in, problem)) << problem;
    const TableContent content = TableContentFromWindow(k);
    OutputText written;
    ComposeAreaTable(k, in, content, 0, written);
    OutputText fromList;
    WriteItems(AreaTableItems(k, in, content, 0), fromList);
    EXPECT_EQ(fromList.text(), written.text());
    OutputText again;
    WriteItems(ParseItems(written.text()), again);
    EXPECT_EQ(again.text(), written.text());
    EXPECT_NE(written.text().find("12.1499996185303"), std::string::npos);
  }
}

}  // namespace
}  // namespace kaveta

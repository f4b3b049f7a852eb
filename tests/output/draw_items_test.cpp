// The item list is the table: written, it gives the host's lines; the lines
// read back give the same items.
#include "output/draw_items.h"

#include <gtest/gtest.h>

#include <random>

#include "number/number_text.h"
#include "output/area_table.h"
#include "output/ok_command.h"
#include "output/output_fixture.h"
#include "text/lines.h"
#include "output/preview_scene.h"

namespace kaveta {
namespace {

// The host lines read back into items, to check that every item's line
// says what the item holds.
constexpr std::string_view kTitlePrefix = "ch 1 1 2 0\"";

// Whole-line number fields separated by single blanks; false when any is
// not a number. A field that single precision would write otherwise was
// written in double.
struct Fields {
  std::vector<double> values;
  std::uint8_t doubleMask = 0;
};

bool NumberFields(std::string_view text, Fields& out) {
  out = Fields{};
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t blank = std::min(text.find(' ', start), text.size());
    const std::string_view field = text.substr(start, blank - start);
    double v = 0;
    if (!ParseDouble(field, v)) return false;
    if (out.values.size() < 8 && SingleText(static_cast<float>(v)) != field)
      out.doubleMask = static_cast<std::uint8_t>(out.doubleMask | (1u << out.values.size()));
    out.values.push_back(v);
    start = blank + 1;
  }
  return true;
}

DrawItem FromNumbers(ItemKind kind, const Fields& numbers) {
  DrawItem item;
  item.kind = kind;
  for (std::size_t i = 0; i < numbers.values.size() && i < item.v.size(); ++i)
    item.v[i] = numbers.values[i];
  item.doubleMask = numbers.doubleMask;
  return item;
}

void WriteItems(const DrawList& items, OutputText& out) {
  for (const DrawItem& item : items) out.Item(ItemLine(item));
}

DrawList ParseItems(std::string_view text) {
  DrawList items;
  Fields numbers;
  for (std::string_view line : SplitLines(text)) {
    if (line.substr(0, kTitlePrefix.size()) == kTitlePrefix) {
      items.push_back(TitleItem(line.substr(kTitlePrefix.size())));
      continue;
    }
    if (line.substr(0, 5) == "lc10 " && NumberFields(line.substr(5), numbers) &&
        numbers.values.size() == 1) {
      items.push_back(ColourItem(static_cast<std::int32_t>(numbers.values[0])));
      continue;
    }
    if (line.substr(0, 3) == "sl " && NumberFields(line.substr(3), numbers) &&
        numbers.values.size() == 8) {
      items.push_back(FromNumbers(ItemKind::Solid, numbers));
      continue;
    }
    const std::size_t quote = line.find(" 1 0 \"");
    if (line.substr(0, 3) == "ch " && quote != std::string_view::npos &&
        NumberFields(line.substr(3, quote - 3), numbers) && numbers.values.size() == 2) {
      DrawItem item = FromNumbers(ItemKind::Text, numbers);
      item.text = line.substr(quote + 6);
      items.push_back(item);
      continue;
    }
    const std::size_t count = NumberFields(line, numbers) ? numbers.values.size() : 0;
    if (count == 2 || count == 4) {
      items.push_back(
          FromNumbers(count == 2 ? ItemKind::Displacement : ItemKind::Segment, numbers));
      continue;
    }
    items.push_back(LineItem(line));
  }
  return items;
}


using testing::Harness;
using testing::kGreen;
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
    ASSERT_TRUE(ReadTableInputs(TakeTableSnapshot(k), k.state, in, problem)) << problem;
    const TableSnapshot content = TakeTableSnapshot(k);
    OutputText written;
    ComposeAreaTable(content, k.state, in, 0, written);
    OutputText fromList;
    WriteItems(AreaTableItems(content, k.state, in, 0), fromList);
    EXPECT_EQ(fromList.text(), written.text());
    OutputText again;
    WriteItems(ParseItems(written.text()), again);
    EXPECT_EQ(again.text(), written.text());
    EXPECT_NE(written.text().find("12.1499996185303"), std::string::npos);
  }
}

// Equal numbers and texts; the precision marks may differ where a number
// reads the same in both (12 is 12 in single and double).
bool SameItem(const DrawItem& a, const DrawItem& b) {
  return a.kind == b.kind && a.text == b.text && a.colour == b.colour && a.v == b.v &&
         ItemLine(a) == ItemLine(b);
}

// Seeded window states: Japanese and empty names, each alignment, rule
// groups on and off, empty rows, the totals row and the breakdown's option.
TEST(DrawItems, RandomWindowStatesWriteAndReadBackAsTheList) {
  const char* const names[] = {"", "駐車場", "ABC", "緑地　面積", "ｶﾅ", "敷地面積(建築基準法)"};
  const char* const quantities[] = {"", "1.5", "12,345.678", "-", "0.000"};
  const char* const units[] = {"m^2", "㎡", "坪", ""};
  std::mt19937 random(20261208);
  for (int round = 0; round < 200; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    Harness h;
    Kaveta k = h.Make(round % 3 == 0 ? RunMode::TableDesign : RunMode::AreaNewTable);
    SetPanel(k);
    for (auto& box : k.ui.ckKeisen) box.value = static_cast<int>(random() % 2);
    k.itemAlignment = static_cast<int>(random() % 3);
    k.ui.chkGoukei.value = static_cast<int>(random() % 2);
    k.ui.Comboketa.text = std::to_string(static_cast<int>(random() % 6) - 1);
    k.ui.txtHyoumei.text = names[random() % std::size(names)];
    for (int r = 1; r <= kRows; ++r) {
      if (random() % 3 == 0) continue;  // an empty row
      SetRow(k, r, static_cast<std::int32_t>(random() % 0x1000000),
             static_cast<std::int32_t>(random() % 0x1000000), names[random() % std::size(names)],
             quantities[random() % std::size(quantities)], units[random() % std::size(units)]);
    }
    TableInputs in;
    std::string problem;
    ASSERT_TRUE(ReadTableInputs(TakeTableSnapshot(k), k.state, in, problem)) << problem;
    const TableSnapshot content = TakeTableSnapshot(k);
    OutputText written;
    ComposeAreaTable(content, k.state, in, 0, written);
    const DrawList items = AreaTableItems(content, k.state, in, 0);
    OutputText fromList;
    WriteItems(items, fromList);
    ASSERT_EQ(fromList.text(), written.text());
    const DrawList back = ParseItems(written.text());
    ASSERT_EQ(back.size(), items.size());
    for (std::size_t i = 0; i < items.size(); ++i)
      ASSERT_TRUE(SameItem(back[i], items[i])) << "item " << i << ": " << ItemLine(items[i]);
    // The preview shows every text the host gets, where it gets it.
    const PreviewScene scene = PreviewSceneOf(k);
    std::size_t texts = 0;
    for (const DrawItem& item : items) {
      if (item.kind != ItemKind::Text) continue;
      ASSERT_LT(texts + 1, scene.texts.size());
      const SceneText& t = scene.texts[texts++ + 1];  // after the title
      EXPECT_EQ(t.text, item.text);
      EXPECT_EQ(t.x, item.v[0]);
      EXPECT_EQ(t.y, item.v[1]);
    }
    EXPECT_EQ(scene.texts.size(), texts + 1);
  }
}

TEST(PreviewScene, ReadsTheItemsAsTheHostDraws) {
  Harness h;
  Kaveta k = h.Make(RunMode::AreaNewTable);
  SetPanel(k);
  WorkedExampleRows(k);
  k.state.penColourTable[1] = 0x112233;  // the frame's lc1
  k.state.penColourTable[7] = 0x445566;  // the rows' rules, lc7
  k.state.headerTextColour[3] = "7";
  const PreviewScene scene = PreviewSceneOf(k);
  ASSERT_TRUE(scene.problem.empty()) << scene.problem;
  // The frame: a displacement run from the table's corner, closed.
  ASSERT_GE(scene.lines.size(), 4u);
  const double W = scene.lines[1].x2, H = -scene.lines[0].y2;
  const double frame[4][4] = {{0, 0, 0, -H}, {0, -H, W, -H}, {W, -H, W, 0}, {W, 0, 0, 0}};
  for (int i = 0; i < 4; ++i) {
    const SceneLine& l = scene.lines[static_cast<std::size_t>(i)];
    EXPECT_EQ((std::array<double, 4>{l.x1, l.y1, l.x2, l.y2}),
              (std::array<double, 4>{frame[i][0], frame[i][1], frame[i][2], frame[i][3]}))
        << "side " << i;
    EXPECT_EQ(l.colour, 0x112233);
    EXPECT_EQ(l.lineType, 3);
  }
  EXPECT_EQ(scene.lines.back().colour, 0x445566);
  EXPECT_EQ(scene.lines.back().lineType, 5);
  // Swatches in their colours, right half first as written.
  ASSERT_EQ(scene.solids.size(), 4u);
  EXPECT_EQ(scene.solids[0].colour, kGreen);
  EXPECT_EQ(scene.solids[1].colour, kRed);
  EXPECT_EQ(scene.texts.front().text, "面積表");
  EXPECT_EQ(scene.texts.front().x, 1);
  EXPECT_EQ(scene.texts.front().y, 1);
  EXPECT_EQ(scene.textColour, 0x445566);
  EXPECT_EQ(scene.textHeight, 4);
  // Bounds: the table and the title's text above it.
  EXPECT_EQ(scene.minX, 0);
  EXPECT_EQ(scene.maxX, W);
  EXPECT_EQ(scene.minY, -H);
  EXPECT_EQ(scene.maxY, 1 + 4);

  k.ui.Text2.text = "x";  // a setting that does not read: the message, no table
  const PreviewScene none = PreviewSceneOf(k);
  EXPECT_FALSE(none.problem.empty());
  EXPECT_TRUE(none.Empty());
}

}  // namespace
}  // namespace kaveta

// A whole table run: the exchange input is read, the rows are edited through
// the window's handlers, and OK writes the table. The expected file was
// worked out by hand from the input and the edits (sizes, positions, texts).
#include <gtest/gtest.h>

#include <string>

#include "exchange/groups.h"
#include "exchange/host_settings.h"
#include "output/ok_command.h"
#include "platform/encoding.h"
#include "startup/read_input.h"
#include "ui/colour_rows.h"
#include "ui/editors.h"
#include "ui/options_panel.h"
#include "ui_fixture.h"

namespace kaveta::testing {
namespace {

// Text kind 3: width 4, height 4, spacing 1; layer group 0 at scale 100.
// Red: a 2 x 2 square (area 4). Green: two triangles, 0.5 and 0.617.
// Blue: a 1 x 1 square (area 1).
const char* const kInput =
    "hd\r\n"
    "hs 100 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\r\n"
    "hcw 2 3 4 5 6 7 8 9 10 11\r\n"
    "hch 2 3 4 5 6 7 8 9 10 11\r\n"
    "hcd 0 0 1 0 0 0 0 0 0 0\r\n"
    "hhp1ch\r\n"
    "ch 0 0 1 0 \"面積表\r\n"
    "lg0\r\n"
    "ly1\r\n"
    "cn3\r\n"
    "lc10 255\r\n"
    "sl 0 0 2000 0 2000 2000 0 2000\r\n"
    "lc10 65280\r\n"
    "sl 0 0 1000 0 0 1000\r\n"
    "sl 0 0 1234 0 0 1000\r\n"
    "lc10 16711680\r\n"
    "sl 0 0 1000 0 1000 1000 0 1000\r\n";

void TypeName(Kaveta& k, const std::string& name) {
  k.ui.Combo2.text = name;
  Combo2_Change(k);
}

TEST(EditsToOutput, EditedRowsReachTheTable) {
  Window w(RunMode::AreaNewTable);
  Kaveta& k = w.k;
  w.h.registry.texts[{kFolderKey, "ZFILE"}] = "/host";

  ASSERT_EQ(ReadIntoWindow(k, Utf8ToCp932(kInput)), ReadOutcome::Complete);
  AfterReading(k);
  ASSERT_EQ(k.ui.Text_sum[2].text, "1.117");
  ASSERT_EQ(k.ui.txtHyoumei.text, "面積表");

  // Names, row after row with Enter.
  txtname_Click(k, 1);
  TypeName(k, "居間");
  Combo2_KeyDown(k, kKeyEnter);
  TypeName(k, "LDK");
  Combo2_KeyDown(k, kKeyEnter);
  TypeName(k, "浴室・洗面");
  Combo2_LostFocus(k);

  // A unit of its own for row 3; its quantity stays as measured.
  Label5_Click(k, 3);
  k.ui.cbTani[0].text = "坪,3.3058";
  cbTani_Change(k);
  cbTani_LostFocus(k);

  // Two decimals.
  k.ui.Comboketa.text = "2";
  Comboketa_Click(k);

  // A colour for the empty row 4, and a name for it.
  btnChenge_Click(k);  // 追加
  w.h.dialogs.colourAnswers.push_back(65535);
  Lblpic_Click(k, 4);
  txtname_Click(k, 4);
  TypeName(k, "予備");
  Combo2_LostFocus(k);
  btnChenge_Click(k);  // 削除
  btnChenge_Click(k);  // 並替

  // Row 2 dragged onto row 1's right swatch: rows 1 and 2 change places.
  Lblpic_DragDrop(k, 17, 2, true);
  ASSERT_FALSE(k.ui.Comboketa.enabled);

  mnuMright_Click(k);
  for (int g = 0; g < 3; ++g) {
    k.ui.ckKeisen[g].value = 1;
    ckKeisen_Click(k, g);
  }
  k.ui.chkUTIWAKE[0].value = 1;  // areas of the solids
  k.ui.chkUTIWAKE[1].value = 1;  // numbers of the solids

  ASSERT_EQ(RunOkCommand(k), OkOutcome::Written);

  // w0 = 20 + 2*2 = 24, R = 4 + 2*2 = 8; names 10 bytes wide ("浴室・洗面"):
  // 4*10/2 + 1*9/2 + 4 = 28.5; quantities 4 characters: 8 + 1.5 + 4 = 13.5;
  // units 3 bytes ("m^2"): 6 + 1 + 4 = 11; W = 77; four rows: H = 32.
  const std::string expected =
      "#\r\n"
      // Numbers at the centres, then areas one text height (4 x scale 100)
      // lower, with the two decimals picked.
      "ch 1000 1000 1 0 \"(1)\r\n"
      "ch 333.333333333333 333.333333333333 1 0 \"(2)\r\n"
      "ch 411.333333333333 333.333333333333 1 0 \"(3)\r\n"
      "ch 500 500 1 0 \"(4)\r\n"
      "ch 1000 600 1 0 \"4.00\r\n"
      "ch 333.333333333333 -66.6666666666667 1 0 \"0.50\r\n"
      "ch 411.333333333333 -66.6666666666667 1 0 \"0.62\r\n"
      "ch 500 100 1 0 \"1.00\r\n"
      "bz\r\n"
      "lc5\r\nly9\r\nlt1\r\n"
      "r1\r\n0 -32\r\n77 0\r\n0 32\r\n-77 0\r\nr0\r\n"
      "lc2\r\nly9\r\nlt1\r\n"
      "24 0 24 -32\r\n52.5 0 52.5 -32\r\n66 0 66 -32\r\n"
      "lc2\r\nly9\r\nlt1\r\n"
      "0 -8 77 -8\r\n0 -16 77 -16\r\n0 -24 77 -24\r\n"
      "cn3\r\n"
      "ch 1 1 2 0\"面積表\r\n"
      // Row 1: the green group moved up, name right-aligned in 10 bytes.
      "ly9\r\n"
      "ch 26 -6 1 0 \"       LDK\r\n"
      "ch 54.5 -6 1 0 \"1.12\r\n"
      "ch 68 -6 1 0 \"m^2\r\n"
      "lya\r\n"
      "lc10 65280\r\n"
      "sl 12 -6 12 -2 22 -2 22 -6\r\n"
      "lc10 65280\r\n"
      "sl 2 -6 2 -2 12 -2 12 -6\r\n"
      // Row 2: the red group.
      "ly9\r\n"
      "ch 26 -14 1 0 \"      居間\r\n"
      "ch 54.5 -14 1 0 \"4.00\r\n"
      "ch 68 -14 1 0 \"m^2\r\n"
      "lya\r\n"
      "lc10 255\r\n"
      "sl 12 -14 12 -10 22 -10 22 -14\r\n"
      "lc10 255\r\n"
      "sl 2 -14 2 -10 12 -10 12 -14\r\n"
      // Row 3: blue, with its own unit caption.
      "ly9\r\n"
      "ch 26 -22 1 0 \"浴室・洗面\r\n"
      "ch 54.5 -22 1 0 \"1.00\r\n"
      "ch 68 -22 1 0 \"坪\r\n"
      "lya\r\n"
      "lc10 16711680\r\n"
      "sl 12 -22 12 -18 22 -18 22 -22\r\n"
      "lc10 16711680\r\n"
      "sl 2 -22 2 -18 12 -18 12 -22\r\n"
      // Row 4: added yellow, no quantity and no unit.
      "ly9\r\n"
      "ch 26 -30 1 0 \"      予備\r\n"
      "ch 54.5 -30 1 0 \"    \r\n"
      "ch 68 -30 1 0 \"\r\n"
      "lya\r\n"
      "lc10 65535\r\n"
      "sl 12 -30 12 -26 22 -26 22 -30\r\n"
      "lc10 65535\r\n"
      "sl 2 -30 2 -26 12 -26 12 -30\r\n"
      "h# 4色 4個のソリッド図形の面積を測定・作表しました。 \r\n";
  EXPECT_EQ(w.h.GetText("/host/ZTEMP.TXT"), expected);
  EXPECT_TRUE(w.h.dialogs.messages.empty());
  EXPECT_EQ(w.h.host.calls, 1);
  EXPECT_TRUE(k.closed);
}

}  // namespace
}  // namespace kaveta::testing

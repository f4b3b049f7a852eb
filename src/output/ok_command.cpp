#include "output/ok_command.h"

#include <memory>
#include <optional>

#include "exchange/host_settings.h"
#include "output/area_table.h"
#include "output/clipboard_text.h"
#include "output/mode_outputs.h"
#include "output/output_writer.h"
#include "settings/catalogue.h"
#include "settings/settings_file.h"
#include "ui/row_quantity.h"
#include "ui/rows.h"
#include "ui/totals.h"

namespace kaveta {
namespace {

// The regrouping outputs begin with "hd", which makes the host delete the
// selection; without the figures read back they would be lost.
constexpr const char* kNotReadMessage =
    "TEMP.TXTを読み込んでいないため、図形を書き出しません。\r\n"
    "選択した図形が消えないよう、jwwの外部変形からもう一度起動してください。";

std::string NotWrittenMessage(const std::string& path) {
  return "出力ファイル「" + path + "」を作成できませんでした。\r\n" +
         "フォルダがあるか、書き込みできるかを確かめてください。";
}

// The host reads JWC_TEMP.TXT after the tool ends, and its "hd" would
// replace the selection with an earlier run's figures: when this run writes
// none, no old file may stay behind.
void DropStaleRegroupOutput(Kaveta& k) {
  k.env.files->Remove(k.env.InProgramFolder("JWC_TEMP.TXT"));
}

// An empty ZFILE names no folder: joined, it would be the root of the drive.
bool NoHostFolder(const Kaveta& k) {
  return !IsRegroupMode(k.runMode) && ReadZFile(*k.env.registry).empty();
}

void ClosingMessage(int rows, std::int64_t solids, OutputText& out) {
  out.Item("h# " + std::to_string(rows) + "色 " + std::to_string(solids) +
           "個のソリッド図形の面積を測定・作表しました。 ");
}

void ApplyCaptions(Kaveta& k, const LayerNamingChanges& changes) {
  for (std::size_t r = 1; r <= kRows; ++r) k.ui.txtname[r].text = changes.captions[r];
}

// What the chosen mode writes; the renamed rows of the layer-naming modes.
std::optional<LayerNamingChanges> Compose(const TableSnapshot& t, const RunState& s,
                                          const std::optional<TableInputs>& table,
                                          std::int64_t solidCount, OutputText& out) {
  std::optional<LayerNamingChanges> renamed;
  switch (t.mode) {
    case RunMode::ColourChange: ColourChange(t, s, out); break;
    case RunMode::LayerSort: LayerSort(t, s, out); break;
    case RunMode::OverlapOrder: OverlapOrder(t, s, out); break;
    case RunMode::LayerNaming: renamed = LayerNaming(t, out); break;
    case RunMode::LayerNamingExternal: {
      renamed = LayerNamingExternal(t, out);
      ComposeAreaTable(RenamedTable(t, *renamed, s.backgroundColour), s, *table, solidCount, out);
      ClosingMessage(kRows, solidCount, out);
      break;
    }
    default: {
      ComposeAreaTable(t, s, *table, solidCount, out);
      ClosingMessage(t.RowsInUse(), solidCount, out);
      break;
    }
  }
  return renamed;
}

// Writes the output in pieces to a temporary file that replaces the old
// one only when all of it is there.
bool WriteOutput(const Kaveta& k, const TableSnapshot& t, const std::string& path,
                 const std::optional<TableInputs>& table, std::int64_t solidCount,
                 std::optional<LayerNamingChanges>& renamed) {
  const std::unique_ptr<FileWriter> file = k.env.files->BeginReplace(path);
  if (!file) return false;
  OutputText out(*file);
  renamed = Compose(t, k.state, table, solidCount, out);
  return out.Finish() && file->Commit();
}

}  // namespace

TableSnapshot TakeTableSnapshot(const Kaveta& k) {
  const WindowModel& w = k.ui;
  TableSnapshot t;
  t.mode = k.runMode;
  for (int i = 1; i <= kRows; ++i) {
    const std::size_t r = static_cast<std::size_t>(i);
    RowPicture& row = t.rows[r];
    row.inUse = RowInUse(k, i);
    row.leftColour = w.Lblpic[r].backColour;
    row.rightColour = w.Lblpic[r + kRows].backColour;
    row.caption = w.Lblpic[r].text;
    row.name = w.txtname[r].text;
    row.quantity = w.Text_sum[r].text;
    row.unit = w.Label5[r].text;
    row.role = RowRole(k, i);
  }
  t.title = w.txtHyoumei.text;
  t.digits = DigitsOf(k);
  t.rounding = RoundingModeOf(k);
  t.itemAlignment = k.itemAlignment;
  t.tableStyle = k.tableStyle;
  for (std::size_t g = 0; g < t.rules.size(); ++g) {
    const RuleCombos& c = kRuleCombos[g];
    t.rules[g] = {w.ckKeisen[g].value == 1, w.Combo1[c.lineType].text, w.Combo1[c.colour].text,
                  w.Combo1[c.layer].text};
  }
  t.textKindBox = w.Combo1[kTextKindCombo].text;
  t.textLayer = w.Combo1[kTextLayerCombo].text;
  t.solidSettings = w.Text2.text;
  t.numberLabels = w.chkUTIWAKE[1].value == 1;
  t.areaLabels = w.chkUTIWAKE[0].value == 1;
  t.totalsTicked = w.chkGoukei.value == 1;
  t.breakdown = BreakdownWanted(k);
  if (TotalsRowWanted(k)) t.total = TotalOfRows(k);
  t.summary = {w.chkGaiyou.value == 1, w.txtKenpei.text, w.txtYouseki.text,
               RoundingModeFromCode(k.ratioRounding)};
  return t;
}

// Settings are checked before anything is written, and the window and run
// state change only once the file is in place, so a refused write leaves
// everything as it was and OK can simply be pressed again.
OkOutcome RunOkCommand(Kaveta& k) {
  const std::int64_t solidCount = k.state.nextSolid > 1 ? k.state.nextSolid - 1 : 0;
  const RunMode mode = k.runMode;

  if (IsRegroupMode(mode) && !k.state.exchangeRead) {
    DropStaleRegroupOutput(k);
    k.Message(kNotReadMessage, MsgIcon::Exclamation);
    return OkOutcome::NotWritten;
  }
  const TableSnapshot snapshot = TakeTableSnapshot(k);
  std::optional<TableInputs> table;
  if (IsTableMode(mode) || mode == RunMode::LayerNamingExternal) {
    TableInputs in;
    std::string problem;
    if (!ReadTableInputs(snapshot, k.state, in, problem)) {
      k.Message(problem, MsgIcon::Exclamation);
      return OkOutcome::NotWritten;
    }
    table = in;
  }

  const std::string path = ExchangeOutputPath(k.env, mode);
  std::optional<LayerNamingChanges> renamed;
  if (NoHostFolder(k) || !WriteOutput(k, snapshot, path, table, solidCount, renamed)) {
    if (IsRegroupMode(mode)) DropStaleRegroupOutput(k);
    k.Message(NotWrittenMessage(path), MsgIcon::Critical);
    return OkOutcome::NotWritten;
  }

  if (table && !snapshot.textKindBox.empty()) k.state.currentTextKind = table->textKindText;
  if (renamed) {
    ApplyCaptions(k, *renamed);
    if (mode == RunMode::LayerNamingExternal) k.ui.txtHyoumei.text = renamed->title;
  }
  if (IsTableMode(mode) || mode == RunMode::LayerNamingExternal) {
    SaveSettingsAndRows(k);
  }
  if (!IsRegroupMode(mode)) k.env.host->Zkakikomi();
  k.closed = true;
  return OkOutcome::Written;
}

bool TablePreviewItems(const Kaveta& k, DrawList& items, std::string& problem) {
  items.clear();
  problem.clear();
  const bool external = k.runMode == RunMode::LayerNamingExternal;
  if (!IsTableMode(k.runMode) && !external) return false;
  const TableSnapshot snapshot = TakeTableSnapshot(k);
  TableInputs in;
  if (!ReadTableInputs(snapshot, k.state, in, problem)) return false;
  if (external) {
    OutputText scratch;  // the layer lines are not part of the table
    const LayerNamingChanges renamed = LayerNamingExternal(snapshot, scratch);
    items = AreaTableItems(RenamedTable(snapshot, renamed, k.state.backgroundColour), k.state, in, 0);
    return true;
  }
  items = AreaTableItems(snapshot, k.state, in, 0);
  return true;
}

PreviewScene PreviewSceneOf(const Kaveta& k) {
  DrawList items;
  std::string problem;
  TableInputs in;
  if (!TablePreviewItems(k, items, problem) ||
      !ReadTableInputs(TakeTableSnapshot(k), k.state, in, problem)) {
    PreviewScene none;
    none.problem = problem;
    return none;
  }
  return SceneOfItems(k.state, in, items);
}

OkOutcome CopyAndOk(Kaveta& k) {
  k.env.clipboard->SetText(ClipboardText(TakeTableSnapshot(k), k.state));
  return RunOkCommand(k);
}

void ExitCommand(Kaveta& k) { k.closed = true; }

}  // namespace kaveta

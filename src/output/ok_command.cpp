#include "output/ok_command.h"

#include <memory>
#include <optional>

#include "exchange/host_settings.h"
#include "output/area_table.h"
#include "output/mode_outputs.h"
#include "output/output_writer.h"
#include "settings/catalogue.h"
#include "settings/settings_file.h"

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

}  // namespace

int CountRowsInUse(const Kaveta& k) {
  int n = 0;
  for (std::size_t i = 1; i <= kRows; ++i)
    if (!k.ui.txtname[i].text.empty() || k.ui.Lblpic[i].backColour != k.state.backgroundColour) ++n;
  return n;
}

namespace {

// What the chosen mode writes; the renamed rows of the layer-naming modes.
std::optional<LayerNamingChanges> Compose(const Kaveta& k, const std::optional<TableInputs>& table,
                                          std::int64_t solidCount, OutputText& out) {
  std::optional<LayerNamingChanges> renamed;
  switch (k.runMode) {
    case RunMode::ColourChange: ColourChange(k, out); break;
    case RunMode::LayerSort: LayerSort(k, out); break;
    case RunMode::OverlapOrder: OverlapOrder(k, out); break;
    case RunMode::LayerNaming: renamed = LayerNaming(k, out); break;
    case RunMode::LayerNamingExternal: {
      renamed = LayerNamingExternal(k, out);
      TableContent content;
      content.names = renamed->captions;
      content.title = renamed->title;
      ComposeAreaTable(k, *table, content, solidCount, out);
      ClosingMessage(kRows, solidCount, out);
      break;
    }
    default: {
      const TableContent content = TableContentFromWindow(k);
      ComposeAreaTable(k, *table, content, solidCount, out);
      ClosingMessage(TableRowsInUse(k, content), solidCount, out);
      break;
    }
  }
  return renamed;
}

// Writes the output in pieces to a temporary file that replaces the old
// one only when all of it is there.
bool WriteOutput(const Kaveta& k, const std::string& path, const std::optional<TableInputs>& table,
                 std::int64_t solidCount, std::optional<LayerNamingChanges>& renamed) {
  const std::unique_ptr<FileWriter> file = k.env.files->BeginReplace(path);
  if (!file) return false;
  OutputText out(*file);
  renamed = Compose(k, table, solidCount, out);
  return out.Finish() && file->Commit();
}

}  // namespace

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
  std::optional<TableInputs> table;
  if (IsTableMode(mode) || mode == RunMode::LayerNamingExternal) {
    TableInputs in;
    std::string problem;
    if (!ReadTableInputs(k, in, problem)) {
      k.Message(problem, MsgIcon::Exclamation);
      return OkOutcome::NotWritten;
    }
    table = in;
  }

  const std::string path = ExchangeOutputPath(k);
  std::optional<LayerNamingChanges> renamed;
  if (NoHostFolder(k) || !WriteOutput(k, path, table, solidCount, renamed)) {
    if (IsRegroupMode(mode)) DropStaleRegroupOutput(k);
    k.Message(NotWrittenMessage(path), MsgIcon::Critical);
    return OkOutcome::NotWritten;
  }

  if (table && !k.ui.Combo1[3].text.empty()) k.state.currentTextKind = table->textKindText;
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
  TableInputs in;
  if (!ReadTableInputs(k, in, problem)) return false;
  TableContent content = TableContentFromWindow(k);
  if (external) {
    OutputText scratch;  // the layer lines are not part of the table
    const LayerNamingChanges renamed = LayerNamingExternal(k, scratch);
    content.names = renamed.captions;
    content.title = renamed.title;
  }
  items = AreaTableItems(k, in, content, 0);
  return true;
}

}  // namespace kaveta

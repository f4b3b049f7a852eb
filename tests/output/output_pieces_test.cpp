// The exchange output of a large selection goes to its file in pieces
// instead of one more copy of everything; the file must be the same bytes
// the whole text would give, and a write that fails part-way must leave
// nothing half-written.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "startup/read_input.h"
#include "output/mode_outputs.h"
#include "output/ok_command.h"
#include "output/output_fixture.h"
#include "output/output_writer.h"
#include "platform/encoding.h"
#include "platform/system.h"

namespace kaveta {
namespace {

using testing::Harness;
using testing::kJwcTemp;
using testing::kZTemp;

// Enough figures for many pieces, with Japanese texts (two bytes in
// Shift_JIS, three in UTF-8) scattered so that some straddle a piece end.
std::string LargeSelection() {
  std::string text = "hq\r\nhcw 4 4 4 4\r\nhch 4 4 4 4\r\nhcd 1 1 1 1\r\n";
  for (int i = 0; i < 30000; ++i) {
    if (i % 1000 == 0) text += "lc10 " + std::to_string(i / 1000 % 5 * 4099 + 1) + "\r\n";
    if (i % 97 == 0) text += "ch 10 20 1 0 \"洋室ｱ" + std::to_string(i) + "\r\n";
    text += "sl " + std::to_string(i) + " 0 100 0 100 100 0 100\r\n";
    if (i % 5 == 0) text += "sc " + std::to_string(i) + " 5 50 0 360 1 0\r\n";
    if (i % 7 == 0) text += "sl " + std::to_string(i) + " 0 9 9\r\n";
  }
  return Utf8ToCp932(text);
}

struct Selected {
  Harness h;
  Kaveta k;
  explicit Selected(RunMode mode, const std::string& selection) : k(h.Make(mode)) {
    testing::PointZFileAt(h);
    testing::SetPanel(k);
    ReadIntoWindow(k, selection);
  }
};

TEST(OutputPieces, LargeOutputComesInPiecesWithTheBytesOfTheWholeText) {
  const std::string selection = LargeSelection();
  for (RunMode mode :
       {RunMode::ColourChange, RunMode::LayerSort, RunMode::OverlapOrder, RunMode::AreaNewTable}) {
    SCOPED_TRACE(static_cast<int>(mode));
    Selected streamed(mode, selection);
    const std::string path = IsRegroupMode(mode) ? kJwcTemp : kZTemp;
    ASSERT_EQ(RunOkCommand(streamed.k), OkOutcome::Written);

    // The same output composed whole in memory.
    Selected whole(mode, selection);
    OutputText out;
    if (mode == RunMode::ColourChange) ColourChange(TakeTableSnapshot(whole.k), whole.k.state, out);
    if (mode == RunMode::LayerSort) LayerSort(TakeTableSnapshot(whole.k), whole.k.state, out);
    if (mode == RunMode::OverlapOrder) OverlapOrder(TakeTableSnapshot(whole.k), whole.k.state, out);
    if (IsRegroupMode(mode)) {
      EXPECT_EQ(streamed.h.files.files.at(path), Utf8ToCp932(out.text()));
      EXPECT_GT(streamed.h.files.pieces, 3);
    }
    EXPECT_LE(streamed.h.files.largestPiece, OutputText::kPiece);
    EXPECT_EQ(streamed.h.files.writeCount, IsRegroupMode(mode) ? 1 : 3);  // + the two saves
  }
}

TEST(OutputPieces, PiecesEndOnCharacterBoundaries) {
  // One item longer than a piece, all three-byte characters: any cut inside
  // a character would turn it into "?".
  std::string item;
  while (item.size() < 2 * OutputText::kPiece + 7) item += "面";
  Harness h;
  const std::unique_ptr<FileWriter> file = h.files.BeginReplace("/app/x.TXT");
  OutputText out(*file);
  out.Item("a");
  out.Item(item);
  out.Item("ｱ");
  ASSERT_TRUE(out.Finish());
  ASSERT_TRUE(file->Commit());
  EXPECT_EQ(h.files.files.at("/app/x.TXT"), Utf8ToCp932("a\r\n" + item + "\r\nｱ\r\n"));
  EXPECT_GE(h.files.pieces, 3);
}

// A disk that fills up part-way: the old file stays (table modes) or the
// stale one is removed (regrouping), the window is unchanged, OK can be
// pressed again.
TEST(OutputPieces, FailurePartWayLeavesNothingHalfWritten) {
  const std::string selection = LargeSelection();
  for (RunMode mode : {RunMode::ColourChange, RunMode::AreaNewTable}) {
    SCOPED_TRACE(static_cast<int>(mode));
    Selected run(mode, selection);
    const std::string path = IsRegroupMode(mode) ? kJwcTemp : kZTemp;
    run.h.files.files[path] = "old";
    // Part-way through the figures; the table is one small piece.
    run.h.files.diskFullAfter = IsRegroupMode(mode) ? 100000 : 100;
    const std::string caption = run.k.ui.txtname[1].text;
    EXPECT_EQ(RunOkCommand(run.k), OkOutcome::NotWritten);
    EXPECT_EQ(run.h.files.writeCount, 0);
    EXPECT_EQ(run.h.files.files.count(path), IsRegroupMode(mode) ? 0u : 1u);
    if (!IsRegroupMode(mode)) {
      EXPECT_EQ(run.h.files.files.at(path), "old");
    }
    EXPECT_FALSE(run.h.files.files.count("/app/Kaveta.INI"));
    EXPECT_FALSE(run.k.closed);
    EXPECT_EQ(run.k.ui.txtname[1].text, caption);
    ASSERT_EQ(run.h.dialogs.messages.size(), 1u);

    run.h.files.diskFullAfter.reset();
    EXPECT_EQ(RunOkCommand(run.k), OkOutcome::Written);
    EXPECT_NE(run.h.files.files.at(path), "old");
  }
}

// The system's own file seam: pieces land only on Commit; a writer dropped
// before it leaves the old file and no temporary file.
TEST(OutputPieces, SystemFileWriterReplacesOnlyOnCommit) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / "kaveta-output-pieces-test";
  fs::remove_all(folder);
  fs::create_directories(folder);
  const std::string path = (folder / "OUT.TXT").string();
  const std::unique_ptr<FileSystem> files = MakeSystemFileSystem();
  ASSERT_TRUE(files->WriteReplace(path, "old"));
  {
    std::unique_ptr<FileWriter> dropped = files->BeginReplace(path);
    ASSERT_TRUE(dropped);
    EXPECT_TRUE(dropped->Write("new, never committed"));
  }
  EXPECT_EQ(files->Read(path), std::optional<std::string>("old"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

  std::unique_ptr<FileWriter> file = files->BeginReplace(path);
  ASSERT_TRUE(file);
  EXPECT_TRUE(file->Write("one "));
  EXPECT_TRUE(file->Write(""));
  EXPECT_TRUE(file->Write("two"));
  EXPECT_EQ(files->Read(path), std::optional<std::string>("old"));
  EXPECT_TRUE(file->Commit());
  EXPECT_EQ(files->Read(path), std::optional<std::string>("one two"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

  EXPECT_FALSE(files->BeginReplace((folder / "missing" / "OUT.TXT").string()));
  fs::remove_all(folder);
}

}  // namespace
}  // namespace kaveta

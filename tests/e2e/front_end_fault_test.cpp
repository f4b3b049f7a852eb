// The console front end when memory runs out: the message, status 1, and
// no file written or replaced, wherever in the run it happens.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/common/console_front_end.h"
#include "support/fakes.h"

namespace kaveta {
namespace {

TEST(ConsoleFrontEnd, OutOfMemoryIsAMessageAndNothingIsWritten) {
  // Each file the run reads, in the order the run reads it.
  for (const char* where : {"/app/kaveta.lst", "/app/Kaveta.INI", "/app/TEMP.TXT",
                            "/app/koumoku.INI"}) {
    testing::FakeFileSystem files;
    testing::FakeRegistry registry;
    registry.texts[{"Software\\Jw_cad\\jw_win\\Folder", "ZFILE"}] = "/jww";
    files.files["/app/TEMP.TXT"] = "hq\r\nlc1\r\nsl 0 0 10 0 10 10 0 10\r\n";
    files.files["/app/Kaveta.INI"] = "[kihon]\r\nKeta=2\r\n";
    files.files["/app/koumoku.INI"] = "[koumokusuu]\r\nkoumokusuu=0\r\n";
    const auto before = files.files;
    files.outOfMemory.insert(where);
    std::vector<std::string> lines;
    const int status = RunConsoleFrontEnd("C1", "/app", '/', files, registry,
                                          [&](const std::string& l) { lines.push_back(l); });
    EXPECT_EQ(status, 1) << where;
    ASSERT_FALSE(lines.empty()) << where;
    EXPECT_EQ(lines.back(), "KAVETA: メモリが足りないため、処理を中止しました。") << where;
    EXPECT_EQ(files.files, before) << where;
    EXPECT_EQ(files.writeCount, 0) << where;
  }
}

}  // namespace
}  // namespace kaveta

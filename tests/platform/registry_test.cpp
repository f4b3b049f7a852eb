#include <gtest/gtest.h>

#include <cstdlib>

#include "exchange/host_settings.h"
#include "platform/encoding.h"
#include "platform/ini_registry.h"
#include "support/fakes.h"

#ifdef _WIN32
#include "platform/win32/registry_win32.h"
#endif

namespace kaveta {
namespace {

using testing::FakeFileSystem;

constexpr const char* kIni =
    "[Software\\Jw_cad\\jw_win\\Pen]\r\n"
    "Color00=0\r\n"
    "Color03=C000\r\n"
    "Color04=zz\r\n"
    "[Software\\Jw_cad\\jw_win\\Draw]\r\n"
    "Reverse=1\r\n"
    "[Software\\Jw_cad\\jw_win\\Folder]\r\n"
    "ZFILE=D:\\作業\\\r\n";

TEST(IniRegistry, ValuesAndDefaults) {
  FakeFileSystem files;
  files.files["/app/registry.ini"] = Utf8ToCp932(kIni);
  IniRegistry registry(files, "/app/registry.ini");
  EXPECT_EQ(ReadPenColour(registry, 0), 0);
  EXPECT_EQ(ReadPenColour(registry, 3), 0xC000);
  EXPECT_EQ(ReadPenColour(registry, 4), 0);  // not hexadecimal
  EXPECT_EQ(ReadPenColour(registry, 5), 0);  // missing
  EXPECT_EQ(ReadReverse(registry), 1);
  // Returned exactly as stored: no separator added or removed.
  EXPECT_EQ(ReadZFile(registry), "D:\\作業\\");
}

TEST(IniRegistry, MissingFileOrSectionGivesTheRegistryDefaults) {
  FakeFileSystem files;
  IniRegistry none(files, "/app/registry.ini");
  EXPECT_EQ(ReadPenColour(none, 0), 16777215);
  EXPECT_EQ(ReadPenColour(none, 1), 0);
  EXPECT_EQ(ReadReverse(none), 0);
  EXPECT_EQ(ReadZFile(none), "c:\\jww");
  files.files["/app/registry.ini"] = "[Other]\r\nReverse=5\r\n";
  IniRegistry other(files, "/app/registry.ini");
  EXPECT_EQ(ReadReverse(other), 0);
  files.files["/app/registry.ini"] = "[Software\\Jw_cad\\jw_win\\Draw]\r\nReverse=x\r\n";
  EXPECT_EQ(ReadReverse(other), 0);
}

TEST(HostSettings, PenColourTexts) {
  const struct {
    const char* text;
    std::int32_t colour;
  } cases[] = {{"0", 0},         {"FFFFFF", 16777215}, {"ff", 255}, {"FFFFFFFF", -1},
               {"123456789", 0}, {" 12", 0},           {"-1", 0}};
  for (const auto& c : cases) {
    testing::FakeRegistry registry;
    registry.texts[{kPenKey, "Color01"}] = c.text;
    EXPECT_EQ(ReadPenColour(registry, 1), c.colour) << c.text;
  }
}

#ifdef _WIN32
// Values written by "wine reg add" before the test program runs
// (scripts/wine-tests.sh).
class Win32RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("KAVETA_WINE_REGISTRY")) GTEST_SKIP() << "registry fixture not written";
  }
  Win32Registry registry;
};

TEST_F(Win32RegistryTest, ReadsTextAndNumberValues) {
  EXPECT_EQ(registry.QueryText("Software\\KavetaTest\\Pen", "Color05", "dflt"), "FF00FF");
  EXPECT_EQ(registry.QueryNumber("Software\\KavetaTest\\Draw", "Reverse", 0), 1);
  EXPECT_EQ(registry.QueryText("Software\\KavetaTest\\Folder", "ZFILE", ""), "C:\\jww\\data");
}

TEST_F(Win32RegistryTest, MissingKeyOrValueGivesTheDefault) {
  EXPECT_EQ(registry.QueryText("Software\\KavetaTest\\Nope", "Color00", "dflt"), "dflt");
  EXPECT_EQ(registry.QueryText("Software\\KavetaTest\\Pen", "Color09", "dflt"), "dflt");
  EXPECT_EQ(registry.QueryNumber("Software\\KavetaTest\\Nope", "Reverse", 7), 7);
  EXPECT_EQ(registry.QueryNumber("Software\\KavetaTest\\Draw", "Missing", -3), -3);
}

// The stored kind is ignored: a REG_DWORD read as text gives its bytes up
// to the first NUL ("AB" for 0x00004241).
TEST_F(Win32RegistryTest, NumberKindReadAsText) {
  EXPECT_EQ(registry.QueryText("Software\\KavetaTest\\Draw", "AsNumber", "dflt"), "AB");
}
#endif

}  // namespace
}  // namespace kaveta

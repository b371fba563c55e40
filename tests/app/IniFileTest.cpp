#include "app/IniFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "ground/Error.h"
#include "support/TempDir.h"

using kunimor::app::TIniFile;

namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(IniFile, ReadsUtf8AndWindows1251AsUtf8) {
    const TIniFile utf8 = TIniFile::Parse("\xEF\xBB\xBF[Main]\r\nLoadDir = /тексты/ \r\n");
    EXPECT_EQ(utf8.ReadString("main", "loaddir", {}), "/тексты/");
    const TIniFile cp1251 = TIniFile::Parse("[Main]\nLoadDir=/\xF2\xE5\xEA\xF1\xF2\xFB/\n");
    EXPECT_EQ(cp1251.ReadString("Main", "LoadDir", {}), "/тексты/");
}

TEST(IniFile, NumbersOutsideTheirRangeOrMalformedGiveTheFallback) {
    const TIniFile ini = TIniFile::Parse("[s]\nok=42\nbig=99999999999\nlow=-5\ntext=12px\nempty=\nyes=7\nno=0\n");
    const struct {
        const char* key;
        int expected;
    } cases[] = {{"ok", 42}, {"big", 3}, {"low", 3}, {"text", 3}, {"empty", 3}, {"missing", 3}};
    for (const auto& c : cases) EXPECT_EQ(ini.ReadInteger("s", c.key, 3, 0, 100), c.expected) << c.key;
    EXPECT_TRUE(ini.ReadBool("s", "yes", false));
    EXPECT_FALSE(ini.ReadBool("s", "no", true));
    EXPECT_TRUE(ini.ReadBool("s", "text", true));
}

TEST(IniFile, SavesWholeOrNotAtAll) {
    TempDir dir;
    const std::filesystem::path file = dir.Path() / "kunimor.ini";
    TIniFile ini;
    ini.WriteString("Main", "LoadDir", "/тексты\nвторая строка");
    ini.WriteBool("Main", "QuitConfirm", false);
    ini.Save(file);
    EXPECT_EQ(ReadFile(file), "[Main]\nLoadDir=/тексты вторая строка\nQuitConfirm=0\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1) << "a temporary file was left";

    EXPECT_THROW(ini.Save(dir.Path() / "missing" / "kunimor.ini"), kunimor::Error);
    EXPECT_EQ(TIniFile::Load(file).ReadString("Main", "LoadDir", {}), "/тексты вторая строка");
}

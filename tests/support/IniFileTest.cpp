// Settings files: tolerant reading, CR LF writing that keeps what it does not know.
#include <gtest/gtest.h>

#include "support/Errors.h"
#include "support/IniFile.h"
#include "support/TempFolder.h"

namespace vok::test {
namespace {

TEST(IniFileTest, ReadsKeysWhateverTheLineEndsAndCase) {
    const IniDocument ini("junk line\n[Main Form]\r\n  Key1 = C:\\a b.bmp  \rkey2=\n;x=1\n[Other]\nkey1=no");
    EXPECT_EQ(ini.Value("main form", "KEY1"), "C:\\a b.bmp");
    EXPECT_EQ(ini.Value("Main Form", "key2"), "");
    EXPECT_EQ(ini.Value("Main Form", ";x"), std::nullopt);
    EXPECT_EQ(ini.Value("Main Form", "missing"), std::nullopt);
    EXPECT_EQ(ini.Value("Nowhere", "key1"), std::nullopt);
    EXPECT_EQ(ini.Value("Other", "key1"), "no");
}

TEST(IniFileTest, GarbageBinaryAndHugeValuesReadWithoutHarm) {
    std::string text = "[Main Form]";  // no line end at all
    EXPECT_EQ(IniDocument(text).Value("Main Form", "a"), std::nullopt);
    text += "\r\na=" + std::string(1 << 20, 'x') + "\r\n" + std::string("\0\xff[\x01=\x02\n", 7) + "b=2";
    const IniDocument ini(text);
    EXPECT_EQ(ini.Value("Main Form", "a")->size(), std::size_t(1) << 20);
    EXPECT_EQ(ini.Value("Main Form", "b"), "2");
}

TEST(IniFileTest, WritingReplacesOrAddsKeysAndKeepsTheRest) {
    TempFolder folder;
    const std::string name = folder / "voktool.ini";
    WriteBytes(name, "; kept\n[Main Form]\nA=1\nUnknown=keep\n\n[VokList Form]\nX=1\n");
    const IniFile ini(name);
    ini.WriteString("main form", "a", "two\r\nbroken=line");
    ini.WriteString("Main Form", "B", "");
    ini.WriteString("New", "K", "v");
    EXPECT_EQ(ReadBytes(name),
              "; kept\r\n[Main Form]\r\na=two\r\nUnknown=keep\r\nB=\r\n\r\n[VokList Form]\r\nX=1\r\n[New]\r\nK=v\r\n");
    EXPECT_EQ(ini.ReadString("Main Form", "A"), "two");
    EXPECT_EQ(IniFile(folder / "missing.ini").Read("Main Form", "A"), std::nullopt);
}

TEST(IniFileTest, AFileThatCannotBeWrittenSaysSo) {
    TempFolder folder;
    const std::string name = folder / "file/voktool.ini";  // "file" is not a folder
    WriteBytes(folder / "file", "x");
    try {
        IniFile(name).WriteString("Main Form", "A", "1");
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + name);
    }
}

}  // namespace
}  // namespace vok::test

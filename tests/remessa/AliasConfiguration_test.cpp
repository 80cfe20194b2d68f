#include "remessa/AliasConfiguration.h"
#include "remessa/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace brovik::data;

TEST(IniFile, SectionsAndKeysInAnyCase) {
    const IniFile ini = IniFile::parse("[path]\nmv=srv:/db/mv.fdb\n[Other]\nMV=wrong\n");
    EXPECT_EQ(ini.value("PATH", "MV"), "srv:/db/mv.fdb");
    EXPECT_EQ(ini.value("Path", "Mv"), "srv:/db/mv.fdb");
    EXPECT_EQ(ini.value("other", "mv"), "wrong");
    EXPECT_EQ(ini.value("PATH", "ARQUIVOS"), "");
    EXPECT_EQ(ini.value("NOPE", "MV"), "");
}

TEST(IniFile, ToleratesWhatEditorsLeave) {
    struct Case { const char* what; QByteArray bytes; const char* mv; };
    const Case cases[] = {
        {"CRLF", "[PATH]\r\nMV=C:\\db\\mv.fdb\r\nARQUIVOS=x\r\n", "C:\\db\\mv.fdb"},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBF[PATH]\nMV=a.fdb\n", "a.fdb"},
        {"comments and garbage", "; note\n#more\ngarbage line\n[PATH\n=novalue\n[PATH]\nrubbish\nMV = b.fdb \n", "b.fdb"},
        {"keys before any section", "MV=top.fdb\n[PATH]\n", ""},
        {"first key wins", "[PATH]\nMV=first\nmv=second\n", "first"},
        {"quoted value", "[PATH]\nMV=\"c:/a b/c.fdb\"\n", "c:/a b/c.fdb"},
        {"value holding '='", "[PATH]\nMV=a=b\n", "a=b"},
        {"no final line break", "[PATH]\nMV=z.fdb", "z.fdb"},
        {"empty file", "", ""},
        {"binary", QByteArray("\x00\xFF\x01[PATH]\x00MV=1", 14), ""},
    };
    for (const Case& c : cases) EXPECT_EQ(IniFile::parse(c.bytes).value("PATH", "MV"), QString::fromUtf8(c.mv)) << c.what;
}

TEST(IniFile, DecodesUtf8ElseWindows1252) {
    EXPECT_EQ(IniFile::parse("[PATH]\nARQUIVOS=C:\\Produ\xC3\xA7\xC3\xA3o\n").value("PATH", "ARQUIVOS"),
              QString::fromUtf8("C:\\Produção"));
    EXPECT_EQ(IniFile::parse("[PATH]\nARQUIVOS=C:\\Produ\xE7\xE3o \x80\n").value("PATH", "ARQUIVOS"),
              QString::fromUtf8("C:\\Produção €"));
}

TEST(AliasConfiguration, ReadsTheKeysOfSectionPath) {
    const IniFile ini = IniFile::parse("[Path]\nmv=host:/d/mv.fdb\nMV-FILES=f\nArquivos=a\nUserDefault=u\n"
                                       "5077_bal_tipo=t\n5077_BAL_PORT=COM1\nuser=ana\nPASSWORD=pw\nRole=r\n");
    const brovik::data::AliasSettings s = aliasSettingsFrom(ini);
    EXPECT_EQ(s.mv, "host:/d/mv.fdb");  // passed through unchanged
    EXPECT_EQ(s.mvFiles, "f");
    EXPECT_EQ(s.arquivos, "a");
    EXPECT_EQ(s.userDefault, "u");
    EXPECT_EQ(s.balTipo, "t");
    EXPECT_EQ(s.balPort, "COM1");
    EXPECT_EQ(s.user, "ana");
    EXPECT_EQ(s.password, "pw");
    EXPECT_EQ(s.role, "r");
    // Present but empty is a value; absent keeps the built-in login.
    const brovik::data::AliasSettings partial = aliasSettingsFrom(IniFile::parse("[PATH]\nUSER=\n"));
    EXPECT_EQ(partial.user, QString());
    EXPECT_FALSE(partial.password.has_value());

    // Without section PATH everything reads empty; the first run fails at the connection.
    const brovik::data::AliasSettings none = aliasSettingsFrom(IniFile::parse("[MV]\nMV=x\n"));
    EXPECT_TRUE(none.mv.isEmpty());
    EXPECT_FALSE(none.user.has_value());
}

TEST(AliasConfiguration, MissingFileIsNotAnEmptyOne) {
    QTemporaryDir dir;
    EXPECT_FALSE(readAliasSettings(dir.filePath("Alias.ini")).has_value());
    EXPECT_FALSE(readAliasSettings(dir.path()).has_value());  // a folder is no file
    QFile empty(dir.filePath("Alias.ini"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    ASSERT_TRUE(readAliasSettings(dir.filePath("Alias.ini")).has_value());
    EXPECT_EQ(defaultAliasIniPath("/opt/brovik/bin"), "/opt/brovik/bin/Alias.ini");
}

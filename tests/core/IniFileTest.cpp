#include "core/IniFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/Errors.h"
#include "support/TempDir.h"

namespace fenu {
namespace {

struct ReadCase {
  const char* name;
  std::string content;
  const char* section;
  const char* key;
  const char* expected;
};

TEST(IniFile, ReadsAsWindowsProfileFunctionsDo) {
  const std::string longValue(3000, 'x');
  const ReadCase cases[] = {
      {"names without regard to case", "[main]\r\ncol2=77\r\n", "Main", "Col2", "77"},
      {"umlauts in names", "[Größe]\r\nÄnderung=1\r\n", "GRÖSSE", "Änderung", "-"},
      {"umlauts in names, folded", "[Größe]\r\nÄnderung=1\r\n", "GRÖßE", "äNDERUNG", "1"},
      {"blanks around name and value", "[Main]\r\n  Col2 \t=  12 x  \r\n", "Main", "Col2", "12 x"},
      {"blanks around the section", "  [Main]  \r\nA=1\r\n", "Main", "A", "1"},
      {"comment line", "[Main]\r\n;A=1\r\nA=2\r\n", "Main", "A", "2"},
      {"commented out only", "[Main]\r\n; A=1\r\n", "Main", "A", "-"},
      {"first of duplicate keys", "[Main]\r\nA=1\r\nA=2\r\n", "Main", "A", "1"},
      {"only the first of duplicate sections", "[Main]\r\nA=1\r\n[Main]\r\nB=2\r\n", "Main", "B", "-"},
      {"enclosing double quotes", "[Main]\r\nA=\" x \"\r\n", "Main", "A", " x "},
      {"enclosing single quotes", "[Main]\r\nA='x'\r\n", "Main", "A", "x"},
      {"unbalanced quote kept", "[Main]\r\nA=\"x\r\n", "Main", "A", "\"x"},
      {"empty value is not the default", "[Main]\r\nA=\r\n", "Main", "A", ""},
      {"equals sign inside the value", "[Main]\r\nA=b=c\r\n", "Main", "A", "b=c"},
      {"lone LF and CR line ends", "[Main]\nA=1\rB=2\n", "Main", "B", "2"},
      {"key before any section", "A=1\r\n[Main]\r\n", "Main", "A", "-"},
      {"key in another section", "[Other]\r\nA=1\r\n[Main]\r\n", "Main", "A", "-"},
      {"line without equals sign", "[Main]\r\nA\r\n", "Main", "A", "-"},
      {"unterminated last line", "[Main]\r\nA=1", "Main", "A", "1"},
  };
  for (const ReadCase& c : cases) {
    const IniDocument doc = IniDocument::Parse(c.content);
    const auto value = doc.Value(c.section, c.key);
    EXPECT_EQ(value.value_or("-"), c.expected) << c.name;
  }
  const auto truncated = IniDocument::Parse("[Main]\r\nA=" + longValue + "\r\n").Value("Main", "A");
  EXPECT_EQ(truncated->size(), kMaxProfileValue);
}

TEST(IniFile, TypedReadsFallBackToTheirDefault) {
  test::TempDir dir;
  dir.Write("fenu.ini",
            "[Options]\r\nA=-1\r\nB=1\r\nC=True\r\nD=0\r\nE=0x1F\r\nF=12abc\r\nG=2\r\nH=99999999999\r\nI=-7\r\n");
  const IniFile ini(dir.File("fenu.ini"));
  EXPECT_TRUE(ini.ReadBool("Options", "A", false));
  EXPECT_TRUE(ini.ReadBool("Options", "B", false));
  EXPECT_FALSE(ini.ReadBool("Options", "C", false));  // text is not a number: the default
  EXPECT_TRUE(ini.ReadBool("Options", "C", true));
  EXPECT_FALSE(ini.ReadBool("Options", "D", true));
  EXPECT_TRUE(ini.ReadBool("Options", "G", false));
  EXPECT_EQ(ini.ReadInteger("Options", "E", 0), 31);
  EXPECT_EQ(ini.ReadInteger("Options", "F", 5), 5);
  EXPECT_EQ(ini.ReadInteger("Options", "H", 5), 5);
  EXPECT_EQ(ini.ReadInteger("Options", "I", 5), -7);
  EXPECT_EQ(ini.ReadInteger("Options", "Missing", 135), 135);
  EXPECT_EQ(IniFile(dir.File("nothere.ini")).ReadString("Main", "CurrentDB", "Standard.adb"), "Standard.adb");
}

TEST(IniFile, FirstWriteCreatesFileSectionAndKey) {
  test::TempDir dir;
  IniFile ini(dir.File("fenu.ini"));
  ini.WriteString("Main", "Taskbar", "-1");
  ini.WriteBool("ShowMessage", "RightClick", false);
  ini.WriteInteger("Main", "Col2", 140);
  EXPECT_EQ(dir.Read("fenu.ini"), "[Main]\r\nTaskbar=-1\r\nCol2=140\r\n\r\n[ShowMessage]\r\nRightClick=0\r\n");
}

TEST(IniFile, WriteReplacesInPlaceAndKeepsEveryOtherByte) {
  test::TempDir dir;
  const std::string original =
      "; settings\n[main]\n  Col2 = 135  \n; keep me\nCol3=300\n\n[HotKeys]\nHotkeyB1=[Druck]\n";
  dir.Write("fenu.ini", original);
  IniFile ini(dir.File("fenu.ini"));
  ini.WriteInteger("Main", "COL2", 200);  // existing key: same place, its own spelling
  ini.WriteString("Main", "LSplitter", "0");  // new key: after the section's last key
  EXPECT_EQ(dir.Read("fenu.ini"),
            "; settings\n[main]\nCol2=200\n; keep me\nCol3=300\nLSplitter=0\n\n[HotKeys]\nHotkeyB1=[Druck]\n");
  ini.DeleteKey("main", "col3");
  ini.EraseSection("hotkeys");
  EXPECT_EQ(dir.Read("fenu.ini"), "; settings\n[main]\nCol2=200\n; keep me\nLSplitter=0\n\n");
  EXPECT_EQ(ini.ReadSection("MAIN"), (std::vector<std::string>{"Col2", "LSplitter"}));
}

TEST(IniFile, RefusedWriteThrowsItsMessageAndKeepsTheFile) {
  test::TempDir dir;
  const std::string missingFolder = dir.File("gibtsnicht/fenu.ini");
  try {
    IniFile(missingFolder).WriteString("Main", "A", "1");
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_EQ(std::string(e.what()), "nach " + missingFolder + " kann nicht geschrieben werden");
  }
  dir.Write("ro.ini", "[Main]\r\nA=1\r\n");
  ::chmod(dir.File("ro.ini").c_str(), 0444);
  EXPECT_THROW(IniFile(dir.File("ro.ini")).WriteString("Main", "A", "2"), FileError);
  EXPECT_EQ(dir.Read("ro.ini"), "[Main]\r\nA=1\r\n");
}

}  // namespace
}  // namespace fenu

namespace fenu {
namespace {

TEST(ProfileDamage, WhatTheWriterProducesIsWhole) {
  IniDocument doc = IniDocument::Parse("; Kommentar\r\n\r\n[Main]\r\n");
  doc.SetValue("Main", "mfg", "0102270703045.txt");
  doc.SetValue("Anrede", "Val", "\"quoted\"");
  doc.SetValue("Main", "leer", "");
  EXPECT_EQ(FindProfileDamage(doc.Serialize(), true), std::nullopt);
  EXPECT_EQ(FindProfileDamage("", true), std::nullopt);
  EXPECT_EQ(FindProfileDamage("[Main]\na=1\n", true), std::nullopt);  // LF alone ends a line too
  // A hand-made file may end without a line break where a whole last line is not required.
  EXPECT_EQ(FindProfileDamage("[Main]\r\na=1", false), std::nullopt);
  EXPECT_EQ(FindProfileDamage("[Main]\r\na=1", true), "unerwartetes Ende der Daten bei Byte 11");
}

TEST(ProfileDamage, NamesTheFirstDamageByLineAndByte) {
  using namespace std::string_literals;
  struct Case {
    std::string bytes;
    std::string reason;
  };
  const Case cases[] = {
      {"[Main]\r\na=1\r\n\0\0\0\r\n"s, "Nullbyte bei Byte 13 (keine Textdatei)"},
      {"[Main]\r\n=ohne Namen\r\n", "Zeile 2 bei Byte 8 ist weder Abschnitt noch Eintrag"},
      {"[Main]\nkaputt\n[Main", "Zeile 2 bei Byte 7 ist weder Abschnitt noch Eintrag"},
      {"[Main]\r\na=" + std::string(2047, 'x') + "\r\nb=\"" + std::string(2047, 'x') + "\"\r\nc=" +
           std::string(2048, 'x') + "\r\n",
       "Zeile 4 bei Byte 4112: Wert länger als 2047 Zeichen"},
  };
  for (const Case& c : cases) EXPECT_EQ(FindProfileDamage(c.bytes, false), c.reason) << c.bytes.substr(0, 40);

  // The store's own rule for its values, told the section and the key.
  const ProfileValueCheck onlyDigits = [](std::string_view section, std::string_view key,
                                          std::string_view value) -> std::optional<std::string> {
    if (section == "Zahlen" && key == "n" && value.find_first_not_of("0123456789") != std::string_view::npos)
      return "keine Zahl";
    return std::nullopt;
  };
  EXPECT_EQ(FindProfileDamage("[Text]\r\nn=x\r\n[Zahlen]\r\nn=12\r\nn=1x\r\n", true, onlyDigits),
            "Zeile 5 bei Byte 29: keine Zahl");
}

}  // namespace
}  // namespace fenu

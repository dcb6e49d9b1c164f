#include "common/Settings.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace fenu {
namespace {

TEST(Settings, BareFileNamesLieInAppDirOtherPathsAreKept) {
  EXPECT_EQ(ResolveSettingFile("C:\\Fenu\\", "fenu.ini"), "C:\\Fenu\\fenu.ini");
  EXPECT_EQ(ResolveSettingFile("C:\\Fenu\\", "D:\\x\\other.ini"), "D:\\x\\other.ini");
  EXPECT_EQ(ResolveSettingFile("C:\\Fenu\\", "Daten\\a.ini"), "Daten\\a.ini");
}

TEST(Settings, WriteSettingWritesEachValueFormAndReadSettingReadsIt) {
  test::TempDir dir;
  WriteSetting(dir.Path(), "fenu.ini", "Main", "Taskbar", true);
  WriteSetting(dir.Path(), "fenu.ini", "Options", "Sendkeys", false);
  WriteSetting(dir.Path(), "fenu.ini", "Calendar", "BL", std::int32_t{7});
  WriteSetting(dir.Path(), "fenu.ini", "Main", "CurrentDB", "C:\\Daten\\Bü.bdb");
  EXPECT_EQ(dir.Read("fenu.ini"),
            "[Main]\r\nTaskbar=-1\r\nCurrentDB=C:\\Daten\\Bü.bdb\r\n\r\n[Options]\r\nSendkeys=0\r\n\r\n"
            "[Calendar]\r\nBL=7\r\n");
  EXPECT_EQ(ReadSetting(dir.Path(), "fenu.ini", "calendar", "bl", "1"), "7");
  EXPECT_EQ(ReadSetting(dir.Path(), "fenu.ini", "Main", "Missing", "0"), "0");
  EXPECT_EQ(ReadSetting(dir.Path(), dir.File("fenu.ini"), "Main", "Taskbar", "0"), "-1");
}

TEST(Settings, PlacementIsStoredPerScreenSizeWithAPlainFallback) {
  test::TempDir dir;
  IniFile ini(dir.File("fenu.ini"));
  WindowPlacement placement;
  placement.showCmd = 3;
  placement.minX = -1, placement.minY = -1, placement.maxX = -4, placement.maxY = -4;
  placement.left = 10, placement.top = 20, placement.right = 610, placement.bottom = 420;
  placement.visible = true;
  WritePlacement(ini, "TfrmListe", placement, 96, 1024, 768);
  EXPECT_EQ(dir.Read("fenu.ini"),
            "[TfrmListe]\r\nFormVersion=0\r\nFlags=0\r\nShowCmd=3\r\nPixelsPerInch=96\r\n"
            "MinMaxPos=-1,-1,-4,-4\r\nMinMaxPos(1024x768)=-1,-1,-4,-4\r\nNormPos=10,20,610,420\r\n"
            "NormPos(1024x768)=10,20,610,420\r\nVisible=1\r\n");

  // Another screen size: the plain keys serve; its own keys win once they exist.
  auto read = ReadPlacement(ini, "TfrmListe", 1280, 1024);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->right, 610);
  EXPECT_EQ(read->showCmd, 3);
  ini.WriteString("TfrmListe", "NormPos(1280x1024)", "0,0,800,600");
  EXPECT_EQ(ReadPlacement(ini, "TfrmListe", 1280, 1024)->right, 800);
  EXPECT_EQ(ReadPlacement(ini, "TfrmListe", 1024, 768)->right, 610);

  ini.WriteString("TForm1", "NormPos", "1,2,x,4");
  EXPECT_FALSE(ReadPlacement(ini, "TForm1", 1024, 768));
  EXPECT_FALSE(ReadPlacement(ini, "TfrmVerwaltung", 1024, 768));
}

}  // namespace
}  // namespace fenu

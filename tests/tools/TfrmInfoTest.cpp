#include "tools/TfrmInfo.h"

#include <gtest/gtest.h>

#include "platform/fake/FakeServices.h"
#include "tools/TVersionInfo.h"

namespace fenu {
namespace {

TEST(TVersionInfo, LooksUpTheStringTableOfTheFirstTranslation) {
  EXPECT_EQ(TVersionInfo::StringKey(0x0407, 0x04E4, "FileVersion"), "\\StringFileInfo\\040704E4\\FileVersion");
  FakeServices fake;
  FakeServices::VersionResource english;
  english.language = 0x0409;
  english.codePage = 0x04B0;
  english.strings["\\StringFileInfo\\040904B0\\FileVersion"] = "1.2.3.4";
  fake.versionResources["C:\\x.exe"] = english;
  EXPECT_EQ(TVersionInfo(fake, "C:\\x.exe").Value("FileVersion"), "1.2.3.4");
  EXPECT_EQ(TVersionInfo(fake, "C:\\x.exe").Value("ProductName"), "");
  const TVersionInfo missing(fake, "C:\\gibtsnicht.exe");
  EXPECT_FALSE(missing.Valid());
  EXPECT_EQ(missing.Value("FileVersion"), "");
}

TEST(TfrmInfo, ShowsTheFileVersionAndTheYearOfTheClock) {
  FakeServices fake;
  FakeServices::VersionResource fenu;
  fenu.strings["\\StringFileInfo\\040704E4\\FileVersion"] = "2.4.0.0";
  fake.versionResources["C:\\Fenu\\Fenu.exe"] = fenu;

  TfrmInfo info(fake.services, "C:\\Fenu\\", false);
  info.FormShow(2031);
  EXPECT_EQ(info.lBuild, "Ausgabe: 2.4.0.0");
  EXPECT_EQ(info.Label3.substr(0, info.Label3.find('\r')), "© 2001-2031 quenlia");
  info.lbURLClick();
  EXPECT_EQ(fake.log.back(), "Shell \"https://www.quenlia.de\" \"\" normal");

  // In stick mode the starter's version counts; without it the text stays empty.
  TfrmInfo stick(fake.services, "C:\\Fenu\\", true);
  stick.FormShow(2026);
  EXPECT_EQ(stick.lBuild, "Ausgabe: ");
  EXPECT_EQ(stick.ExecutablePath(), "C:\\Fenu\\Fenu starten.exe");
}

}  // namespace
}  // namespace fenu

#include "model/TFileLabel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fenu {
namespace {

// One unit per character: a label of width W shows texts of fewer than W characters.
int Chars(std::string_view text) { return static_cast<int>(text.size()); }

constexpr const char* kPath = "C:\\Daten\\Kunden\\2024\\Briefe\\Standard.bdb";  // 40 characters

std::string Shown(const char* path, int width, TDirection direction = TDirection::drFromLeft) {
  TFileLabel label(Chars);
  label.SetDirection(direction);
  label.SetWidth(width);
  label.SetFileName(path);
  return label.Caption();
}

TEST(TFileLabel, ShortensFromTheLeftAsTheLabelNarrows) {
  const struct {
    int width;
    const char* shown;
  } cases[] = {
      {41, "C:\\Daten\\Kunden\\2024\\Briefe\\Standard.bdb"},  // fits whole
      {40, "C:\\...\\Kunden\\2024\\Briefe\\Standard.bdb"},
      {32, "C:\\...\\2024\\Briefe\\Standard.bdb"},
      {31, "C:\\...\\Briefe\\Standard.bdb"},  // only one folder fits
      {27, "C:\\...\\Briefe\\Standard.bdb"},
      {26, "C:\\...\\Standard.bdb"},
      {20, "C:\\...\\Standard.bdb"},
      {19, "...\\Standard.bdb"},  // not even the drive fits beside the file name
      {17, "...\\Standard.bdb"},
      {16, "Standard.bdb"},  // the file name alone
      {3, "Standard.bdb"},
  };
  for (const auto& c : cases) EXPECT_EQ(Shown(kPath, c.width), c.shown) << c.width;
}

TEST(TFileLabel, FromTheRightKeepsTheFoldersNextToTheDrive) {
  EXPECT_EQ(Shown(kPath, 40, TDirection::drFromRight), "C:\\Daten\\Kunden\\2024\\...\\Standard.bdb");
  EXPECT_EQ(Shown(kPath, 26, TDirection::drFromRight), "C:\\Daten\\...\\Standard.bdb");
  EXPECT_EQ(Shown(kPath, 25, TDirection::drFromRight), "C:\\...\\Standard.bdb");
}

TEST(TFileLabel, APathWithoutDriveHasNoHead) {
  const char* path = "Daten\\Kunden\\Standard.bdb";
  EXPECT_EQ(Shown(path, 24), "...\\Kunden\\Standard.bdb");
  EXPECT_EQ(Shown(path, 24, TDirection::drFromRight), "Daten\\...\\Standard.bdb");
  EXPECT_EQ(Shown("\\\\server\\share\\Standard.bdb", 25), "...\\share\\Standard.bdb");
  EXPECT_EQ(Shown("Standard.adb", 5), "Standard.adb");
  EXPECT_EQ(Shown("", 5), "");
}

TEST(TFileLabel, SeparatorDirectionWidthAndFontRecomputeTheText) {
  int charWidth = 1;
  TFileLabel label([&](std::string_view text) { return charWidth * static_cast<int>(text.size()); });
  int captionChanges = 0;
  label.OnCaptionChanged = [&] { ++captionChanges; };
  label.SetWidth(31);
  label.SetFileName(kPath);
  EXPECT_EQ(label.Caption(), "C:\\...\\Briefe\\Standard.bdb");
  EXPECT_TRUE(label.FirstIsDrive());
  EXPECT_EQ(label.Elements(), (std::vector<std::string>{"C:", "Daten", "Kunden", "2024", "Briefe", "Standard.bdb"}));

  label.SetDirection(TDirection::drFromRight);
  EXPECT_EQ(label.Caption(), "C:\\Daten\\...\\Standard.bdb");
  label.SetWidth(100);
  EXPECT_EQ(label.Caption(), kPath);
  charWidth = 7;  // a larger font
  label.FontChanged();
  EXPECT_EQ(label.Caption(), "Standard.bdb");
  EXPECT_GE(captionChanges, 4);

  // Another separator splits the path anew: with "/" it is one element.
  charWidth = 1;
  label.SetWidth(20);
  label.SetSeparator("/");
  EXPECT_EQ(label.Elements().size(), 1u);
  EXPECT_FALSE(label.FirstIsDrive());
  EXPECT_EQ(label.Caption(), kPath);  // the file name alone, uncut
  label.SetWidth(22);
  label.SetFileName("C:/a/b/c/d/Standard.bdb");
  EXPECT_EQ(label.Caption(), "C:/a/.../Standard.bdb");  // still from the right
}

TEST(TFileLabel, EmptyOrLongSeparatorsNeverHang) {
  TFileLabel label(Chars);
  label.SetWidth(10);
  label.SetSeparator("");
  label.SetFileName(kPath);
  EXPECT_EQ(label.Elements(), std::vector<std::string>{kPath});
  EXPECT_EQ(label.Caption(), kPath);

  label.SetSeparator(" > ");
  label.SetFileName("C: > Daten > x > Standard.bdb");
  EXPECT_EQ(label.Elements(), (std::vector<std::string>{"C:", "Daten", "x", "Standard.bdb"}));
  label.SetWidth(24);
  EXPECT_EQ(label.Caption(), "C: > ... > Standard.bdb");
}

TEST(TFileLabel, OnAfterSetFileNameFiresOnEveryAssignment) {
  TFileLabel label(Chars);
  std::vector<std::string> told;
  label.OnAfterSetFileName = [&](const std::string& name) { told.push_back(name); };
  label.SetFileName("C:\\a.bdb");
  label.SetFileName("C:\\a.bdb");
  label.SetFileName("");
  EXPECT_EQ(told, (std::vector<std::string>{"C:\\a.bdb", "C:\\a.bdb", ""}));
}

}  // namespace
}  // namespace fenu

#include "data/BlockData.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace fenu {
namespace {

TEST(BlockData, SevenLengthPrefixedFieldsIn127Bytes) {
  EXPECT_EQ(NewBlockData().ToBytes(), std::string(26, '\0') + "\x02ja" + std::string(98, '\0'));

  BlockData data;
  data.textFileName = "0912261405123.txt";
  data.show = "nein";
  data.quickKey = "Ä";
  data.abbreviation = "abcdefghij";
  data.preview = "Grüße ";
  data.extra1 = "e1";
  data.extra2 = "e2";
  const std::string bytes = data.ToBytes();
  ASSERT_EQ(bytes.size(), 127u);
  auto field = [&](std::size_t offset, std::size_t capacity) {
    const std::string raw = bytes.substr(offset, capacity + 1);
    return raw.substr(1, static_cast<unsigned char>(raw[0])) + "|" +
           std::to_string(std::count(raw.begin() + 1 + static_cast<unsigned char>(raw[0]), raw.end(), '\0'));
  };
  EXPECT_EQ(field(0, 25), "0912261405123.txt|8");  // the bytes after each text are zero
  EXPECT_EQ(field(26, 4), "nein|0");
  EXPECT_EQ(field(31, 1), "\xC4|0");
  EXPECT_EQ(field(33, 10), "abcdefghij|0");
  EXPECT_EQ(field(44, 50), "Gr\xFC\xDF" "e |44");
  EXPECT_EQ(field(95, 10), "e1|8");
  EXPECT_EQ(field(106, 20), "e2|18");
  EXPECT_EQ(BlockData::FromBytes(bytes), data);
}

TEST(BlockData, TextsAreCutToTheirFieldsAndForeignBlocksReadSafely) {
  BlockData longer;
  longer.show = "vielleicht";
  longer.quickKey = "AB";
  longer.preview = std::string(60, 'p');
  const BlockData cut = BlockData::FromBytes(longer.ToBytes());
  EXPECT_EQ(cut.show, "viel");
  EXPECT_EQ(cut.quickKey, "A");
  EXPECT_EQ(cut.preview, std::string(50, 'p'));

  // Length bytes that claim more than the field holds, and a block that ends early: a field
  // never reaches into the next one nor past the block.
  std::string foreign(127, 'x');
  foreign[0] = static_cast<char>(200);
  foreign[26] = static_cast<char>(9);
  foreign[31] = static_cast<char>(0);
  const BlockData read = BlockData::FromBytes(foreign);
  EXPECT_EQ(read.textFileName, std::string(25, 'x'));
  EXPECT_EQ(read.show, "xxxx");
  EXPECT_EQ(read.quickKey, "");

  std::string shortBlock = NewBlockData().ToBytes().substr(0, 30);
  shortBlock[26] = static_cast<char>(4);  // "ja" stored with a length of 4, block ends after 30 bytes
  const BlockData partial = BlockData::FromBytes(shortBlock);
  EXPECT_EQ(partial.show, std::string("ja\0", 3));
  EXPECT_EQ(partial.quickKey, "");
  EXPECT_EQ(partial.extra2, "");
  EXPECT_EQ(BlockData::FromBytes(""), (BlockData{"", "", "", "", "", "", ""}));
}

TEST(BlockData, BlockIdIsDayMonthYearHourMinuteMillisecond) {
  EXPECT_EQ(MakeTimeId(9, 12, 2026, 14, 5, 123), "0912261405123");
  EXPECT_EQ(MakeTimeId(1, 2, 2027, 7, 3, 45), "0102270703045");
  const std::string now = CurrentTimeId();
  ASSERT_EQ(now.size(), 13u);
  EXPECT_EQ(now.find_first_not_of("0123456789"), std::string::npos);
}

TEST(BlockData, PreviewIsFirstLineBlankSecondLineCutTo50) {
  const struct {
    const char* text;
    const char* preview;
  } cases[] = {
      {"", " "},
      {"eine Zeile", "eine Zeile "},
      {"erste\r\nzweite\r\ndritte", "erste zweite"},
      {"erste\nzweite", "erste zweite"},
      {"erste\rzweite", "erste zweite"},
      {"\r\nzweite", " zweite"},
      {"erste\r\n", "erste "},
      {"0123456789012345678901234567890123456789012345678901234\r\nzweite",
       "01234567890123456789012345678901234567890123456789"},
      {"0123456789012345678901234567890123456789012345\r\nzweite", "0123456789012345678901234567890123456789012345 zwe"},
  };
  for (const auto& c : cases) EXPECT_EQ(BlockPreview(c.text), c.preview) << c.text;
}

TEST(BlockData, TextFilesAreWrittenAsTheyAreAndReadWithEveryBreakAsCrLf) {
  test::TempDir dir;
  WriteTextFile(dir.File("a.txt"), "Grüße\r\nZeile 2");
  EXPECT_EQ(dir.Read("a.txt"), "Gr\xFC\xDF" "e\r\nZeile 2");  // no break after the last line
  WriteTextFile(dir.File("leer.txt"), "");
  EXPECT_EQ(dir.Read("leer.txt"), "");
  EXPECT_EQ(ReadTextFile(dir.File("leer.txt")), "");

  dir.Write("mixed.txt", "a\nb\rc\r\nd\n\re");
  EXPECT_EQ(ReadTextFile(dir.File("mixed.txt")), "a\r\nb\r\nc\r\nd\r\n\r\ne");
  EXPECT_EQ(ReadTextFile(dir.File("fehlt.txt")), std::nullopt);
  EXPECT_EQ(SplitTextLines("a\nb\rc\r\nd\n\re"), (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
  EXPECT_EQ(SplitTextLines("a\r\n"), (std::vector<std::string>{"a"}));
  EXPECT_TRUE(SplitTextLines("").empty());
}

TEST(BlockData, OnlyPlainFileNamesNameATextFile) {
  for (const char* good : {"0912261405123.txt", "Notiz.txt", "a", "con-tra.txt", "COM0.txt", "Größe.txt"})
    EXPECT_TRUE(IsSafeTextFileName(good)) << good;
  for (const char* bad : {"", ".", "..", "..\\x.txt", "../x.txt", "C:x.txt", "a/b.txt", "a\\b.txt", "a*.txt",
                          "a?.txt", "a|b", "a\tb", "CON", "con.txt", "NUL.txt", "com1.txt", "LPT9", "aux"})
    EXPECT_FALSE(IsSafeTextFileName(bad)) << bad;
}

}  // namespace
}  // namespace fenu

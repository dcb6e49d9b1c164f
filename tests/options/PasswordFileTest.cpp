#include "options/PasswordFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/Errors.h"
#include "support/TempDir.h"

namespace fenu {
namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out += static_cast<char>(v);
  return out;
}

TEST(PasswordFile, LiesBesideTheDatabaseWithTheExtensionZug) {
  EXPECT_EQ(PasswordFileOf("C:\\Daten\\Kunden.bdb"), "C:\\Daten\\Kunden.zug");
  EXPECT_EQ(PasswordFileOf("C:\\Da.ten\\Standard"), "C:\\Da.ten\\Standard.zug");
  EXPECT_EQ(PasswordFileOf("Standard.adb"), "Standard.zug");
}

TEST(PasswordFile, RecordIsTwentyEightBytesWithMarkerLengthAndText) {
  const std::string record = PasswordRecord("Geheim");
  EXPECT_EQ(record, Bytes({5, 'a', 'b', 'c', 'd', 'e', 6, 'G', 'e', 'h', 'e', 'i', 'm'}) + std::string(15, '\0'));
  ASSERT_EQ(record.size(), kPasswordRecordSize);
  EXPECT_EQ(PasswordOfRecord(record), "Geheim");

  // Cut to 15 characters; cp1252 bytes as they are.
  const std::string twenty = "Überall1234567890abc";
  const std::string long_record = PasswordRecord(twenty);
  ASSERT_EQ(long_record.size(), kPasswordRecordSize);
  EXPECT_EQ(long_record[6], 15);
  EXPECT_EQ(long_record.substr(7, 15), twenty.substr(0, 15));
  EXPECT_EQ(static_cast<unsigned char>(long_record[7]), 0xDC);
  EXPECT_EQ(PasswordOfRecord(long_record), twenty.substr(0, 15));

  EXPECT_EQ(PasswordRecord("").substr(0, 7), Bytes({5, 'a', 'b', 'c', 'd', 'e', 0}));
}

TEST(PasswordFile, ShortOrDamagedRecordsAreReadOnlyAsFarAsTheyGo) {
  const std::string full = PasswordRecord("Geheim");
  const struct {
    std::string bytes;
    std::string password;
  } cases[] = {
      {"", ""},
      {Bytes({5, 'a', 'b'}), ""},
      {full.substr(0, 6), ""},             // no length byte
      {full.substr(0, 7), ""},             // a length, but no text behind it
      {full.substr(0, 10), "Geh"},         // the text as far as it goes
      {full.substr(0, 22), "Geheim"},      // no tail
      {Bytes({5, 'x', 'x', 'x', 'x', 'x', 2, 'o', 'k'}), "ok"},  // another marker: the length counts
      {Bytes({5, 'a', 'b', 'c', 'd', 'e', 200}) + std::string(21, 'Z'), std::string(15, 'Z')},  // beyond the field
      {Bytes({5, 'a', 'b', 'c', 'd', 'e', 255}) + std::string(3, 'Z'), "ZZZ"},
  };
  for (const auto& c : cases) EXPECT_EQ(PasswordOfRecord(c.bytes), c.password) << c.bytes.size();
}

TEST(PasswordFile, ReadsAMissingFileAsNoPasswordAndOnlyTheRecordOfALongOne) {
  test::TempDir dir;
  EXPECT_EQ(ReadPasswordFile(dir.File("fehlt.zug")), std::nullopt);

  dir.Write("leer.zug", "");
  EXPECT_EQ(ReadPasswordFile(dir.File("leer.zug")), std::string());

  dir.Write("lang.zug", PasswordRecord("Geheim") + std::string(100000, 'x'));
  EXPECT_EQ(ReadPasswordFile(dir.File("lang.zug")), std::string("Geheim"));

  dir.Write("kurz.zug", PasswordRecord("Geheim").substr(0, 9));
  EXPECT_EQ(ReadPasswordFile(dir.File("kurz.zug")), std::string("Ge"));
}

TEST(PasswordFile, WriteReplacesTheWholeFileOrLeavesItAsItWas) {
  test::TempDir dir;
  const std::string path = dir.File("Kunden.zug");
  dir.Write("Kunden.zug", PasswordRecord("alt") + "ein langer Rest einer älteren Datei");
  WritePasswordFile(path, "neu");
  EXPECT_EQ(dir.Read("Kunden.zug"), PasswordRecord("neu"));

  ::chmod(path.c_str(), 0444);
  try {
    WritePasswordFile(path, "anders");
    FAIL() << "a read-only file was replaced";
  } catch (const FileError& e) {
    EXPECT_EQ(std::string(e.what()), "nach " + path + " kann nicht geschrieben werden");
  }
  EXPECT_EQ(dir.Read("Kunden.zug"), PasswordRecord("neu"));
  EXPECT_THROW(WritePasswordFile(dir.File("fehlt/Kunden.zug"), "x"), FileError);
}

}  // namespace
}  // namespace fenu

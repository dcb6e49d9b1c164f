#include "data/SelectionVariables.h"

#include <gtest/gtest.h>

#include <functional>

#include <string>
#include <vector>

#include "support/DamagedStores.h"
#include "support/TempDir.h"

namespace fenu {
namespace {

using List = std::vector<std::string>;

TEST(CommaText, WritesAndReadsBackEveryList) {
  const struct {
    List items;
    const char* text;
  } cases[] = {
      {{}, ""},
      {{""}, "\"\""},
      {{"Herr", "Frau"}, "Herr,Frau"},
      {{"Frau Dr."}, "\"Frau Dr.\""},
      {{"1,5", "2"}, "\"1,5\",2"},
      {{"Sag \"Hallo\""}, "\"Sag \"\"Hallo\"\"\""},
      {{"Müller", "Größe", "Café"}, "Müller,Größe,Café"},
      {{"Tab\there", "Zeile\r\n2"}, "\"Tab\there\",\"Zeile\r\n2\""},
      {{"", "a"}, ",a"},
      {{"a", "", "b"}, "a,,b"},
      {{"a", ""}, "a,"},
      {{"", ""}, ","},
      {{"\"", " "}, "\"\"\"\",\" \""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CommaText(c.items), c.text);
    EXPECT_EQ(ReadCommaText(c.text), c.items) << c.text;
  }
}

TEST(CommaText, ReadsForeignTextTolerantly) {
  const struct {
    std::string text;
    List items;
  } cases[] = {
      {"a b", {"a", "b"}},  // a bare item ends at a blank
      {"  \t a , b ,  c", {"a", "b", "c"}},
      {"\"offen", {"offen"}},  // an unclosed quote runs to the end
      {"\"a\"b,c", {"a", "b", "c"}},
      {"\"a\" , \"b c\"", {"a", "b c"}},
      {"a,,", {"a", "", ""}},
      {"   ", {}},
      {std::string("a,b\0,c", 6), {"a", "b"}},  // NUL ends the text
      {std::string("\0a", 2), {}},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadCommaText(c.text), c.items) << c.text;
}

TEST(Base64, EncodesAsRfc4648) {
  const struct {
    const char* plain;
    const char* encoded;
  } cases[] = {{"", ""},         {"f", "Zg=="},         {"fo", "Zm8="},         {"foo", "Zm9v"},
               {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"}, {"\xFF\xFE\xFD", "//79"}};
  for (const auto& c : cases) {
    EXPECT_EQ(EncodeBase64(c.plain), c.encoded);
    EXPECT_EQ(DecodeBase64(c.encoded), c.plain);
  }
  std::string all;
  for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
  for (std::size_t n = 0; n <= all.size(); n += 37) {
    const std::string encoded = EncodeBase64(all.substr(0, n));
    EXPECT_EQ(encoded.size(), (n + 2) / 3 * 4);
    EXPECT_EQ(DecodeBase64(encoded), all.substr(0, n));
  }
}

TEST(Base64, DecodesWholeGroupsTolerantly) {
  const struct {
    const char* encoded;
    std::string plain;
  } cases[] = {
      {"Zm9", ""},           // fewer than four characters
      {"Zg=", ""},
      {"Zm9vYg", "foo"},     // what follows the last whole group is ignored
      {"Zg==Zm8=", "ffo"},   // decoding goes on after a padded group
      {"=AAAZm9v", "foo"},   // a group that starts with "=" gives nothing
      {"Zm=v", "f"},         // "=" third: one byte
      {"Zm9=", "fo"},        // "=" fourth: two bytes
      {"Zm9v\r\nYmFy", std::string("foo\0\x06&", 6)},  // line breaks are not skipped: "\r\nYm" is a group
      {"!!!!", std::string(3, '\0')},        // characters outside the alphabet count as 0
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeBase64(c.encoded), c.plain) << c.encoded;
}

class SelectionVariablesTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  SelectionVariables store{SelectionVariablesFile(dir.Path())};
};

TEST_F(SelectionVariablesTest, TheFileLiesInDaten) {
  EXPECT_EQ(SelectionVariablesFile("C:\\Programme\\Fenu\\"), "C:\\Programme\\Fenu\\Daten\\Auswahl.vdb");
}

TEST_F(SelectionVariablesTest, MissingFileHasNoVariables) {
  EXPECT_FALSE(store.FileExists());
  EXPECT_TRUE(store.VariableNames().empty());
  EXPECT_FALSE(store.VariableExists("Anrede"));
  EXPECT_TRUE(store.ReadList("Anrede").empty());
  EXPECT_TRUE(store.ReadRestriction("Anrede", true));
  EXPECT_FALSE(store.ReadRestriction("Anrede", false));
  store.DeleteVariable("Anrede");
  EXPECT_FALSE(store.FileExists());
}

TEST_F(SelectionVariablesTest, ListsRoundTripThroughTheFile) {
  const List anrede{"Herr", "Frau", "Frau Dr.", "Herr xxx, Abteilung xxx"};
  const List zahlen{"1,5", "2"};
  const List umlaute{"Grüße", "Ärger über Öl", "ß"};
  store.WriteList("Anrede", anrede, true);  // creates Daten\ and the file
  store.WriteList("Zahlen", zahlen, false);
  store.WriteList("Umlaute", umlaute, true);
  store.WriteList("Leer", {}, false);
  store.WriteList("EinLeeres", {""}, true);

  EXPECT_EQ(store.ReadList("Anrede"), anrede);
  EXPECT_EQ(store.ReadList("zahlen"), zahlen);  // names without regard to case
  EXPECT_EQ(store.ReadList("UMLAUTE"), umlaute);
  EXPECT_EQ(store.ReadList("Leer"), List{});
  EXPECT_EQ(store.ReadList("EinLeeres"), List{""});
  EXPECT_TRUE(store.ReadRestriction("Anrede", false));
  EXPECT_FALSE(store.ReadRestriction("Zahlen", true));
  EXPECT_EQ(store.VariableNames(), (List{"Anrede", "Zahlen", "Umlaute", "Leer", "EinLeeres"}));

  const std::string file = dir.Read("Daten/Auswahl.vdb");
  EXPECT_NE(file.find("[Anrede]\r\nVal=" + EncodeBase64("Herr,Frau,\"Frau Dr.\",\"Herr xxx, Abteilung xxx\"") +
                      "\r\nRestrict=1\r\n"),
            std::string::npos);
  EXPECT_NE(file.find("[Leer]\r\nVal=\r\nRestrict=0\r\n"), std::string::npos);
  EXPECT_NE(file.find("Val=" + EncodeBase64("\"\"") + "\r\n"), std::string::npos);
  EXPECT_NE(file.find("Val=" + EncodeBase64("Grüße,\"Ärger über Öl\",ß") + "\r\n"), std::string::npos);

  // Writing again replaces the values in place; deleting removes the whole section.
  store.WriteList("ANREDE", {"Damen"}, false);
  EXPECT_EQ(store.ReadList("Anrede"), List{"Damen"});
  EXPECT_FALSE(store.ReadRestriction("Anrede", true));
  store.DeleteVariable("zahlen");
  EXPECT_FALSE(store.VariableExists("Zahlen"));
  EXPECT_EQ(store.VariableNames(), (List{"Anrede", "Umlaute", "Leer", "EinLeeres"}));
}

TEST_F(SelectionVariablesTest, ReadsFilesWrittenElsewhere) {
  dir.Write("Daten/Auswahl.vdb",
            "[Kurz]\r\nVal=Zm9\r\n"
            "[OhneRestrict]\r\nVal=" + EncodeBase64("a b,\"c") + "\r\n"
            "[Kaputt]\r\nVal=@@@@\r\nRestrict=ja\r\n"
            "[Zahl]\r\nRestrict=-1\r\n");
  EXPECT_TRUE(store.FileExists());
  EXPECT_TRUE(store.ReadList("Kurz").empty());  // three characters decode to nothing
  EXPECT_EQ(store.ReadList("OhneRestrict"), (List{"a", "b", "c"}));
  EXPECT_TRUE(store.ReadRestriction("OhneRestrict", true));
  EXPECT_FALSE(store.ReadRestriction("OhneRestrict", false));
  EXPECT_EQ(store.ReadList("Kaputt"), List{});  // three NUL bytes: an empty text
  EXPECT_TRUE(store.ReadRestriction("Kaputt", true));
  EXPECT_TRUE(store.ReadList("Zahl").empty());
  EXPECT_TRUE(store.ReadRestriction("Zahl", false));
}

TEST_F(SelectionVariablesTest, ListTooLongToReadBackIsNotWritten) {
  // 1533 bytes of comma text make 2044 Base64 characters, the most a value holds when read.
  const List longest{std::string(1533, 'x')};
  ASSERT_TRUE(SelectionVariables::FitsInStore(longest));
  store.WriteList("Lang", longest, true);
  EXPECT_EQ(store.ReadList("Lang"), longest);

  const List tooLong{std::string(1533, 'y'), "z"};
  EXPECT_FALSE(SelectionVariables::FitsInStore(tooLong));
  const std::string before = dir.Read("Daten/Auswahl.vdb");
  EXPECT_THROW(store.WriteList("Lang", tooLong, false), ValueListTooLong);
  EXPECT_EQ(dir.Read("Daten/Auswahl.vdb"), before);
}

TEST_F(SelectionVariablesTest, ADamagedFileIsFoundAndNeverWrittenInto) {
  store.WriteList("Anrede", {"Herr", "Frau"}, true);
  store.WriteList("Leer", {}, false);
  EXPECT_EQ(store.Damage(), std::nullopt);  // what the writer writes is whole
  const std::string whole = dir.Read("Daten/Auswahl.vdb");

  std::vector<test::DamagedFile> cases = test::DamagedProfiles();
  const std::size_t cut = whole.find("Restrict") - 3;  // in the middle of the first value list
  cases.push_back({"cut off in a value list", whole.substr(0, cut),
                   "Zeile 2 bei Byte 10: die Werteliste ist keine vollständige Base64-Kodierung"});
  cases.push_back({"padding inside a value list", "[A]\r\nVal=SG==VyLA==\r\n",
                   "Zeile 2 bei Byte 5: die Werteliste ist keine vollständige Base64-Kodierung"});
  for (const test::DamagedFile& damaged : cases) {
    SCOPED_TRACE(damaged.name);
    dir.Write("Daten/Auswahl.vdb", damaged.bytes);
    EXPECT_EQ(store.Damage(), damaged.reason);
    const std::string message = "Die Datei mit den Auswahl-Variablen \"" + store.FileName() +
                                "\" konnte nicht gelesen werden: " + damaged.reason +
                                ".\r\nDie Datei wurde nicht verändert.";
    for (const auto& change : std::vector<std::function<void()>>{[&] { store.WriteList("Anrede", {"Dr."}, true); },
                                                                 [&] { store.DeleteVariable("Anrede"); }}) {
      try {
        change();
        ADD_FAILURE() << "written into a damaged file";
      } catch (const DamagedFileError& e) {
        EXPECT_EQ(e.what(), message);
      }
      EXPECT_EQ(dir.Read("Daten/Auswahl.vdb"), damaged.bytes);
    }
  }
}

}  // namespace
}  // namespace fenu

#include "variables/TfrmStringListe.h"

#include <gtest/gtest.h>

#include "platform/fake/FakeServices.h"

namespace fenu {
namespace {

using List = std::vector<std::string>;

struct Editor {
  FakeServices fake;
  TfrmStringListe form;
  explicit Editor(List values) : form(fake.services, std::move(values), "C:\\Fenu\\") { form.FormShow(); }
  std::string Current() const { return form.itemIndex >= 0 ? form.mmListe[static_cast<std::size_t>(form.itemIndex)] : ""; }
};

TEST(TfrmStringListe, ShowsTheListSortedWithTheFirstEntryCurrent) {
  Editor e({"Herr", "Ärztin", "frau", "Dr."});
  EXPECT_EQ(e.form.mmListe, (List{"Dr.", "frau", "Herr", "Ärztin"}));
  EXPECT_EQ(e.form.itemIndex, 0);
  EXPECT_EQ(e.form.Edit1, "Dr.");
  EXPECT_TRUE(e.form.btnDeleteEnabled && e.form.btnErsetzenEnabled);
  EXPECT_EQ(e.form.btnSizeCaption, "breit >>>");

  Editor empty({});
  EXPECT_EQ(empty.form.itemIndex, -1);
  EXPECT_FALSE(empty.form.btnDeleteEnabled || empty.form.btnErsetzenEnabled);
  empty.form.btnDeleteClick();
  empty.form.btnErsetzenClick();
  EXPECT_TRUE(empty.fake.log.empty());
}

TEST(TfrmStringListe, AddsNewEntriesInOrderAndIgnoresKnownOnesAndEmptyAnswers) {
  Editor e({"Frau", "Herr"});
  e.fake.inputAnswers = {"Firma", "HERR", "", std::nullopt};
  e.form.btnAddClick();
  EXPECT_EQ(e.form.mmListe, (List{"Firma", "Frau", "Herr"}));
  EXPECT_EQ(e.Current(), "Firma");
  EXPECT_EQ(e.form.Edit1, "Firma");
  for (int i = 0; i < 3; ++i) e.form.btnAddClick();
  EXPECT_EQ(e.form.mmListe, (List{"Firma", "Frau", "Herr"}));
  EXPECT_EQ(e.fake.log.front(), "InputQuery \"Eintrag hinzufügen:\" \"Neuer Eintrag\" -> \"Firma\"");

  Editor empty({});
  empty.fake.inputAnswers = {"Erste"};
  empty.form.btnAddClick();
  EXPECT_EQ(empty.form.itemIndex, 0);
  EXPECT_TRUE(empty.form.btnDeleteEnabled && empty.form.btnErsetzenEnabled);
}

TEST(TfrmStringListe, DeletesAfterAskingWithTheEntryInUpperCase) {
  Editor e({"Herr", "Ärztin", "Frau"});
  e.form.mmListeClick(2);
  EXPECT_EQ(e.form.Edit1, "Ärztin");
  e.fake.messageAnswers = {MsgResult::No, MsgResult::Yes};
  e.form.btnDeleteClick();
  EXPECT_EQ(e.form.mmListe.size(), 3u);
  e.form.btnDeleteClick();
  EXPECT_EQ(e.form.mmListe, (List{"Frau", "Herr"}));
  EXPECT_EQ(e.form.itemIndex, 0);
  EXPECT_EQ(e.fake.log, (List{"MessageBox Bestätigung \"Eintrag ÄRZTIN wirklich löschen?\" -> Nein",
                              "MessageBox Bestätigung \"Eintrag ÄRZTIN wirklich löschen?\" -> Ja"}));

  Editor one({"Einzig"});
  one.form.btnDeleteClick();
  EXPECT_TRUE(one.form.mmListe.empty());
  EXPECT_EQ(one.form.itemIndex, -1);
  EXPECT_FALSE(one.form.btnDeleteEnabled || one.form.btnErsetzenEnabled);
}

TEST(TfrmStringListe, ReplacesTheSelectedEntryKeepingTheOrder) {
  Editor e({"Anna", "Bernd", "Carla"});
  e.form.mmListeClick(0);
  e.fake.inputAnswers = {"Zora"};
  e.form.btnErsetzenClick();
  EXPECT_EQ(e.form.mmListe, (List{"Bernd", "Carla", "Zora"}));
  EXPECT_EQ(e.Current(), "Zora");
  EXPECT_EQ(e.fake.log.back(), "InputQuery \"Einen Eintrag ändern\" \"Geänderter Eintrag\" -> \"Zora\"");

  // Cancelling gives the old entry back; an empty answer changes nothing; duplicates may arise.
  e.form.mmListeClick(1);
  e.fake.inputAnswers = {std::nullopt, "", "bernd"};
  e.form.btnErsetzenClick();
  EXPECT_EQ(e.form.mmListe, (List{"Bernd", "Carla", "Zora"}));
  EXPECT_EQ(e.Current(), "Carla");
  e.form.btnErsetzenClick();
  EXPECT_EQ(e.form.mmListe, (List{"Bernd", "Carla", "Zora"}));
  e.form.btnErsetzenClick();
  EXPECT_EQ(e.form.mmListe, (List{"Bernd", "bernd", "Zora"}));
}

TEST(TfrmStringListe, SizeButtonWidensAndNarrowsTheWindow) {
  Editor e({});
  const struct {
    int width;
    int expected;
    const char* caption;
  } cases[] = {{393, 550, "<<< schmal"}, {549, 550, "<<< schmal"}, {550, 393, "breit >>>"}, {800, 393, "breit >>>"}};
  for (const auto& c : cases) {
    e.form.btnSizeClick(c.width);
    EXPECT_EQ(e.form.Width, c.expected) << c.width;
    EXPECT_EQ(e.form.btnSizeCaption, c.caption) << c.width;
  }
}

}  // namespace
}  // namespace fenu

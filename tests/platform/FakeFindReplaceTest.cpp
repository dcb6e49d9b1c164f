#include "platform/fake/FakeFindReplace.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "platform/fake/FakeServices.h"

namespace fenu {
namespace {

using Lines = std::vector<std::string>;

// Writes down what it hears; react, when set, runs inside each event.
struct Listener : IFindListener {
  std::vector<FindEvent> heard;
  std::function<void(const FindEvent&)> react;
  void OnFindEvent(const FindEvent& event) override {
    heard.push_back(event);
    if (react) react(event);
  }
};

TEST(FakeFindReplace, ThePressesOfTheUserReachTheListenerWithTheDialogsFields) {
  FakeServices fake;
  IFindReplace& dialogs = fake.services.findReplace;
  Listener listener;
  FindOptions options;
  options.hideUpDown = true;
  dialogs.Open(FindDialogKind::Replace, "Haus", "Hof", options, listener);
  EXPECT_TRUE(dialogs.IsOpen());
  fake.findReplace.Press(FindAction::FindNext);
  fake.findReplace.findWhat = "haus";
  fake.findReplace.options.matchCase = true;
  fake.findReplace.options.down = false;
  fake.findReplace.Press(FindAction::ReplaceAll);
  fake.findReplace.Press(FindAction::Closed);
  EXPECT_FALSE(dialogs.IsOpen());
  EXPECT_EQ(fake.log, (Lines{"ReplaceDialog open \"Haus\" \"Hof\" down hideupdown",
                             "ReplaceDialog FindNext \"Haus\" \"Hof\" down",
                             "ReplaceDialog ReplaceAll \"haus\" \"Hof\" up matchcase",
                             "ReplaceDialog Closed \"haus\" \"Hof\" up matchcase"}));
  ASSERT_EQ(listener.heard.size(), 3u);
  EXPECT_EQ(listener.heard[1].action, FindAction::ReplaceAll);
  EXPECT_EQ(listener.heard[1].findWhat, "haus");
  EXPECT_EQ(listener.heard[1].replaceWith, "Hof");
  EXPECT_TRUE(listener.heard[1].options.hideUpDown);  // the shape stays as given
  EXPECT_EQ(listener.heard[2].action, FindAction::Closed);
  EXPECT_EQ(listener.heard[2].options, fake.findReplace.options);  // what the closing dialog held
  EXPECT_THROW(fake.findReplace.Press(FindAction::FindNext), std::logic_error);  // nothing open
}

TEST(FakeFindReplace, OpeningAgainDiscardsTheFirstDialogSilentlyAndButtonsMustExist) {
  FakeServices fake;
  IFindReplace& dialogs = fake.services.findReplace;
  Listener first;
  Listener second;
  dialogs.Open(FindDialogKind::Find, "a", "ignored", FindOptions{}, first);
  EXPECT_EQ(fake.findReplace.replaceWith, "");  // a find dialog has no replacement text
  EXPECT_THROW(fake.findReplace.Press(FindAction::Replace), std::logic_error);
  EXPECT_THROW(fake.findReplace.Press(FindAction::Help), std::logic_error);  // no help button asked for
  dialogs.Open(FindDialogKind::Find, "b", "", FindOptions{}, second);
  fake.findReplace.Press(FindAction::FindNext);
  dialogs.Discard();
  EXPECT_FALSE(dialogs.IsOpen());
  dialogs.Discard();  // nothing open: nothing happens
  dialogs.Close();
  EXPECT_TRUE(first.heard.empty());
  ASSERT_EQ(second.heard.size(), 1u);
  EXPECT_EQ(second.heard[0].findWhat, "b");
  EXPECT_EQ(fake.log, (Lines{"FindDialog open \"a\" down", "FindDialog discard", "FindDialog open \"b\" down",
                             "FindDialog FindNext \"b\" down", "FindDialog discard"}));
}

TEST(FakeFindReplace, AListenerMayCloseFromAFindAndOpenTheNextDialogWhenTold) {
  FakeServices fake;
  IFindReplace& dialogs = fake.services.findReplace;
  Listener listener;
  FindOptions withHelp;
  withHelp.showHelp = true;
  // Close after each search, as a dialog that hides after searching does; once closed, the
  // replace dialog follows.
  listener.react = [&](const FindEvent& event) {
    if (event.action == FindAction::FindNext) dialogs.Close();
    if (event.action == FindAction::Closed && event.findWhat == "Rat")
      dialogs.Open(FindDialogKind::Replace, "x", "y", withHelp, listener);
  };
  dialogs.Open(FindDialogKind::Find, "Rat", "", FindOptions{}, listener);
  fake.findReplace.Press(FindAction::FindNext);
  EXPECT_TRUE(dialogs.IsOpen());
  EXPECT_EQ(fake.findReplace.kind, FindDialogKind::Replace);
  fake.findReplace.Press(FindAction::Help);
  EXPECT_EQ(fake.log, (Lines{"FindDialog open \"Rat\" down", "FindDialog FindNext \"Rat\" down", "FindDialog close",
                             "FindDialog Closed \"Rat\" down", "ReplaceDialog open \"x\" \"y\" down showhelp",
                             "ReplaceDialog Help \"x\" \"y\" down"}));
}

}  // namespace
}  // namespace fenu

#pragma once
// A hint shown until the user ticks "Diesen Hinweis nicht mehr anzeigen", remembered per key in
// [ShowMessage].
#include <string>

#include "common/Help.h"

namespace fenu {

class IForms;

class TfrmIniMessage {
 public:
  TfrmIniMessage(std::string title, std::string text) : Caption(title), Label3(std::move(title)), Label1(std::move(text)) {}

  static constexpr const char* kBtnOk = "&OK";
  static constexpr const char* kCheckBox1 = "Diesen Hinweis nicht mehr anzeigen";
  static constexpr int kHelpContext = kHelpOverview;

  std::string Caption;
  std::string Label3;  // heading, the title again
  std::string Label1;  // the hint
  bool CheckBox1 = false;
};

// Shows the hint unless [ShowMessage] key is false; afterwards a ticked box writes key = "0".
void ShowHintOnce(IForms& forms, const std::string& key, const std::string& title, const std::string& text,
                  const std::string& settingsPath);

}  // namespace fenu

#pragma once
// The prompt dialogs as real windows, and the prompts service the expansion engine asks.
#include <string>

#include "expansion/Prompts.h"
#include "insert/TfrmVarAuswahl.h"
#include "platform/Services.h"
#include "ui/win32/Form_win.h"

namespace fenu {

class TfrmVarAuswahlView : public ui::Form {
 public:
  explicit TfrmVarAuswahlView(TfrmVarAuswahl& logic) : Form(L"TfrmVarAuswahl", 380, 300), logic_(logic) {}
  enum Id { btnOK = IDOK, btnCancel = IDCANCEL, Label3 = 101, Label1 = 102, ListBox = 103, Label2 = 104, Edit1 = 105 };
  std::string result;

 protected:
  void OnCreate() override;
  void OnShow() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnClose(int result) override;
  HWND InitialFocus() override;

 private:
  void Render();
  TfrmVarAuswahl& logic_;
};

class TfrmOptTextView : public ui::Form {
 public:
  explicit TfrmOptTextView(std::string passage) : Form(L"TfrmOptText", 400, 260), text(std::move(passage)) {}
  enum Id { btnYes = IDOK, btnNo = IDCANCEL, Label1 = 101, Label2 = 102, Memo1 = 103 };
  std::string text;

 protected:
  void OnCreate() override;
  void OnClose(int result) override;
  HWND InitialFocus() override { return Item(btnYes); }
};

class Win32Prompts : public IPrompts {
 public:
  Win32Prompts(IDialogs& dialogs, std::string appDir) : dialogs_(dialogs), appDir_(std::move(appDir)) {}
  std::optional<std::string> AskText(std::string_view caption, std::string_view prompt,
                                     std::string_view defaultText) override;
  std::optional<std::string> ChooseValue(std::string_view variableName) override;
  std::optional<std::string> AskOptional(std::string_view passage) override;

 private:
  IDialogs& dialogs_;
  std::string appDir_;
};

}  // namespace fenu

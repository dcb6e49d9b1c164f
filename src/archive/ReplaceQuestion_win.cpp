#include "archive/ReplaceQuestion_win.h"

#include "platform/Services.h"
#include "ui/win32/Form_win.h"

namespace fenu {
namespace {

constexpr const char* kQuestion = "Text ersetzen?";
constexpr const char* kYes = "&Ja";
constexpr const char* kNo = "&Nein";
constexpr const char* kAllYes = "A&lle Ja";

class ReplaceQuestion : public ui::Form {
 public:
  ReplaceQuestion() : Form(L"TMemoSearchQuestion", 262, 96) {}

 protected:
  void OnCreate() override {
    SetCaption(MsgKindTitle(MsgKind::Confirmation));
    HWND icon = AddControl(kIcon, L"STATIC", "", SS_ICON, 16, 14, 32, 32);
    SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_QUESTION)), 0);
    AddLabel(kText, kQuestion, 62, 22, 188, 20);
    AddButton(IDYES, kYes, 8, 60, 78, 26, true);
    AddButton(IDNO, kNo, 92, 60, 78, 26);
    AddButton(kAll, kAllYes, 176, 60, 78, 26);
  }
  HWND InitialFocus() override { return Item(IDYES); }
  bool OnCommand(int id, int code, HWND) override {
    if (code != BN_CLICKED || (id != IDYES && id != IDNO && id != kAll)) return false;
    Close(id);
    return true;
  }

 public:
  static constexpr int kIcon = 101;
  static constexpr int kText = 102;
  static constexpr int kAll = 103;
};

}  // namespace

ReplaceAnswer AskReplaceQuestion(HWND owner, const std::function<BoxPlace(int width, int height)>& place) {
  ReplaceQuestion question;
  HWND box = question.Create(owner);
  RECT frame{};
  GetWindowRect(box, &frame);
  const BoxPlace at = place(frame.right - frame.left, frame.bottom - frame.top);
  SetWindowPos(box, nullptr, at.left.value_or(frame.left), at.top.value_or(frame.top), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  switch (question.ShowModal(owner)) {
    case IDYES: return ReplaceAnswer::Yes;
    case ReplaceQuestion::kAll: return ReplaceAnswer::All;
    default: return ReplaceAnswer::No;
  }
}

}  // namespace fenu

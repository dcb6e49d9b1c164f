#include "insert/TfrmMiniAuswahl_win.h"

#include "insert/TfrmKurzListe_win.h"
#include "ui/win32/Text_win.h"

namespace fenu {

void TfrmMiniAuswahlView::OnCreate() {
  SetCaption(TfrmMiniAuswahl::kCaption);
  AddGradientBar(Label1, TfrmMiniAuswahl::kLabel1, 0, 0, 300, 30);
  AddLabel(Label2, "Kürzel", 12, 44, 50, 18);
  AddControl(txtKurz, L"EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, 64, 40, 190, 23, WS_EX_CLIENTEDGE);
  AddButton(SpeedButton1, "...", 260, 40, 28, 23);
  AddButton(btnOK, "Einfügen", 112, 84, 84, 26, true);
  AddButton(btnAbbrechen, "Abbrechen", 204, 84, 84, 26);
  EnableItem(btnOK, false);
}

bool TfrmMiniAuswahlView::OnCommand(int id, int code, HWND control) {
  if (id == txtKurz && code == EN_CHANGE) {
    logic_.txtKurzChange(ui::GetText(control));
    EnableItem(btnOK, logic_.btnOKEnabled);
    return true;
  }
  if (id == SpeedButton1 && code == BN_CLICKED) {
    TfrmKurzListeView list(logic_.Abbreviations());
    list.ShowModal(Handle());
    if (!list.chosen.empty()) {
      logic_.ListChosen(list.chosen);
      ui::SetText(Item(txtKurz), logic_.txtKurz);
      EnableItem(btnOK, logic_.btnOKEnabled);
    }
    SetFocus(Item(txtKurz));
    return true;
  }
  if (id == IDOK && code == BN_CLICKED && !logic_.btnOKEnabled) return true;  // Enter with nothing typed
  return false;
}

bool TfrmMiniAuswahlView::OnCloseQuery(int result) {
  if (result != IDOK) return true;
  // The window stays while the block goes out, so that it is inserted where the hotkey was.
  const bool inserted = logic_.btnOKClick();
  if (!inserted) SetFocus(Item(txtKurz));
  return inserted;
}

}  // namespace fenu

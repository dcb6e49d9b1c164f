#include "tools/TfrmHotkey_win.h"

#include "ui/win32/ListFill_win.h"

namespace fenu {

void TfrmHotkeyView::OnCreate() {
  SetCaption(TfrmHotkey::kCaption);
  AddGradientBar(Label2, TfrmHotkey::kLabel2, 0, 0, 452, 30);
  AddLabel(Label3, TfrmHotkey::kLabel3, 12, 38, 428, 32);
  for (int slot = 0; slot < 4; ++slot) {
    const int y = 80 + slot * 32;
    AddLabel(LabelSlot + slot, TfrmHotkey::kSlotLabels[static_cast<std::size_t>(slot)], 12, y + 3, 196, 20);
    AddComboList(cbx1 + 2 * slot, 212, y, 118, 200);
    AddLabel(LabelSlot + 4 + slot, "+", 334, y + 3, 12, 20, SS_CENTER);
    AddComboList(cbx1 + 2 * slot + 1, 350, y, 90, 260);
  }
  AddButton(btnOk, "&Ok", 176, 222, 84, 26, true);
  AddButton(btnCancel, "&Abbrechen", 266, 222, 84, 26);
  AddButton(btnHilfe, "Hilfe", 356, 222, 84, 26);
}

void TfrmHotkeyView::OnShow() {
  logic_.FormShow();
  RenderAll();
}

void TfrmHotkeyView::RenderBox(int box) {
  const ComboState& state = logic_.cbx[static_cast<std::size_t>(box)];
  HWND combo = Item(cbx1 + box);
  ui::FillList(combo, state.items, state.itemIndex);
  ui::EnableControl(combo, state.enabled);
}

void TfrmHotkeyView::RenderAll() {
  for (int box = 0; box < 8; ++box) RenderBox(box);
}

bool TfrmHotkeyView::OnCommand(int id, int code, HWND control) {
  if (id >= cbx1 && id < cbx1 + 8) {
    const int box = id - cbx1;
    const int slot = box / 2;
    const bool first = box % 2 == 0;
    if (code == CBN_SELCHANGE) {
      const int index = static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0));
      if (first) {
        logic_.FirstPartChange(slot, index);
        RenderBox(box + 1);
      } else {
        logic_.SecondPartChange(slot, index);
      }
      return true;
    }
    if (code == CBN_DROPDOWN && !first) {
      logic_.SecondPartDropDown(slot);
      RenderBox(box);
      return true;
    }
    return false;
  }
  if (code != BN_CLICKED) return false;
  switch (id) {
    case btnOk:
      if (logic_.btnOkClick()) {
        Close(IDOK);
      } else {
        RenderAll();
        if (logic_.focusRequest >= 0) SetFocus(Item(cbx1 + logic_.focusRequest));
      }
      return true;
    case btnHilfe:
      logic_.btnHilfeClick();
      return true;
    default:
      return false;
  }
}

}  // namespace fenu

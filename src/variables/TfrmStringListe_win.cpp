#include "variables/TfrmStringListe_win.h"

#include <algorithm>

#include "ui/win32/ListFill_win.h"
#include "ui/win32/Text_win.h"

namespace fenu {

TfrmStringListeView::TfrmStringListeView(TfrmStringListe& logic)
    : Form(L"TfrmStringListe", TfrmStringListe::kNarrowWidth - 16, 300), logic_(logic) {}

void TfrmStringListeView::OnCreate() {
  SetCaption(TfrmStringListe::kCaption);
  AddControl(mmListe, L"LISTBOX", "", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 0, 10, 10,
             WS_EX_CLIENTEDGE);
  ShowWindow(AddControl(Edit1, L"EDIT", "", ES_AUTOHSCROLL, 0, 0, 10, 10, WS_EX_CLIENTEDGE), SW_HIDE);
  AddButton(btnAdd, "Hinzufügen", 0, 0, 10, 10, true);
  AddButton(btnDelete, "Löschen", 0, 0, 10, 10);
  AddButton(btnErsetzen, "Ersetzen", 0, 0, 10, 10);
  AddButton(btnSize, TfrmStringListe::kWide, 0, 0, 10, 10);
  AddButton(btnOK, "OK", 0, 0, 10, 10);
  AddButton(btnAbbrechen, "Abbrechen", 0, 0, 10, 10);
  ShowWindow(AddButton(btnHilfe, "Hilfe", 0, 0, 10, 10), SW_HIDE);
  // Enter adds an entry.
  SendMessageW(Handle(), DM_SETDEFID, btnAdd, 0);
}

void TfrmStringListeView::OnShow() {
  logic_.FormShow();
  Render();
}

void TfrmStringListeView::OnResize(int width, int height) {
  const int gap = Scale(8);
  const int buttonWidth = Scale(100);
  const int buttonHeight = Scale(26);
  const int x = width - gap - buttonWidth;
  MoveWindow(Item(mmListe), gap, gap, std::max(x - 2 * gap, Scale(40)), std::max(height - 2 * gap, Scale(40)), TRUE);
  const int rows[] = {btnAdd, btnDelete, btnErsetzen, btnSize};
  for (int i = 0; i < 4; ++i)
    MoveWindow(Item(rows[i]), x, gap + i * (buttonHeight + Scale(6)) + (i == 3 ? Scale(12) : 0), buttonWidth,
               buttonHeight, TRUE);
  MoveWindow(Item(btnOK), x, height - gap - 2 * buttonHeight - Scale(6), buttonWidth, buttonHeight, TRUE);
  MoveWindow(Item(btnAbbrechen), x, height - gap - buttonHeight, buttonWidth, buttonHeight, TRUE);
}

void TfrmStringListeView::Render() {
  HWND list = Item(mmListe);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  ui::FillList(list, logic_.mmListe, logic_.itemIndex);
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
  ui::SetText(Item(Edit1), logic_.Edit1);
  EnableItem(btnDelete, logic_.btnDeleteEnabled);
  EnableItem(btnErsetzen, logic_.btnErsetzenEnabled);
  ui::SetText(Item(btnSize), logic_.btnSizeCaption);
}

bool TfrmStringListeView::OnCommand(int id, int code, HWND control) {
  if (id == mmListe) {
    if (code == LBN_SELCHANGE) {
      logic_.mmListeClick(static_cast<int>(SendMessageW(control, LB_GETCURSEL, 0, 0)));
      Render();
    }
    return true;
  }
  if (code != BN_CLICKED) return false;
  switch (id) {
    case btnAdd: logic_.btnAddClick(); break;
    case btnDelete: logic_.btnDeleteClick(); break;
    case btnErsetzen: logic_.btnErsetzenClick(); break;
    case btnHilfe: logic_.btnHilfeClick(); return true;
    case btnSize: {
      RECT window;
      GetWindowRect(Handle(), &window);
      logic_.btnSizeClick(MulDiv(window.right - window.left, 96, Dpi()));
      SetWindowPos(Handle(), nullptr, 0, 0, Scale(logic_.Width), window.bottom - window.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    default: return false;
  }
  Render();
  return true;
}

}  // namespace fenu

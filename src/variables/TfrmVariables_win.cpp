#include "variables/TfrmVariables_win.h"

#include <utility>

#include "ui/win32/Dpi_win.h"
#include "ui/win32/ListFill_win.h"
#include "ui/win32/Pictures_win.h"
#include "ui/win32/Text_win.h"
#include "variables/TfrmStringListe_win.h"

namespace fenu {
namespace {

const int kPanel1[] = {TfrmVariablesView::lblMeldungstext, TfrmVariablesView::txtCaption, TfrmVariablesView::lblVorgabe,
                       TfrmVariablesView::txtValue,        TfrmVariablesView::btnTest,    TfrmVariablesView::lblVersatz,
                       TfrmVariablesView::Edit1,           TfrmVariablesView::UpDown1,    TfrmVariablesView::lblErgebnis,
                       TfrmVariablesView::Label7};
const int kPrompt[] = {TfrmVariablesView::lblMeldungstext, TfrmVariablesView::txtCaption, TfrmVariablesView::lblVorgabe,
                       TfrmVariablesView::txtValue, TfrmVariablesView::btnTest};
const int kOffset[] = {TfrmVariablesView::lblVersatz, TfrmVariablesView::Edit1, TfrmVariablesView::UpDown1,
                       TfrmVariablesView::lblErgebnis, TfrmVariablesView::Label7};
const int kPanel2[] = {TfrmVariablesView::TreeView};
const int kPanel3[] = {TfrmVariablesView::lblVariable, TfrmVariablesView::cbxVariable, TfrmVariablesView::lblWerte,
                       TfrmVariablesView::lbWerte,     TfrmVariablesView::cbkRestrict, TfrmVariablesView::sbNewVar,
                       TfrmVariablesView::sbEditItem,  TfrmVariablesView::sbDelete,    TfrmVariablesView::sbSave};
const int kPanel4[] = {TfrmVariablesView::lblOptTitle, TfrmVariablesView::lblOptText, TfrmVariablesView::Memo1};

}  // namespace

TfrmVariablesView::TfrmVariablesView(TfrmVariables& logic) : Form(L"TfrmVariables", 560, 418), logic_(logic) {}

void TfrmVariablesView::AddHint(int id, const char* hint) {
  const std::wstring text = ui::ToWide(hint);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = Handle();
  tool.uId = reinterpret_cast<UINT_PTR>(Item(id));
  tool.lpszText = const_cast<wchar_t*>(text.c_str());
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void TfrmVariablesView::OnCreate() {
  SetCaption(TfrmVariables::kCaption);
  AddGradientBar(Label3, TfrmVariables::kTitle, 0, 0, 560, 30);
  AddLabel(lblExplanation, TfrmVariables::kExplanation, 12, 36, 536, 34);
  AddControl(ListBox, L"LISTBOX", "", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 12, 76, 220, 292,
             WS_EX_CLIENTEDGE);

  AddLabel(lblMeldungstext, "Meldungstext", 244, 76, 304, 18);
  AddControl(txtCaption, L"EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, 244, 96, 304, 23, WS_EX_CLIENTEDGE);
  AddLabel(lblVorgabe, "Vorgabe", 244, 128, 304, 18);
  AddControl(txtValue, L"EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, 244, 148, 216, 23, WS_EX_CLIENTEDGE);
  AddButton(btnTest, "Testen", 468, 147, 80, 26);
  AddLabel(lblVersatz, "Versatz Tage:", 244, 203, 90, 18);
  HWND edit = AddControl(Edit1, L"EDIT", "0", WS_TABSTOP | ES_AUTOHSCROLL, 338, 200, 60, 23, WS_EX_CLIENTEDGE);
  HWND spin = AddControl(UpDown1, UPDOWN_CLASSW, "",
                         UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, 0, 0, 0);
  SendMessageW(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
  SendMessageW(spin, UDM_SETRANGE32, static_cast<WPARAM>(TfrmVariables::kOffsetMin), TfrmVariables::kOffsetMax);
  SendMessageW(spin, UDM_SETPOS32, 0, 0);
  AddLabel(lblErgebnis, "Ergebnis:", 244, 240, 90, 18);
  AddLabel(Label7, "", 338, 240, 210, 40);

  HWND tree = AddControl(TreeView, WC_TREEVIEWW, "",
                         WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS, 244, 76,
                         304, 292, WS_EX_CLIENTEDGE);
  images_ = ui::CreateTreeImages(ui::SmallIconSize(Dpi()));
  TreeView_SetImageList(tree, images_.Get(), TVSIL_NORMAL);

  AddLabel(lblVariable, "Variable", 244, 76, 200, 18);
  AddComboList(cbxVariable, 244, 96, 208, 200);
  AddButton(sbNewVar, "+", 456, 95, 22, 25);
  AddButton(sbEditItem, "...", 480, 95, 22, 25);
  AddButton(sbDelete, "-", 504, 95, 22, 25);
  AddButton(sbSave, "S", 528, 95, 22, 25);
  AddLabel(lblWerte, "Werte zur Auswahl", 244, 130, 304, 18);
  AddControl(lbWerte, L"LISTBOX", "", WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOSEL, 244, 150, 304, 180,
             WS_EX_CLIENTEDGE);
  AddCheckBox(cbkRestrict, "Nur Wert aus der Liste zulassen", 244, 340, 304, 22);

  SendMessageW(AddLabel(lblOptTitle, "Optionaler Text", 244, 76, 304, 18), WM_SETFONT,
               reinterpret_cast<WPARAM>(BoldFont()), FALSE);
  AddLabel(lblOptText, TfrmVariables::kOptionalExplanation, 244, 96, 304, 46);
  AddControl(Memo1, L"EDIT", "", WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL, 244, 146,
             304, 222, WS_EX_CLIENTEDGE);

  AddButton(btnOk, "&Einfügen", 284, 380, 84, 26, true);
  AddButton(btnCancel, "&Abbrechen", 374, 380, 84, 26);
  AddButton(btnHilfe, "Hilfe", 464, 380, 84, 26);

  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, Scale(320));
  AddHint(cbxVariable, "Liste der definierten Variablen");
  AddHint(lbWerte, "Werte zu Auswahl");
  AddHint(cbkRestrict,
          "Wenn die Variable beim Einsetzen des Bausteins abgefragt wird, können keine Begriffe als die der Liste "
          "verwendet werden");
  AddHint(sbNewVar, "Neue Variable");
  AddHint(sbEditItem, "Auswahlwerte bearbeiten");
  AddHint(sbDelete, "Variable Löschen");
  AddHint(sbSave, "Variable und Liste speichern");
  AddHint(btnOk, "Variable übernehmen uns schliessen");
  AddHint(btnCancel, "Schliessen ohne zu übernehmen");
}

void TfrmVariablesView::OnDpiChanged(int) {
  ui::ImageList images = ui::CreateTreeImages(ui::SmallIconSize(Dpi()));
  TreeView_SetImageList(Item(TreeView), images.Get(), TVSIL_NORMAL);
  images_ = std::move(images);
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, Scale(320));
}

void TfrmVariablesView::OnShow() {
  logic_.FormShow();
  ui::FillList(Item(ListBox), logic_.ListBox);
  Render();
}

void TfrmVariablesView::Render() {
  rendering_ = true;
  SendMessageW(Item(ListBox), LB_SETCURSEL, static_cast<WPARAM>(logic_.itemIndex), 0);
  auto show = [&](const auto& ids, bool visible) {
    for (int id : ids) ShowWindow(Item(id), visible ? SW_SHOW : SW_HIDE);
  };
  show(kPanel1, logic_.panel == VariablesPanel::Panel1);
  show(kPanel2, logic_.panel == VariablesPanel::Panel2);
  show(kPanel3, logic_.panel == VariablesPanel::Panel3);
  show(kPanel4, logic_.panel == VariablesPanel::Panel4);
  if (logic_.panel == VariablesPanel::Panel1 && !logic_.Label7Visible) ShowWindow(Item(Label7), SW_HIDE);
  for (int id : kPrompt) EnableItem(id, logic_.MeldungstextEnabled);
  for (int id : kOffset) EnableItem(id, !logic_.MeldungstextEnabled);
  ui::UpdateText(Item(Label7), logic_.Label7);
  ui::UpdateText(Item(Edit1), logic_.Edit1);
  ui::UpdateText(Item(txtCaption), logic_.txtCaption);
  ui::UpdateText(Item(txtValue), logic_.txtValue);
  ui::UpdateText(Item(Memo1), logic_.Memo1);

  if (logic_.treeVersion != renderedTreeVersion_) {
    ui::FillTreeView(Item(TreeView), logic_.TreeView, items_);
    renderedTreeVersion_ = logic_.treeVersion;
  }
  if (logic_.cbxVariable != renderedVariables_) {
    ui::FillList(Item(cbxVariable), logic_.cbxVariable);
    renderedVariables_ = logic_.cbxVariable;
  }
  SendMessageW(Item(cbxVariable), CB_SETCURSEL, static_cast<WPARAM>(logic_.cbxVariableIndex), 0);
  if (logic_.lbWerte != renderedValues_) {
    ui::FillList(Item(lbWerte), logic_.lbWerte);
    renderedValues_ = logic_.lbWerte;
  }
  SendMessageW(Item(cbkRestrict), BM_SETCHECK, logic_.cbkRestrict ? BST_CHECKED : BST_UNCHECKED, 0);
  if (logic_.focusTxtCaption) {
    SetFocus(Item(txtCaption));
    logic_.focusTxtCaption = false;
  }
  rendering_ = false;
}

bool TfrmVariablesView::OnMessage(UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
  if (msg != WM_NOTIFY) return false;
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (header->idFrom != static_cast<UINT_PTR>(TreeView)) return false;
  auto* tree = reinterpret_cast<NMTREEVIEWW*>(lParam);
  switch (header->code) {
    case TVN_ITEMEXPANDINGW:
      ui::FillOnExpanding(Item(TreeView), *tree, items_);
      result = FALSE;
      return true;
    case TVN_SELCHANGEDW:
      if (!rendering_) logic_.TreeViewChange(reinterpret_cast<TreeNode*>(tree->itemNew.lParam));
      return true;
    default:
      return false;
  }
}

bool TfrmVariablesView::OnCommand(int id, int code, HWND control) {
  if (code == EN_CHANGE) {
    if (rendering_) return true;
    const std::string text = ui::GetText(control);
    switch (id) {
      case Edit1:
        logic_.Edit1Change(text);
        rendering_ = true;
        ui::UpdateText(Item(Label7), logic_.Label7);
        rendering_ = false;
        return true;
      case txtCaption: logic_.txtCaption = text; return true;
      case txtValue: logic_.txtValue = text; return true;
      case Memo1: logic_.Memo1 = text; return true;
      default: return false;
    }
  }
  if (id == ListBox) {
    if (code == LBN_SELCHANGE) {
      logic_.ListBoxClick(static_cast<int>(SendMessageW(control, LB_GETCURSEL, 0, 0)));
      Render();
    }
    return true;
  }
  if (id == cbxVariable) {
    if (code == CBN_SELCHANGE) {
      logic_.cbxVariableChange(static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0)));
      Render();
    }
    return true;
  }
  if (code != BN_CLICKED) return false;
  switch (id) {
    case btnOk:
      if (logic_.btnOkClick()) Close(IDOK);
      else Render();
      return true;
    case btnTest: logic_.btnTestClick(); return true;
    case btnHilfe: logic_.btnHilfeClick(); return true;
    case cbkRestrict:
      logic_.cbkRestrictClick(SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED);
      return true;
    case sbNewVar: logic_.sbNewVarClick(); break;
    case sbEditItem:
      logic_.sbEditItemClick([&](TfrmStringListe& editor) {
        TfrmStringListeView view(editor);
        return view.ShowModal(Handle()) == IDOK;
      });
      break;
    case sbDelete: logic_.sbDeleteClick(); break;
    case sbSave: logic_.sbSaveClick(); break;
    default: return false;
  }
  Render();
  return true;
}

}  // namespace fenu

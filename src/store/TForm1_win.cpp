#include "store/TForm1_win.h"

#include <windowsx.h>

#include <algorithm>
#include <tuple>

#include <utility>

#include "common/Settings.h"
#include "core/Errors.h"
#include "ui/win32/AppError_win.h"
#include "ui/win32/Font_win.h"
#include "ui/win32/Menu_win.h"
#include "ui/win32/Dpi_win.h"
#include "ui/win32/Pictures_win.h"
#include "ui/win32/Placement_win.h"
#include "ui/win32/Splitter_win.h"
#include "ui/win32/Text_win.h"
#include "ui/win32/WindowObject_win.h"
#include "ui/win32/TextFit_win.h"

namespace fenu {
namespace {

constexpr UINT kRenderMessage = WM_APP + 30;
constexpr int kBar = 28;              // height of the heading strip
constexpr int kMinTreeWidth = 260;

const std::pair<int, const char*> kHints[] = {
    {TForm1View::Label8, "Taste(n) mit denen die Auswahl der Bausteine direkt aufgerufen werden kann"},
    {TForm1View::but_AddFolder, "Neuen Ordner als Unterordner der aktuellen Position erstellen"},
    {TForm1View::but_AddFile, "Neuen Baustein im aktuellen Ordner erstellen"},
    {TForm1View::but_Remove, "Ordner bzw. Baustein löschen"},
    {TForm1View::Splitter1, "Schieben"},
    {TForm1View::txtFName, "Name des Ordners"},
    {TForm1View::txtFShort, "Taste zur schnellen Anwahl beim Auswählen von Bausteinen"},
    {TForm1View::btnFOk, "Änderungen übernehmen"},
    {TForm1View::txtPName, "Name des Bausteins"},
    {TForm1View::txtPShort, "Taste zur schnellen Anwahl innerhalb der Listenauswahl"},
    {TForm1View::txtPLong, "Kürzel zur Auswahl innerhalb der Kürzel-Auswahl, Doppelklick = Automatik"},
    {TForm1View::cbxPShow, "Bei der Auswahl von Bausteinen anzeigen"},
    {TForm1View::btnPOk, "Änderungen übernehmen"},
    {TForm1View::Memo1, "Text des Bausteins"},
    {TForm1View::btnVariable, "Setzt variable Teile in den Baustein ein"},
    {TForm1View::btnPreview, "Zeigt den Text-Baustein mit den ersetzten Variablen"},
};

const int kRootPage[] = {TForm1View::lblRootTitle, TForm1View::lblDatabase, TForm1View::FileLabel,
                         TForm1View::lblCount,     TForm1View::lblFolders,  TForm1View::Label17,
                         TForm1View::lblBlocks,    TForm1View::Label18,     TForm1View::lblTip,
                         TForm1View::lblTipText};
const int kFolderPage[] = {TForm1View::lblFolderTitle, TForm1View::lblFName, TForm1View::txtFName,
                           TForm1View::lblFShort,      TForm1View::txtFShort, TForm1View::btnFOk};
const int kFilePage[] = {TForm1View::lblFileTitle, TForm1View::lblPName, TForm1View::txtPName,
                         TForm1View::lblPShort,    TForm1View::txtPShort, TForm1View::lblPLong,
                         TForm1View::txtPLong,     TForm1View::lblPShow,  TForm1View::cbxPShow,
                         TForm1View::btnPOk,       TForm1View::lblMemo,   TForm1View::Memo1,
                         TForm1View::btnVariable,  TForm1View::btnPreview};

std::optional<Form1Field> FieldOf(int id) {
  switch (id) {
    case TForm1View::txtPName: return Form1Field::txtPName;
    case TForm1View::txtPShort: return Form1Field::txtPShort;
    case TForm1View::txtPLong: return Form1Field::txtPLong;
    case TForm1View::txtFName: return Form1Field::txtFName;
    case TForm1View::txtFShort: return Form1Field::txtFShort;
    default: return std::nullopt;
  }
}

int IdOf(Form1Focus focus) {
  switch (focus) {
    case Form1Focus::tv_eg5: return TForm1View::tv_eg5;
    case Form1Focus::txtPName: return TForm1View::txtPName;
    case Form1Focus::txtPShort: return TForm1View::txtPShort;
    case Form1Focus::txtPLong: return TForm1View::txtPLong;
    case Form1Focus::txtFName: return TForm1View::txtFName;
    case Form1Focus::txtFShort: return TForm1View::txtFShort;
  }
  return 0;
}

}  // namespace

TForm1View::TForm1View(TForm1& logic) : Form(L"TForm1", 790, 580), logic_(logic) {
  SetResizable(760, 580);
  SetMenuBar(ui::CreateMenuBar(TForm1::MenuBar()));
}

void TForm1View::OnCreate() {
  SetCaption(TForm1::kCaption);
  AddGradientBar(Label21, "Bausteine-Übersicht", 0, 0, 790, kBar);
  AddBarLabel(Label21, Label8, "", SS_RIGHT | SS_CENTERIMAGE | SS_NOTIFY, 0, 10);

  HWND tree = AddControl(tv_eg5, WC_TREEVIEWW, "",
                         WS_TABSTOP | WS_BORDER | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                         0, 0, 10, 10);
  images_ = ui::CreateTreeImages(ui::SmallIconSize(Dpi()));
  TreeView_SetImageList(tree, images_.Get(), TVSIL_NORMAL);
  AddButton(but_AddFolder, TForm1::kAddFolder, 0, 0, 10, 10);
  AddButton(but_AddFile, TForm1::kAddFile, 0, 0, 10, 10);
  AddButton(but_Remove, TForm1::kRemove, 0, 0, 10, 10);
  ui::TreeMechanics::Events treeEvents;
  treeEvents.drop = [this](TreeNode* source, TreeNode* target) {
    logic_.tv_eg5DragDrop(source, target);
    Render();
  };
  treeMechanics_.Attach(Handle(), tree, std::move(treeEvents));
  ui::RegisterSplitterClass();
  AddControl(Splitter1, ui::kSplitterClass, "", 0, 0, 0, 10, 10);

  auto title = [&](int id, const char* text) {
    SendMessageW(AddLabel(id, text, 0, 0, 10, 10), WM_SETFONT, reinterpret_cast<WPARAM>(BoldFont()), FALSE);
  };
  title(lblRootTitle, "Datenbank Übersicht");
  AddLabel(lblDatabase, "Aktuelle Datenbank:", 0, 0, 10, 10);
  fileLabel_.Attach(AddLabel(FileLabel, "", 0, 0, 10, 10, SS_LEFTNOWORDWRAP));
  AddLabel(lblCount, "Anzahl:", 0, 0, 10, 10);
  AddLabel(lblFolders, "Ordner:", 0, 0, 10, 10);
  AddLabel(Label17, "0", 0, 0, 10, 10);
  AddLabel(lblBlocks, "Bausteine:", 0, 0, 10, 10);
  AddLabel(Label18, "0", 0, 0, 10, 10);
  AddLabel(lblTip, "Tipp:", 0, 0, 10, 10);
  AddLabel(lblTipText, TForm1::kTipText, 0, 0, 10, 10);

  title(lblFolderTitle, "Ordner-Daten bearbeiten");
  AddFieldLabel(lblFName, TForm1::kFName, 0, 0, 10, 10);
  AddControl(txtFName, L"EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 10, 10, WS_EX_CLIENTEDGE);
  AddFieldLabel(lblFShort, TForm1::kFShort, 0, 0, 10, 10);
  HWND fShort = AddControl(txtFShort, L"EDIT", "", WS_TABSTOP | ES_UPPERCASE, 0, 0, 10, 10, WS_EX_CLIENTEDGE);
  SendMessageW(fShort, EM_LIMITTEXT, 1, 0);
  AddButton(btnFOk, TForm1::kApply, 0, 0, 10, 10);

  title(lblFileTitle, "Textbaustein-Daten bearbeiten");
  AddFieldLabel(lblPName, TForm1::kPName, 0, 0, 10, 10);
  AddControl(txtPName, L"EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 10, 10, WS_EX_CLIENTEDGE);
  AddFieldLabel(lblPShort, TForm1::kPShort, 0, 0, 10, 10);
  HWND pShort = AddControl(txtPShort, L"EDIT", "", WS_TABSTOP | ES_UPPERCASE, 0, 0, 10, 10, WS_EX_CLIENTEDGE);
  SendMessageW(pShort, EM_LIMITTEXT, 1, 0);
  AddFieldLabel(lblPLong, TForm1::kPLong, 0, 0, 10, 10);
  HWND pLong = AddControl(txtPLong, L"EDIT", "", WS_TABSTOP | ES_LOWERCASE | ES_AUTOHSCROLL, 0, 0, 10, 10,
                          WS_EX_CLIENTEDGE);
  SendMessageW(pLong, EM_LIMITTEXT, 10, 0);
  AddFieldLabel(lblPShow, TForm1::kPShow, 0, 0, 10, 10);
  HWND show = AddComboList(cbxPShow, 0, 0, 10, 80);
  for (const wchar_t* entry : {L"ja", L"nein"}) SendMessageW(show, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
  AddButton(btnPOk, TForm1::kApply, 0, 0, 10, 10);
  AddFieldLabel(lblMemo, TForm1::kMemo, 0, 0, 10, 10);
  AddControl(Memo1, L"EDIT", "", WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL, 0, 0, 10, 10,
             WS_EX_CLIENTEDGE);
  AddButton(btnVariable, TForm1::kVariable, 0, 0, 10, 10);
  AddButton(btnPreview, TForm1::kPreview, 0, 0, 10, 10);

  AddStatusBar(StatusBar);

  for (int id : {static_cast<int>(txtPName), static_cast<int>(txtPShort), static_cast<int>(txtPLong),
                 static_cast<int>(txtFName), static_cast<int>(txtFShort), static_cast<int>(Memo1)})
    SetWindowSubclass(Item(id), ui::ObjectSubclassProc<TForm1View, &TForm1View::HandleField>,
                      static_cast<UINT_PTR>(id), reinterpret_cast<DWORD_PTR>(this));
}

void TForm1View::OnShow() {
  splitter_ = logic_.BSplitter;
  // The editor's font: the window's own, changed by what the settings hold.
  memoFont_.Init(MessageFont(), logic_.BFont, Dpi());
  memoFont_.Apply(Item(Memo1), Dpi());

  HWND hotkey = GetDlgItem(Item(Label21), Label8);
  ui::SetText(hotkey, logic_.Label8 + "  ");
  ui::RestoreWindowPlacement(Handle(), SettingsPath(logic_.AppDir()), "TForm1");
  RECT client;
  GetClientRect(Handle(), &client);
  OnResize(client.right, client.bottom);
  Render();
}

void TForm1View::OnDpiChanged(int) {
  ui::ImageList images = ui::CreateTreeImages(ui::SmallIconSize(Dpi()));
  TreeView_SetImageList(Item(tv_eg5), images.Get(), TVSIL_NORMAL);
  images_ = std::move(images);
  memoFont_.Reapply(Item(Memo1), Dpi());
}

void TForm1View::OnResize(int width, int height) {
  HWND status = Item(StatusBar);
  if (!status) return;  // still being created
  SendMessageW(status, WM_SIZE, 0, 0);
  RECT statusRect;
  GetWindowRect(status, &statusRect);
  const int statusHeight = statusRect.bottom - statusRect.top;
  const int s4 = Scale(4), s8 = Scale(8);
  const int bar = Scale(kBar);
  MoveWindow(Item(Label21), 0, 0, width, bar, TRUE);
  MoveWindow(GetDlgItem(Item(Label21), Label8), width / 2, 0, width / 2, bar, TRUE);

  // The tree side is at least as wide as its three buttons need.
  const std::initializer_list<HWND> treeButtons = {Item(but_AddFolder), Item(but_AddFile), Item(but_Remove)};
  const int treeWidth = std::max(Scale(std::max(splitter_, kMinTreeWidth)), ui::RowWidth(treeButtons, s4) + s8);
  const int bottom = height - statusHeight;
  const int buttonHeight = Scale(26);
  const int buttonTop = bottom - buttonHeight - s4;
  MoveWindow(Item(tv_eg5), s4, bar + s4, treeWidth - s8, buttonTop - bar - s8, TRUE);
  ui::PlaceRow(treeButtons, s4, buttonTop, treeWidth - s8, buttonHeight, s4);
  MoveWindow(Item(Splitter1), treeWidth, bar, Scale(5), bottom - bar, TRUE);

  const int x = treeWidth + Scale(5) + s8;
  const int w = std::max(width - x - s8, Scale(100));
  auto place = [&](int id, int left, int top, int cx, int cy) {
    MoveWindow(Item(id), x + Scale(left), Scale(top), cx < 0 ? w - Scale(left) : Scale(cx), Scale(cy), TRUE);
  };
  place(lblRootTitle, 0, 36, -1, 20);
  place(lblDatabase, 0, 66, -1, 18);
  place(FileLabel, 0, 86, -1, 18);
  place(lblCount, 0, 120, -1, 18);
  const int countColumn = ui::ColumnWidth({Item(lblFolders), Item(lblBlocks)}, Scale(90));
  for (const auto& [label, value, top] : {std::tuple{lblFolders, Label17, 142}, std::tuple{lblBlocks, Label18, 164}}) {
    MoveWindow(Item(label), x + Scale(16), Scale(top), countColumn, Scale(18), TRUE);
    MoveWindow(Item(value), x + Scale(20) + countColumn, Scale(top), Scale(80), Scale(18), TRUE);
  }
  place(lblTip, 0, 200, -1, 18);
  place(lblTipText, 0, 220, -1, 60);

  // Labels above their fields; each column as wide as its label or field needs.
  const int gap = Scale(10);
  auto column = [&](int left, int label, int field, int wish, int fieldWidth, int fieldHeight) {
    // An edit field scrolls its text; a drop-down list must show its longest entry.
    const HWND measured = field == cbxPShow ? Item(field) : nullptr;
    const int columnWidth = ui::ColumnWidth({Item(label), measured}, Scale(wish));
    MoveWindow(Item(label), left, Scale(66), columnWidth, Scale(18), TRUE);
    MoveWindow(Item(field), left, Scale(86), fieldWidth < 0 ? columnWidth : Scale(fieldWidth), Scale(fieldHeight), TRUE);
    return left + columnWidth + gap;
  };
  place(lblFolderTitle, 0, 36, -1, 20);
  column(x, lblFName, txtFName, 300, -1, 23);
  const int fShortLabel = ui::ColumnWidth({Item(lblFShort)}, Scale(120));
  MoveWindow(Item(lblFShort), x, Scale(118), fShortLabel, Scale(18), TRUE);
  place(txtFShort, 0, 138, 40, 23);
  MoveWindow(Item(btnFOk), x, Scale(176), ui::ColumnWidth({Item(btnFOk)}, Scale(100)), Scale(26), TRUE);

  place(lblFileTitle, 0, 36, -1, 20);
  int left = column(x, lblPName, txtPName, 170, -1, 23);
  left = column(left, lblPShort, txtPShort, 40, 40, 23);
  left = column(left, lblPLong, txtPLong, 90, -1, 23);
  column(left, lblPShow, cbxPShow, 70, -1, 120);
  place(lblMemo, 0, 122, 120, 18);
  const int applyWidth = ui::ColumnWidth({Item(btnPOk)}, Scale(100));
  MoveWindow(Item(btnPOk), x + w - applyWidth, Scale(116), applyWidth, Scale(26), TRUE);
  const int memoTop = Scale(146);
  MoveWindow(Item(Memo1), x, memoTop, w, buttonTop - memoTop - s4, TRUE);
  ui::PlaceRow({Item(btnVariable), Item(btnPreview)}, x, buttonTop, 0, buttonHeight, Scale(8), Scale(100));
}

void TForm1View::SetSplitter(int width) {
  const int units = MulDiv(width, 96, Dpi());
  RECT client;
  GetClientRect(Handle(), &client);
  const int maxUnits = MulDiv(client.right, 96, Dpi()) - 300;
  splitter_ = std::max(kMinTreeWidth, std::min(units, maxUnits));
  OnResize(client.right, client.bottom);
}

// ---- Rendering ----------------------------------------------------------------------------------

void TForm1View::ShowPage(Form1Page page) {
  for (int id : kRootPage) ShowWindow(Item(id), page == Form1Page::Root ? SW_SHOW : SW_HIDE);
  for (int id : kFolderPage) ShowWindow(Item(id), page == Form1Page::Folder ? SW_SHOW : SW_HIDE);
  for (int id : kFilePage) ShowWindow(Item(id), page == Form1Page::File ? SW_SHOW : SW_HIDE);
}

void TForm1View::Render() {
  rendering_ = true;
  if (logic_.treeVersion != renderedTreeVersion_) RebuildTree();
  else SyncSelection();
  ShowPage(logic_.page);
  fileLabel_.SetFileName(logic_.FileLabel);
  ui::UpdateText(Item(Label17), logic_.Label17);
  ui::UpdateText(Item(Label18), logic_.Label18);
  ui::UpdateText(Item(txtFName), logic_.txtFName);
  ui::UpdateText(Item(txtFShort), logic_.txtFShort);
  ui::UpdateText(Item(txtPName), logic_.txtPName);
  ui::UpdateText(Item(txtPShort), logic_.txtPShort);
  ui::UpdateText(Item(txtPLong), logic_.txtPLong);
  SendMessageW(Item(cbxPShow), CB_SETCURSEL, static_cast<WPARAM>(logic_.cbxPShow), 0);
  ui::UpdateText(Item(Memo1), logic_.Memo1);
  SendMessageW(Item(Memo1), EM_SETMODIFY, logic_.Memo1Modified ? TRUE : FALSE, 0);
  if (logic_.TakeMemoSelectionRequest()) {
    SendMessageW(Item(Memo1), EM_SETSEL, static_cast<WPARAM>(logic_.Memo1SelStart),
                 static_cast<LPARAM>(logic_.Memo1SelStart + logic_.Memo1SelLength));
    SendMessageW(Item(Memo1), EM_SCROLLCARET, 0, 0);
    SetFocus(Item(Memo1));
  }
  EnableItem(btnPOk, logic_.btnPOkEnabled);
  EnableItem(btnFOk, logic_.btnFOkEnabled);
  EnableItem(but_Remove, logic_.but_RemoveEnabled);
  EnableItem(but_AddFolder, logic_.but_AddFolderEnabled);
  EnableItem(but_AddFile, logic_.but_AddFileEnabled);
  EnableMenuItem(GetMenu(Handle()), TForm1::kTextbausteinMenu,
                 MF_BYPOSITION | (logic_.mnuTextbausteinEnabled ? MF_ENABLED : MF_GRAYED));
  DrawMenuBar(Handle());
  SendMessageW(Item(StatusBar), SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(ui::ToWide(logic_.StatusBar).c_str()));
  if (const auto focus = logic_.TakeFocusRequest()) {
    // As Tab would: an edit field's text is selected.
    SendMessageW(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IdOf(*focus))), TRUE);
  }
  rendering_ = false;
}

void TForm1View::RebuildTree() {
  ui::FillTreeView(Item(tv_eg5), logic_.Tree(), items_);
  renderedTreeVersion_ = logic_.treeVersion;
}

void TForm1View::SyncSelection() { ui::SelectTreeItem(Item(tv_eg5), logic_.Tree(), items_); }

// ---- Events ---------------------------------------------------------------------------------------

LRESULT TForm1View::HandleField(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) {
  const int id = GetDlgCtrlID(hwnd);
  if (id == Memo1) {
    if (msg == WM_GETDLGCODE) {
      handled = true;
      return DefSubclassProc(hwnd, msg, wParam, lParam) | DLGC_WANTTAB;
    }
    return 0;
  }
  const auto field = FieldOf(id);
  if (!field) return 0;
  switch (msg) {
    case WM_CHAR: {
      const std::string key = ui::FromWide(std::wstring(1, static_cast<wchar_t>(wParam)));
      const bool allowed = logic_.KeyPress(*field, key.empty() ? '?' : key[0]);
      PostMessageW(Handle(), kRenderMessage, 0, 0);
      if (!allowed) handled = true;
      return 0;
    }
    case WM_LBUTTONDOWN:
      logic_.MouseDown(*field);
      PostMessageW(Handle(), kRenderMessage, 0, 0);
      return 0;
    case WM_LBUTTONDBLCLK:
      if (*field == Form1Field::txtPLong) {
        logic_.txtPLongDblClick();
        PostMessageW(Handle(), kRenderMessage, 0, 0);
      }
      return 0;
    default:
      return 0;
  }
}

void TForm1View::SetHint(HWND control) {
  const int id = GetDlgCtrlID(control);
  for (const auto& [hintId, hint] : kHints) {
    if (hintId == id) {
      SendMessageW(Item(StatusBar), SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(ui::ToWide(hint).c_str()));
      return;
    }
  }
  SendMessageW(Item(StatusBar), SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(ui::ToWide(logic_.StatusBar).c_str()));
}

bool TForm1View::OnNotify(NMHDR* header, LRESULT& result) {
  if (header->idFrom != static_cast<UINT_PTR>(tv_eg5)) return false;
  if (treeMechanics_.OnNotify(header, result)) return true;
  auto* tree = reinterpret_cast<NMTREEVIEWW*>(header);
  switch (header->code) {
    case TVN_SELCHANGINGW:
      if (!rendering_) logic_.tv_eg5Changing();
      result = FALSE;
      return true;
    case TVN_SELCHANGEDW:
      if (!rendering_) {
        logic_.tv_eg5Change(reinterpret_cast<TreeNode*>(tree->itemNew.lParam));
        PostMessageW(Handle(), kRenderMessage, 0, 0);
      }
      return true;
    case TVN_ITEMEXPANDINGW:
      ui::FillOnExpanding(Item(tv_eg5), *tree, items_);
      result = FALSE;
      return true;
    case TVN_ITEMEXPANDEDW:
      logic_.tv_eg5Expanded(reinterpret_cast<TreeNode*>(tree->itemNew.lParam), (tree->action & TVE_EXPAND) != 0);
      return true;
    case TVN_KEYDOWN:
      if (reinterpret_cast<NMTVKEYDOWN*>(header)->wVKey == VK_DELETE && !rendering_) {
        logic_.tv_eg5KeyDelete();
        PostMessageW(Handle(), kRenderMessage, 0, 0);
      }
      result = 0;
      return true;
    default:
      return false;
  }
}

bool TForm1View::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case kRenderMessage:
      Render();
      return true;
    case ui::kSplitterMoved:
      SetSplitter(static_cast<int>(wParam));
      return true;
    case WM_NOTIFY:
      return OnNotify(reinterpret_cast<NMHDR*>(lParam), result);
    case WM_CLOSE:
      Close(IDCANCEL);
      return true;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) != Handle()) SetHint(reinterpret_cast<HWND>(wParam));
      return false;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      return treeMechanics_.OnMessage(msg, wParam, lParam);
    case WM_CTLCOLOREDIT:
      return memoFont_.OnCtlColorEdit(Item(Memo1), wParam, lParam, result);
    default:
      return false;
  }
}

void TForm1View::ChooseMemoFont() {
  if (!logic_.mnuFontClick(memoFont_.Spec())) return;
  memoFont_.Apply(Item(Memo1), Dpi());
  InvalidateRect(Item(Memo1), nullptr, TRUE);
}

bool TForm1View::OnCommand(int id, int code, HWND control) {
  if (const auto field = FieldOf(id); field && code == EN_CHANGE) {
    if (rendering_) return true;
    logic_.FieldChange(*field, ui::GetText(control));
    return true;
  }
  if (id == Memo1 && code == EN_CHANGE) {
    if (!rendering_) {
      logic_.Memo1Change(ui::GetText(control), SendMessageW(control, EM_GETMODIFY, 0, 0) != 0);
      EnableItem(btnPOk, logic_.btnPOkEnabled);
    }
    return true;
  }
  if (id == cbxPShow) {
    if (code == CBN_SELCHANGE && !rendering_) {
      logic_.cbxPShowChange(static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0)));
      Render();
    }
    return true;
  }
  HWND focus = GetFocus();
  switch (id) {
    case IDOK:
      // Enter in a field of the page applies it; elsewhere (the tree, the text) it closes nothing.
      if (IsPageField(focus)) logic_.PageKeyEnter();
      break;
    case IDCANCEL: return true;  // Escape does not close the window
    case btnPOk: logic_.btnPOkClick(); break;
    case btnFOk: logic_.btnFOkClick(); break;
    case but_AddFolder: logic_.but_AddFolderClick(); break;
    case but_AddFile: logic_.but_AddFileClick(); break;
    case but_Remove: logic_.but_RemoveClick(); break;
    case TForm1::mnuNewDatabase: logic_.mnuNewDatabaseClick(); break;
    case TForm1::mnuOpenDatabase: logic_.mnuOpenDatabaseClick(); break;
    case TForm1::mnuSaveDatabase: logic_.mnuSaveDatabaseClick(); break;
    case TForm1::mnuExit: Close(IDCANCEL); return true;
    case TForm1::mnuUndo: SendMessageW(focus, WM_UNDO, 0, 0); return true;
    case TForm1::mnuCut: SendMessageW(focus, WM_CUT, 0, 0); return true;
    case TForm1::mnuCopy: SendMessageW(focus, WM_COPY, 0, 0); return true;
    case TForm1::mnuPaste: SendMessageW(focus, WM_PASTE, 0, 0); return true;
    case TForm1::mnuSelectAll: SendMessageW(focus, EM_SETSEL, 0, -1); return true;
    case TForm1::mnuExpand: logic_.mnuExpandClick(); break;
    case TForm1::mnuCollapse: logic_.mnuCollapseClick(); break;
    case btnVariable:
    case TForm1::mnuVariables: {
      HWND memo = Item(Memo1);
      if (IsWindowVisible(memo)) SetFocus(memo);
      DWORD start = 0, end = 0;
      SendMessageW(memo, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
      logic_.Memo1Select(static_cast<int>(start), static_cast<int>(end - start));
      logic_.btnVariableClick(GetFocus() == memo);
      break;
    }
    case btnPreview:
    case TForm1::mnuPreview: logic_.btnPreviewClick(); break;
    case TForm1::mnuLoadText: logic_.mnuLoadTextClick(); break;
    case TForm1::mnuSaveText: logic_.mnuSaveTextClick(); break;
    case TForm1::mnuFont: ChooseMemoFont(); return true;
    case TForm1::mnuFindId: logic_.mnuFindIdClick(); break;
    case TForm1::mnuOptions: logic_.mnuOptionsClick(); break;
    case TForm1::mnuHelp: logic_.mnuHelpClick(); return true;
    case TForm1::mnuAbout: logic_.mnuAboutClick(); return true;
    case TForm1::mnuMail: logic_.mnuMailClick(); return true;
    default: return false;
  }
  Render();
  return true;
}

bool TForm1View::IsPageField(HWND control) const {
  if (!control || !IsWindowVisible(control)) return false;
  const int id = GetDlgCtrlID(control);
  return FieldOf(id).has_value() || id == cbxPShow;
}

bool TForm1View::OnHelp() {
  logic_.FormHelp();
  return true;
}

bool TForm1View::OnCloseQuery(int) {
  const bool close = logic_.FormCloseQuery();
  if (!close) Render();
  return close;
}

void TForm1View::OnClose(int) {
  logic_.KeepLayout(splitter_, FontString(memoFont_.Spec()));
  logic_.FormClose();
  ui::SaveWindowPlacement(Handle(), SettingsPath(logic_.AppDir()), "TForm1", Dpi());
}

}  // namespace fenu

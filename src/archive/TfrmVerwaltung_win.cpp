#include "archive/TfrmVerwaltung_win.h"

#include <windowsx.h>

#include <algorithm>
#include <optional>
#include <utility>

#include "archive/TfrmKeywords_win.h"
#include "common/Settings.h"
#include "ui/win32/AppError_win.h"
#include "ui/win32/Dpi_win.h"
#include "ui/win32/Font_win.h"
#include "ui/win32/Menu_win.h"
#include "ui/win32/Pictures_win.h"
#include "ui/win32/Placement_win.h"
#include "ui/win32/Splitter_win.h"
#include "ui/win32/Text_win.h"
#include "ui/win32/WindowObject_win.h"
#include "ui/win32/TextFit_win.h"

namespace fenu {
namespace {

constexpr UINT kRenderMessage = WM_APP + 30;
constexpr int kBar = 28;             // height of the heading strip
constexpr int kMinTreeWidth = 249;   // the tree side
constexpr int kMinRightWidth = 400;  // the text side
constexpr const char* kPlacementSection = "TfrmVerwaltung";

const std::pair<int, const char*> kHints[] = {
    {TfrmVerwaltungView::Label10, "Kurztaste"},
    {TfrmVerwaltungView::btnNewFolder, "Neuen Ordner erstellen"},
    {TfrmVerwaltungView::btnNewFile, "Neue Archiv-Datei erstellen"},
    {TfrmVerwaltungView::btnDelete, "Eintrag löschen"},
    {TfrmVerwaltungView::Splitter1, "Schieben"},
    {TfrmVerwaltungView::txtKeywords, "Schlagworte zum Archiv-Text"},
    {TfrmVerwaltungView::btnSave, "Änderungen übernehmen"},
};

std::optional<ArchiveField> FieldOf(int id) {
  switch (id) {
    case TfrmVerwaltungView::txtName: return ArchiveField::txtName;
    case TfrmVerwaltungView::txtKeywords: return ArchiveField::txtKeywords;
    default: return std::nullopt;
  }
}

int IdOf(ArchiveFocus focus) {
  switch (focus) {
    case ArchiveFocus::TreeView: return TfrmVerwaltungView::TreeView;
    case ArchiveFocus::txtName: return TfrmVerwaltungView::txtName;
    case ArchiveFocus::mmText: return TfrmVerwaltungView::mmText;
  }
  return 0;
}

}  // namespace

TfrmVerwaltungView::TfrmVerwaltungView(TfrmVerwaltung& logic, Services& services)
    : Form(L"TfrmVerwaltung", 760, 520), logic_(logic), services_(services), memoSearch_(services) {
  TfrmVerwaltung::SetUpMemoSearch(memoSearch_.Logic());
  SetResizable(696, 480);
  SetMenuBar(ui::CreateMenuBar(TfrmVerwaltung::MenuBar()));
}

TfrmVerwaltungView::~TfrmVerwaltungView() { logic_.OnSelectedFromOutside = nullptr; }

void TfrmVerwaltungView::OnCreate() {
  SetCaption(TfrmVerwaltung::kCaption);
  AddGradientBar(Label1, "Archiv-Übersicht", 0, 0, 760, kBar);
  AddBarLabel(Label1, Label10, "", SS_RIGHT | SS_CENTERIMAGE | SS_NOTIFY, 0, 10);

  HWND tree = AddControl(TreeView, WC_TREEVIEWW, "",
                         WS_TABSTOP | WS_BORDER | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_FULLROWSELECT |
                             TVS_SHOWSELALWAYS | TVS_EDITLABELS,
                         0, 0, 10, 10);
  images_ = ui::CreateTreeImages(ui::SmallIconSize(Dpi()));
  TreeView_SetImageList(tree, images_.Get(), TVSIL_NORMAL);
  ui::TreeMechanics::Events treeEvents;
  treeEvents.drop = [this](TreeNode* source, TreeNode* target) {
    logic_.TreeViewDragDrop(source, target);
    Render();
  };
  treeEvents.canEdit = [this](const TreeNode* node) { return logic_.TreeViewEditing(node); };
  treeEvents.edited = [this](TreeNode* node, const std::string& name) {
    logic_.TreeViewEdited(node, name);
    PostRender();  // the tree is rebuilt once its edit has ended
  };
  treeMechanics_.Attach(Handle(), tree, std::move(treeEvents));
  AddButton(btnNewFolder, TfrmVerwaltung::kNewFolder, 0, 0, 10, 10);
  AddButton(btnNewFile, TfrmVerwaltung::kNewFile, 0, 0, 10, 10);
  AddButton(btnDelete, TfrmVerwaltung::kDelete, 0, 0, 10, 10);
  ui::RegisterSplitterClass();
  AddControl(Splitter1, ui::kSplitterClass, "", 0, 0, 0, 10, 10);

  AddFieldLabel(lblName, TfrmVerwaltung::kName, 0, 0, 10, 10);
  AddControl(txtName, L"EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 10, 10, WS_EX_CLIENTEDGE);
  AddFieldLabel(lblKeywords, TfrmVerwaltung::kKeywords, 0, 0, 10, 10);
  HWND keywords = AddControl(txtKeywords, L"EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 10, 10, WS_EX_CLIENTEDGE);
  SendMessageW(keywords, EM_LIMITTEXT, TfrmVerwaltung::kKeywordsLength, 0);
  AddButton(btnSave, TfrmVerwaltung::kSave, 0, 0, 10, 10);
  AddFieldLabel(lblText, TfrmVerwaltung::kText, 0, 0, 10, 10);
  AddControl(mmText, L"EDIT", "", WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL, 0, 0, 10,
             10, WS_EX_CLIENTEDGE);
  AddStatusBar(StatusBar);

  for (int id : {static_cast<int>(txtName), static_cast<int>(txtKeywords), static_cast<int>(mmText)})
    SetWindowSubclass(Item(id), ui::ObjectSubclassProc<TfrmVerwaltungView, &TfrmVerwaltungView::HandleField>,
                      static_cast<UINT_PTR>(id), reinterpret_cast<DWORD_PTR>(this));
  memoSearch_.Attach(Item(mmText));
  logic_.OnSelectedFromOutside = [this] { PostRender(); };
}

void TfrmVerwaltungView::OnShow() {
  splitter_ = logic_.ASplitter;
  // The text's font: the window's own, changed by what the settings hold.
  memoFont_.Init(MessageFont(), logic_.AFont, Dpi());
  memoFont_.Apply(Item(mmText), Dpi());
  ui::SetText(GetDlgItem(Item(Label1), Label10), logic_.Label10 + "  ");
  ui::RestoreWindowPlacement(Handle(), SettingsPath(logic_.AppDir()), kPlacementSection);
  RECT client;
  GetClientRect(Handle(), &client);
  OnResize(client.right, client.bottom);
  Render();
  SetForegroundWindow(Handle());
}

void TfrmVerwaltungView::OnDpiChanged(int) {
  ui::ImageList images = ui::CreateTreeImages(ui::SmallIconSize(Dpi()));
  TreeView_SetImageList(Item(TreeView), images.Get(), TVSIL_NORMAL);
  images_ = std::move(images);
  memoFont_.Reapply(Item(mmText), Dpi());
}

void TfrmVerwaltungView::OnResize(int width, int height) {
  HWND status = Item(StatusBar);
  if (!status) return;  // still being created
  SendMessageW(status, WM_SIZE, 0, 0);
  RECT statusRect;
  GetWindowRect(status, &statusRect);
  const int bottom = height - (statusRect.bottom - statusRect.top);
  const int s4 = Scale(4), s8 = Scale(8);
  const int bar = Scale(kBar);
  MoveWindow(Item(Label1), 0, 0, width, bar, TRUE);
  MoveWindow(GetDlgItem(Item(Label1), Label10), width / 2, 0, width / 2, bar, TRUE);

  // The tree side is at least as wide as its three buttons need; the text side keeps its least.
  const std::initializer_list<HWND> treeButtons = {Item(btnNewFolder), Item(btnNewFile), Item(btnDelete)};
  const int treeWidth = std::max(Scale(std::max(splitter_, kMinTreeWidth)), ui::RowWidth(treeButtons, s4) + s8);
  const int buttonHeight = Scale(26);
  const int buttonTop = bottom - buttonHeight - s4;
  MoveWindow(Item(TreeView), s4, bar + s4, treeWidth - s8, buttonTop - bar - s8, TRUE);
  ui::PlaceRow(treeButtons, s4, buttonTop, treeWidth - s8, buttonHeight, s4);
  MoveWindow(Item(Splitter1), treeWidth, bar, Scale(5), bottom - bar, TRUE);

  const int x = treeWidth + Scale(5) + s8;
  const int w = std::max(width - x - s8, Scale(100));
  const int labelHeight = Scale(18), fieldHeight = Scale(23);
  MoveWindow(Item(lblName), x, bar + s8, w, labelHeight, TRUE);
  MoveWindow(Item(txtName), x, bar + Scale(28), w, fieldHeight, TRUE);
  MoveWindow(Item(lblKeywords), x, bar + Scale(60), w, labelHeight, TRUE);
  MoveWindow(Item(txtKeywords), x, bar + Scale(80), w, fieldHeight, TRUE);
  const int saveWidth = ui::ColumnWidth({Item(btnSave)}, Scale(100));
  const int textRow = bar + Scale(114);
  MoveWindow(Item(btnSave), x + w - saveWidth, textRow, saveWidth, buttonHeight, TRUE);
  MoveWindow(Item(lblText), x, textRow + Scale(8), std::max(w - saveWidth - s8, Scale(40)), labelHeight, TRUE);
  const int memoTop = textRow + buttonHeight + s4;
  MoveWindow(Item(mmText), x, memoTop, w, std::max(bottom - memoTop - s4, Scale(40)), TRUE);
}

void TfrmVerwaltungView::SetSplitter(int x) {
  RECT client;
  GetClientRect(Handle(), &client);
  const int units = MulDiv(x, 96, Dpi());
  const int maxUnits = MulDiv(client.right, 96, Dpi()) - kMinRightWidth - 21;
  splitter_ = std::max(kMinTreeWidth, std::min(units, maxUnits));
  OnResize(client.right, client.bottom);
}

// ---- Rendering ----------------------------------------------------------------------------------

void TfrmVerwaltungView::PostRender() { PostMessageW(Handle(), kRenderMessage, 0, 0); }

void TfrmVerwaltungView::Render() {
  rendering_ = true;
  if (logic_.treeVersion != renderedTreeVersion_) {
    ui::FillTreeView(Item(TreeView), logic_.Tree(), items_);
    renderedTreeVersion_ = logic_.treeVersion;
  } else {
    ui::SelectTreeItem(Item(TreeView), logic_.Tree(), items_);
  }
  ui::UpdateText(Item(txtName), logic_.txtName);
  ui::UpdateText(Item(txtKeywords), logic_.txtKeywords);
  ui::UpdateText(Item(mmText), logic_.mmText);
  SendMessageW(Item(mmText), EM_SETMODIFY, logic_.mmTextModified ? TRUE : FALSE, 0);
  for (int id : {static_cast<int>(txtName), static_cast<int>(txtKeywords), static_cast<int>(mmText)})
    EnableItem(id, logic_.fieldsEnabled);
  EnableItem(btnSave, logic_.btnSaveEnabled);
  EnableItem(btnNewFolder, logic_.btnNewFolderEnabled);
  EnableItem(btnNewFile, logic_.btnNewFileEnabled);
  EnableItem(btnDelete, logic_.btnDeleteEnabled);
  ShowStatus(logic_.StatusBar);
  if (const auto focus = logic_.TakeFocusRequest())
    SendMessageW(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IdOf(*focus))), TRUE);
  rendering_ = false;
}

void TfrmVerwaltungView::ShowStatus(const std::string& text) {
  SendMessageW(Item(StatusBar), SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(ui::ToWide(text).c_str()));
}

// ---- Events ---------------------------------------------------------------------------------------

LRESULT TfrmVerwaltungView::HandleField(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) {
  const int id = GetDlgCtrlID(hwnd);
  if (id == mmText) {
    if (msg != WM_LBUTTONDBLCLK) return 0;
    // The double click selects the word under the pointer first; clipboard text replaces it.
    handled = true;
    const LRESULT result = DefSubclassProc(hwnd, msg, wParam, lParam);
    if (logic_.mmTextDblClick()) SendMessageW(hwnd, WM_PASTE, 0, 0);
    return result;
  }
  const auto field = FieldOf(id);
  if (!field) return 0;
  switch (msg) {
    case WM_CHAR:
      logic_.FieldKeyPress(*field);
      PostRender();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      logic_.FieldMouseDown(*field);
      PostRender();
      return 0;
    default:
      return 0;
  }
}

bool TfrmVerwaltungView::OnNotify(NMHDR* header, LRESULT& result) {
  if (header->idFrom != static_cast<UINT_PTR>(TreeView)) return false;
  if (treeMechanics_.OnNotify(header, result)) return true;
  auto* tree = reinterpret_cast<NMTREEVIEWW*>(header);
  switch (header->code) {
    case TVN_SELCHANGINGW:
      // TRUE keeps the selection: an edit that was to be saved and could not be stays with its text.
      result = (rendering_ || logic_.TreeViewChanging()) ? FALSE : TRUE;
      if (result) PostRender();
      return true;
    case TVN_SELCHANGEDW:
      if (!rendering_) {
        logic_.TreeViewChange(reinterpret_cast<TreeNode*>(tree->itemNew.lParam));
        PostRender();
      }
      return true;
    case TVN_ITEMEXPANDINGW:
      ui::FillOnExpanding(Item(TreeView), *tree, items_);
      result = FALSE;
      return true;
    case TVN_ITEMEXPANDEDW:
      logic_.TreeViewExpanded(reinterpret_cast<TreeNode*>(tree->itemNew.lParam), (tree->action & TVE_EXPAND) != 0);
      return true;
    case TVN_KEYDOWN:
      if (reinterpret_cast<NMTVKEYDOWN*>(header)->wVKey == VK_DELETE && !rendering_) {
        logic_.btnDeleteClick();
        PostRender();
      }
      result = 0;
      return true;
    default:
      return false;
  }
}

void TfrmVerwaltungView::OnMenuPopup(HMENU popup) {
  HMENU bar = GetMenu(Handle());
  auto enable = [&](int command, bool enabled) {
    EnableMenuItem(bar, static_cast<UINT>(command), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
  };
  if (popup == GetSubMenu(bar, TfrmVerwaltung::kBearbeitenMenu)) {
    logic_.mnuBearbeitenClick();
    enable(TfrmVerwaltung::mnuSearch, logic_.mnuSearchEnabled);
    enable(TfrmVerwaltung::mnuFindNext, logic_.mnuSearchEnabled);
  } else if (popup == GetSubMenu(bar, TfrmVerwaltung::kExtrasMenu)) {
    logic_.mnuExtrasClick();
    for (int command : {TfrmVerwaltung::mnuLoadFile, TfrmVerwaltung::mnuSaveFile, TfrmVerwaltung::mnuDeleteText,
                        TfrmVerwaltung::mnuEditor})
      enable(command, logic_.mnuTextCommandsEnabled);
    Render();
  }
}

bool TfrmVerwaltungView::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
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
    case WM_INITMENUPOPUP:
      if (!HIWORD(lParam)) OnMenuPopup(reinterpret_cast<HMENU>(wParam));
      return false;
    case WM_MENUSELECT: {
      // The hint of the menu item under the pointer; the status text again when the menu closes.
      const char* hint = HIWORD(wParam) & MF_POPUP ? nullptr : TfrmVerwaltung::MenuHint(LOWORD(wParam));
      ShowStatus(hint ? hint : logic_.StatusBar);
      return false;
    }
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) != Handle()) {
        const int id = GetDlgCtrlID(reinterpret_cast<HWND>(wParam));
        const char* hint = nullptr;
        for (const auto& [hintId, text] : kHints)
          if (hintId == id) hint = text;
        ShowStatus(hint ? hint : logic_.StatusBar);
      }
      return false;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      return treeMechanics_.OnMessage(msg, wParam, lParam);
    case WM_CTLCOLOREDIT:
      return memoFont_.OnCtlColorEdit(Item(mmText), wParam, lParam, result);
    default:
      return false;
  }
}

void TfrmVerwaltungView::ChooseMemoFont() {
  if (!logic_.mnuFontClick(memoFont_.Spec())) return;
  memoFont_.Apply(Item(mmText), Dpi());
  InvalidateRect(Item(mmText), nullptr, TRUE);
}

bool TfrmVerwaltungView::OnCommand(int id, int code, HWND control) {
  if (const auto field = FieldOf(id); field && code == EN_CHANGE) {
    if (!rendering_) logic_.FieldChange(*field, ui::GetText(control));
    return true;
  }
  if (id == mmText && code == EN_CHANGE) {
    if (!rendering_) {
      logic_.mmTextChange(ui::GetText(control), SendMessageW(control, EM_GETMODIFY, 0, 0) != 0);
      EnableItem(btnSave, logic_.btnSaveEnabled);
    }
    return true;
  }
  HWND focus = GetFocus();
  switch (id) {
    case IDOK:
      // Enter in the name or the keywords saves the pending edit; elsewhere it closes nothing.
      if (focus == Item(txtName) || focus == Item(txtKeywords)) logic_.FieldKeyEnter();
      break;
    case IDCANCEL: return true;  // Escape does not close the window
    case btnSave: logic_.btnSaveClick(); break;
    case btnNewFolder: logic_.btnNewFolderClick(); break;
    case btnNewFile: logic_.btnNewFileClick(); break;
    case btnDelete: logic_.btnDeleteClick(); break;
    case TfrmVerwaltung::mnuBeenden: Close(IDCANCEL); return true;
    case TfrmVerwaltung::mnuAusschneiden: SendMessageW(focus, WM_CUT, 0, 0); return true;
    case TfrmVerwaltung::mnuKopieren: SendMessageW(focus, WM_COPY, 0, 0); return true;
    case TfrmVerwaltung::mnuInsert: SendMessageW(focus, WM_PASTE, 0, 0); return true;
    case TfrmVerwaltung::mnuWiderufen: SendMessageW(focus, WM_UNDO, 0, 0); return true;
    case TfrmVerwaltung::mnuAllesmarkieren: SendMessageW(focus, EM_SETSEL, 0, -1); return true;
    case TfrmVerwaltung::mnuSearch: logic_.mnuSearchClick(memoSearch_.Logic()); return true;
    case TfrmVerwaltung::mnuFindNext: logic_.mnuFindNextClick(memoSearch_.Logic()); return true;
    case TfrmVerwaltung::mnuKeywords: OpenKeywordWindow(); return true;
    case TfrmVerwaltung::mnuExpandAll: logic_.mnuExpandAllClick(); break;
    case TfrmVerwaltung::mnuCollapseAll: logic_.mnuCollapseAllClick(); break;
    case TfrmVerwaltung::mnuLoadFile: logic_.mnuLoadFileClick(); break;
    case TfrmVerwaltung::mnuSaveFile: logic_.mnuSaveFileClick(); break;
    case TfrmVerwaltung::mnuDeleteText: logic_.mnuDeleteTextClick(); break;
    case TfrmVerwaltung::mnuEditor: logic_.mnuEditorClick(); return true;
    case TfrmVerwaltung::mnuFont: ChooseMemoFont(); return true;
    case TfrmVerwaltung::mnuHilfe: logic_.mnuHilfeClick(); return true;
    default: return false;
  }
  Render();
  return true;
}

// Each use opens a further window, owned by this one, at the top-left corner of the tree's client
// area.
void TfrmVerwaltungView::OpenKeywordWindow() {
  POINT topLeft{0, 0};
  ClientToScreen(Item(TreeView), &topLeft);
  ShowKeywordWindow(Handle(), topLeft, logic_, services_, logic_.AppDir());
}

bool TfrmVerwaltungView::OnHelp() {
  logic_.FormHelp();
  return true;
}

bool TfrmVerwaltungView::OnCloseQuery(int) {
  const bool close = logic_.FormCloseQuery();
  if (!close) Render();
  return close;
}

void TfrmVerwaltungView::OnClose(int) {
  logic_.KeepLayout(splitter_, FontString(memoFont_.Spec()));
  logic_.FormClose();
  ui::SaveWindowPlacement(Handle(), SettingsPath(logic_.AppDir()), kPlacementSection, Dpi());
}

}  // namespace fenu

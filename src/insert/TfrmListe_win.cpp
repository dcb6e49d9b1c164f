#include "insert/TfrmListe_win.h"

#include <memory>
#include <string>
#include <utility>

#include "common/Settings.h"
#include "core/Errors.h"
#include "ui/win32/AppError_win.h"
#include "ui/win32/Dpi_win.h"
#include "ui/win32/Pictures_win.h"
#include "ui/win32/Placement_win.h"
#include "ui/win32/Splitter_win.h"
#include "ui/win32/Text_win.h"
#include "ui/win32/TextFit_win.h"

namespace fenu {
namespace {

constexpr UINT kRenderMessage = WM_APP + 30;
constexpr UINT kSearchClosedMessage = WM_APP + 32;  // WM_APP + 31 is the splitter's
constexpr int kBar = 30;
constexpr int kButtons = 34;

const std::pair<int, const char*> kHints[] = {
    {TfrmListeView::btnTree, "Baumdarstellung wählen"},
    {TfrmListeView::btnList, "Listendarstellung wählen (schneller)"},
    {TfrmListeView::btnPreview, "Baustein-Text anzeigen"},
    {TfrmListeView::btnNoPreview, "Vorschau ausschalten"},
    {TfrmListeView::btnSuchen, "Begriff in Bausteintexten suchen"},
    {TfrmListeView::btnCancel, "Verlassen ohne Baustein einzufügen (ESC)"},
    {TfrmListeView::lv_Link, "Kurztaste, Pfeiltasten, Pos1, Ende, ENTER oder linke, rechte Maustaste"},
    {TfrmListeView::Label1, "Zur Homepage des Herstellers"},
};

}  // namespace

TfrmListeView::TfrmListeView(TfrmListe& logic, Services& services)
    : Form(L"TfrmListe", 640, 400), logic_(logic), services_(services) {
  SetResizable(490, 300);
}

// The search window and its logic go first (declared last), then the pictures they may show.
TfrmListeView::~TfrmListeView() = default;

void TfrmListeView::OnCreate() {
  SetCaption(TfrmListe::kCaption);
  AddGradientBar(GradientBar, "Bausteine auswählen", 0, 0, 640, kBar);
  AddBarLabel(GradientBar, Label1, "quenlia:Fenu  ", SS_RIGHT | SS_NOTIFY | SS_CENTERIMAGE, 0, 10);

  AddButton(btnTree, "&Baum", 0, 0, 10, 10);
  AddButton(btnList, "&Liste", 0, 0, 10, 10);
  AddButton(btnPreview, "&Vorschau", 0, 0, 10, 10);
  AddButton(btnNoPreview, "Vorschau aus", 0, 0, 10, 10);
  AddButton(btnSuchen, "S&uchen", 0, 0, 10, 10);
  AddButton(btnCancel, "&Schliessen", 0, 0, 10, 10);
  AddButton(btnHilfe, "&Hilfe", 0, 0, 10, 10);

  images_ = ui::CreateTreeImages(ui::SmallIconSize(Dpi()));
  // The list shares its pictures with the tree and leaves freeing them to images_ (LVS_SHAREIMAGELISTS).
  HWND list = AddControl(lv_Link, WC_LISTVIEWW, "",
                         WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS,
                         0, 0, 10, 10);
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
  ListView_SetImageList(list, images_.Get(), LVSIL_SMALL);
  const std::pair<const char*, int> columns[] = {{"-", 25}, {"Kurz", 35}, {"Name", logic_.col2}, {"Kurz-Vorschau", logic_.col3}};
  for (int i = 0; i < 4; ++i) {
    const std::wstring caption = ui::ToWide(columns[i].first);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(caption.c_str());
    column.cx = Scale(columns[i].second);
    ListView_InsertColumn(list, i, &column);
  }
  ui::FitListViewHeaders(list);
  HWND tree = AddControl(tv_eg5, WC_TREEVIEWW, "",
                         WS_TABSTOP | WS_BORDER | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                         0, 0, 10, 10);
  TreeView_SetImageList(tree, images_.Get(), TVSIL_NORMAL);
  ui::RegisterSplitterClass();
  AddControl(Splitter1, ui::kSplitterClass, "", 0, 0, 0, 10, 10);
  AddControl(Memo1, L"EDIT", "", WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0, 10, 10, WS_EX_CLIENTEDGE);
  AddStatusBar(StatusBar);
  for (int id : {static_cast<int>(lv_Link), static_cast<int>(tv_eg5)})
    SetWindowSubclass(Item(id), ControlProc, static_cast<UINT_PTR>(id), reinterpret_cast<DWORD_PTR>(this));
}

void TfrmListeView::OnShow() {
  logic_.FormShow();
  ui::RestoreWindowPlacement(Handle(), SettingsPath(logic_.AppDir()), "TfrmListe");
  RECT client;
  GetClientRect(Handle(), &client);
  OnResize(client.right, client.bottom);
  AfterLogic();
}

void TfrmListeView::OnResize(int width, int height) {
  HWND status = Item(StatusBar);
  if (!status) return;
  SendMessageW(status, WM_SIZE, 0, 0);
  RECT statusRect;
  GetWindowRect(status, &statusRect);
  const int bottom = height - (statusRect.bottom - statusRect.top);
  const int bar = Scale(kBar);
  MoveWindow(Item(GradientBar), 0, 0, width, bar, TRUE);
  MoveWindow(GetDlgItem(Item(GradientBar), Label1), width / 2, 0, width / 2, bar, TRUE);
  ui::PlaceRow({Item(btnTree), Item(btnList), Item(btnPreview), Item(btnNoPreview), Item(btnSuchen), Item(btnCancel),
                Item(btnHilfe)},
               Scale(6), bar + Scale(4), 0, Scale(26), Scale(4), Scale(80));
  const int top = bar + Scale(kButtons);
  const int panel = logic_.panelWidth > 0 ? Scale(logic_.panelWidth) : 0;
  const int splitter = panel > 0 ? Scale(5) : 0;
  const int listWidth = std::max(Scale(100), width - panel - splitter - Scale(8));
  MoveWindow(Item(lv_Link), Scale(4), top, listWidth, bottom - top - Scale(4), TRUE);
  MoveWindow(Item(tv_eg5), Scale(4), top, listWidth, bottom - top - Scale(4), TRUE);
  MoveWindow(Item(Splitter1), Scale(4) + listWidth, top, splitter, bottom - top - Scale(4), TRUE);
  MoveWindow(Item(Memo1), Scale(4) + listWidth + splitter, top, panel, bottom - top - Scale(4), TRUE);
  ShowWindow(Item(Splitter1), panel > 0 ? SW_SHOW : SW_HIDE);
  ShowWindow(Item(Memo1), panel > 0 ? SW_SHOW : SW_HIDE);
}

void TfrmListeView::OnDpiChanged(int) {
  ui::ImageList images = ui::CreateTreeImages(ui::SmallIconSize(Dpi()));
  ListView_SetImageList(Item(lv_Link), images.Get(), LVSIL_SMALL);
  TreeView_SetImageList(Item(tv_eg5), images.Get(), TVSIL_NORMAL);
  images_ = std::move(images);
}

void TfrmListeView::FillList() {
  HWND list = Item(lv_Link);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  ListView_DeleteAllItems(list);
  renderedNodes_.clear();
  int row = 0;
  for (const ListEntry& entry : logic_.lv_Link) {
    const std::wstring texts[4] = {L"", ui::ToWide(entry.kurz), ui::ToWide(entry.name), ui::ToWide(entry.preview)};
    LVITEMW item{};
    item.mask = LVIF_IMAGE | LVIF_TEXT;
    item.iItem = row;
    item.iImage = entry.icon;
    item.pszText = const_cast<wchar_t*>(texts[0].c_str());
    ListView_InsertItem(list, &item);
    for (int column = 1; column < 4; ++column)
      ListView_SetItemText(list, row, column, const_cast<wchar_t*>(texts[column].c_str()));
    renderedNodes_.push_back(entry.node);
    ++row;
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
}

void TfrmListeView::Render() {
  rendering_ = true;
  HWND list = Item(lv_Link);
  HWND tree = Item(tv_eg5);
  std::vector<TreeNode*> nodes;
  for (const ListEntry& entry : logic_.lv_Link) nodes.push_back(entry.node);
  if (nodes != renderedNodes_ || ListView_GetItemCount(list) != static_cast<int>(nodes.size())) FillList();
  if (logic_.listIndex >= 0) {
    ListView_SetItemState(list, logic_.listIndex, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(list, logic_.listIndex, FALSE);
  }
  const bool listShows = logic_.view == ListeView::List;
  // The tree control is filled only once it is shown: most insertions never leave the list, and
  // a large database would otherwise be put into a hidden control at every hotkey.
  if (!listShows) {
    if (logic_.treeVersion != renderedTreeVersion_) {
      ui::FillTreeView(tree, logic_.Tree(), items_);
      renderedTreeVersion_ = logic_.treeVersion;
    } else {
      ui::SelectTreeItem(tree, logic_.Tree(), items_);
    }
  }
  ShowWindow(list, listShows ? SW_SHOW : SW_HIDE);
  ShowWindow(tree, listShows ? SW_HIDE : SW_SHOW);
  EnableItem(btnTree, logic_.btnTreeEnabled);
  EnableItem(btnList, logic_.btnListEnabled);
  EnableItem(btnPreview, logic_.btnPreviewEnabled);
  ShowWindow(Item(btnNoPreview), logic_.btnNoPreviewVisible ? SW_SHOW : SW_HIDE);
  ui::UpdateText(Item(Memo1), logic_.Memo1);
  RECT client;
  GetClientRect(Handle(), &client);
  OnResize(client.right, client.bottom);
  if (logic_.listFocus && listShows) {
    SetFocus(list);
    logic_.listFocus = false;
  }
  rendering_ = false;
}

void TfrmListeView::AfterLogic() {
  if (logic_.closed) {
    Close(IDOK);
    return;
  }
  Render();
}

void TfrmListeView::OpenSearch() {
  searchView_.reset();
  search_ = std::make_unique<TfrmSearch>(services_, logic_);
  HWND self = Handle();
  searchView_ = std::make_unique<TfrmSearchView>(
      *search_, [self] { PostMessageW(self, kRenderMessage, 0, 0); },
      [self] { PostMessageW(self, kSearchClosedMessage, 0, 0); });
  searchView_->ShowModeless(self);
}

LRESULT CALLBACK TfrmListeView::ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                             DWORD_PTR data) {
  auto* view = reinterpret_cast<TfrmListeView*>(data);
  FENU_GUARDED({
    switch (msg) {
      case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, ControlProc, id);
        break;
      case WM_GETDLGCODE:
        // Enter and Backspace belong to the list and the tree, not to the dialog manager.
        if (lParam) {
          const auto* key = reinterpret_cast<const MSG*>(lParam);
          if (key->message == WM_KEYDOWN && (key->wParam == VK_RETURN || key->wParam == VK_BACK))
            return DLGC_WANTMESSAGE;
        }
        break;
      case WM_CHAR: {
        const std::string key = ui::FromWide(std::wstring(1, static_cast<wchar_t>(wParam)));
        if (id == lv_Link) {
          // The list's own search by name would fight the quick keys.
          view->logic_.lv_LinkKeyPress(key.empty() ? '?' : key[0]);
          view->AfterLogic();
          return 0;
        }
        if (wParam == '\r') {
          view->logic_.tv_eg5KeyEnter();
          view->AfterLogic();
          return 0;
        }
        if (wParam == '\b') {
          view->logic_.tv_eg5KeyBackspace();
          view->AfterLogic();
          return 0;
        }
        break;
      }
      default:
        break;
    }
  })
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

bool TfrmListeView::OnNotify(NMHDR* header) {
  if (header->idFrom == static_cast<UINT_PTR>(tv_eg5) && header->code == TVN_ITEMEXPANDINGW) {
    // Also while rendering: a branch that opens needs its children. The result 0 lets it open.
    ui::FillOnExpanding(Item(tv_eg5), *reinterpret_cast<NMTREEVIEWW*>(header), items_);
    return true;
  }
  if (rendering_) return false;
  if (header->idFrom == static_cast<UINT_PTR>(lv_Link)) {
    switch (header->code) {
      case LVN_ITEMCHANGED: {
        auto* change = reinterpret_cast<NMLISTVIEW*>(header);
        if ((change->uNewState & LVIS_SELECTED) && !(change->uOldState & LVIS_SELECTED)) {
          logic_.lv_LinkSelect(change->iItem);
          ui::UpdateText(Item(Memo1), logic_.Memo1);
        }
        return true;
      }
      case NM_CLICK:
      case NM_DBLCLK: {
        auto* click = reinterpret_cast<NMITEMACTIVATE*>(header);
        if (click->iItem >= 0) {
          logic_.ActivateListEntry(click->iItem);
          PostMessageW(Handle(), kRenderMessage, 0, 0);
        }
        return true;
      }
      default:
        return false;
    }
  }
  if (header->idFrom == static_cast<UINT_PTR>(tv_eg5)) {
    auto* tree = reinterpret_cast<NMTREEVIEWW*>(header);
    switch (header->code) {
      case TVN_SELCHANGEDW:
        logic_.SelectTreeEntry(reinterpret_cast<TreeNode*>(tree->itemNew.lParam));
        PostMessageW(Handle(), kRenderMessage, 0, 0);
        return true;
      case TVN_ITEMEXPANDEDW:
        if (auto* node = reinterpret_cast<TreeNode*>(tree->itemNew.lParam)) node->expanded = (tree->action & TVE_EXPAND) != 0;
        return true;
      case NM_DBLCLK:
        logic_.tv_eg5DblClick();
        PostMessageW(Handle(), kRenderMessage, 0, 0);
        return true;
      default:
        return false;
    }
  }
  return false;
}

bool TfrmListeView::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case kRenderMessage:
      AfterLogic();
      return true;
    case kSearchClosedMessage:
      // A search window opened meanwhile is not the one that closed.
      if (searchView_ && !IsWindowVisible(searchView_->Handle())) {
        searchView_.reset();
        search_.reset();
      }
      return true;
    case WM_NOTIFY:
      return OnNotify(reinterpret_cast<NMHDR*>(lParam));
    case ui::kSplitterMoved: {
      RECT client;
      GetClientRect(Handle(), &client);
      const int panel = MulDiv(static_cast<int>(client.right - static_cast<LONG>(wParam)), 96, Dpi());
      logic_.panelWidth = std::max(100, panel);
      OnResize(client.right, client.bottom);
      return true;
    }
    case WM_SETCURSOR: {
      const int id = GetDlgCtrlID(reinterpret_cast<HWND>(wParam));
      for (const auto& [hintId, hint] : kHints)
        if (hintId == id)
          SendMessageW(Item(StatusBar), SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(ui::ToWide(hint).c_str()));
      (void)result;
      return false;
    }
    default:
      return false;
  }
}

bool TfrmListeView::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED && code != STN_CLICKED) return false;
  switch (id) {
    case IDOK: {
      // Enter: in the list it activates the selected entry, in the tree it inserts or opens.
      if (GetFocus() == Item(tv_eg5)) logic_.tv_eg5KeyEnter();
      else logic_.lv_LinkKeyPress('\r');
      break;
    }
    case btnTree: logic_.btnTreeClick(); SetFocus(Item(tv_eg5)); break;
    case btnList: logic_.btnListClick(); break;
    case btnPreview: logic_.btnPreviewClick(); break;
    case btnNoPreview: logic_.btnNoPreviewClick(); break;
    case btnSuchen: OpenSearch(); return true;
    case btnHilfe: logic_.btnHilfeClick(); return true;
    case Label1: logic_.Label1Click(); return true;
    default: return false;
  }
  AfterLogic();
  return true;
}

void TfrmListeView::OnClose(int) {
  HWND list = Item(lv_Link);
  logic_.col2 = MulDiv(ListView_GetColumnWidth(list, 2), 96, Dpi());
  logic_.col3 = MulDiv(ListView_GetColumnWidth(list, 3), 96, Dpi());
  logic_.FormClose();
  ui::SaveWindowPlacement(Handle(), SettingsPath(logic_.AppDir()), "TfrmListe", Dpi());
}

}  // namespace fenu

#include "tools/TfrmFavFolder_win.h"

#include <shellapi.h>

#include <utility>

#include "ui/win32/Text_win.h"

namespace fenu {
namespace {

constexpr int kStrip = 30;

const std::pair<int, const char*> kHints[] = {
    {TfrmFavFolderView::btnAdd, TfrmFavFolder::kHintAdd},
    {TfrmFavFolderView::btnDelete, TfrmFavFolder::kHintDelete},
    {TfrmFavFolderView::CheckBox, TfrmFavFolder::kHintCheckBox},
    {TfrmFavFolderView::btnFolder, TfrmFavFolder::kHintFolder},
    {TfrmFavFolderView::btnSchliessen, TfrmFavFolder::kHintSchliessen},
};

// The caption with the mnemonic before the first occurrence of letter.
std::string WithMnemonic(const char* text, char letter) {
  std::string caption(text);
  const std::size_t at = caption.find(letter);
  if (at != std::string::npos) caption.insert(at, 1, '&');
  return caption;
}

// The system's small folder symbol, or the program's own where the system has none to give.
ui::Icon LoadFolderIcon() {
  SHSTOCKICONINFO info{};
  info.cbSize = sizeof info;
  if (SUCCEEDED(SHGetStockIconInfo(SIID_FOLDER, SHGSI_ICON | SHGSI_SMALLICON, &info)) && info.hIcon)
    return ui::Icon(info.hIcon);
  return ui::Icon(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                                LR_DEFAULTCOLOR)));
}

}  // namespace

void TfrmFavFolderView::OnCreate() {
  SetCaption(TfrmFavFolder::kCaption);
  AddGradientBar(Strip, "", 0, 0, 460, kStrip);
  icon_ = LoadFolderIcon();
  HWND symbol = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_ICON | SS_REALSIZEIMAGE, 0, 0, 0, 0,
                                Item(Strip), reinterpret_cast<HMENU>(static_cast<INT_PTR>(StripIcon)),
                                GetModuleHandleW(nullptr), nullptr);
  SendMessageW(symbol, STM_SETICON, reinterpret_cast<WPARAM>(icon_.Get()), 0);
  PlaceSymbol();
  AddBarLabel(Strip, StripTitle, TfrmFavFolder::kTitle, SS_LEFT | SS_CENTERIMAGE, 30, 220);
  AddBarLabel(Strip, Label4, "", SS_RIGHT | SS_CENTERIMAGE, 250, 200);

  HWND list = AddControl(Grid, WC_LISTVIEWW, "", ui::StringGridView::kListStyle, 8, 38, 444, 200);
  grid_.Attach(list, logic_.Grid, {false, TfrmFavFolder::kRowHeight}, Dpi(), BoldFont());
  AddButton(btnAdd, WithMnemonic(TfrmFavFolder::kBtnAdd, 'H'), 8, 246, 100, 26);
  AddButton(btnDelete, WithMnemonic(TfrmFavFolder::kBtnDelete, 'E'), 114, 246, 100, 26);
  AddCheckBox(CheckBox, WithMnemonic(TfrmFavFolder::kCheckBox, 'B'), 236, 249, 216, 20);
  AddButton(btnFolder, WithMnemonic(TfrmFavFolder::kBtnFolder, 'x'), 264, 280, 90, 26, true);
  AddButton(btnSchliessen, WithMnemonic(TfrmFavFolder::kBtnSchliessen, 'S'), 362, 280, 90, 26);
  AddStatusLine(StatusBar);
}

void TfrmFavFolderView::PlaceSymbol() {
  // The symbol keeps the size of the system's small icons, centred on the strip's height.
  const int width = GetSystemMetrics(SM_CXSMICON);
  const int height = GetSystemMetrics(SM_CYSMICON);
  SetWindowPos(GetDlgItem(Item(Strip), StripIcon), nullptr, Scale(8), (Scale(kStrip) - height) / 2, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void TfrmFavFolderView::OnDpiChanged(int) {
  grid_.SetDpi(Dpi());
  PlaceSymbol();
}

void TfrmFavFolderView::OnShow() {
  logic_.FormCreate();
  ui::SetText(GetDlgItem(Item(Strip), Label4), logic_.Label4 + " ");
  CheckDlgButton(Handle(), CheckBox, logic_.CheckBox ? BST_CHECKED : BST_UNCHECKED);
  grid_.Render();
}

void TfrmFavFolderView::ShowHint(HWND control) {
  const int id = GetDlgCtrlID(control);
  const char* hint = "";
  for (const auto& [hintId, text] : kHints)
    if (hintId == id && GetParent(control) == Handle()) hint = text;
  SendMessageW(Item(StatusBar), SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(ui::ToWide(hint).c_str()));
}

bool TfrmFavFolderView::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case btnAdd:
      grid_.ReadBack();
      logic_.btnAddClick();
      grid_.Render();
      return true;
    case btnDelete:
      grid_.ReadBack();
      logic_.btnDeleteClick();
      grid_.Render();
      return true;
    case CheckBox:
      logic_.CheckBox = IsDlgButtonChecked(Handle(), CheckBox) == BST_CHECKED;
      return true;
    case btnFolder:
      // The default button, also for Enter in the grid.
      grid_.ReadBack();
      logic_.btnFolderClick();
      Close(IDOK);
      return true;
    default:
      return false;
  }
}

void TfrmFavFolderView::OnResize(int, int) {
  if (HWND status = Item(StatusBar)) SendMessageW(status, WM_SIZE, 0, 0);
}

void TfrmFavFolderView::OnClose(int) {
  grid_.ReadBack();
  logic_.CheckBox = IsDlgButtonChecked(Handle(), CheckBox) == BST_CHECKED;
  logic_.FormClose();
}

bool TfrmFavFolderView::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_NOTIFY:
      return grid_.OnNotify(reinterpret_cast<const NMHDR*>(lParam), result);
    case WM_SETCURSOR:
      ShowHint(reinterpret_cast<HWND>(wParam));
      return false;
    default:
      return false;
  }
}

}  // namespace fenu

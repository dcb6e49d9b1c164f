#include "insert/TfrmSearch.h"

#include "core/Cp1252.h"
#include "core/FileIo.h"
#include "data/BlockData.h"
#include "data/Database.h"

namespace fenu {

TfrmSearch::TfrmSearch(Services& services, TfrmListe& liste)
    : services_(services), liste_(liste), listWasShowing_(liste.view == ListeView::List) {}

void TfrmSearch::btnOkClick() {
  if (txtKeyword.empty()) return;
  TTreeViewEx& tree = liste_.Tree();
  // Positions count every entry in tree order, collapsed branches included; the base entry is 0.
  int start = 0;
  if (!rbBegin) {
    int position = 0;
    for (TreeNode* node = tree.GetFirstNode(); node; node = node->GetNext(), ++position)
      if (node == tree.Selected()) start = position;
  }
  int position = 0;
  for (TreeNode* node = tree.GetFirstNode(); node; node = node->GetNext(), ++position) {
    if (position <= start || KindOf(*node) != EntryKind::Block) continue;
    const auto data = GetBlockData(*node);
    if (!data || !IsSafeTextFileName(data->textFileName)) continue;
    const auto text = ReadFileBytes(liste_.BlockDir() + data->textFileName);
    if (!text || !ContainsNoCase(*text, txtKeyword)) continue;
    if (liste_.view != ListeView::Tree) liste_.btnTreeClick();
    liste_.SelectTreeEntry(node);
    for (TreeNode* up = node->Parent(); up; up = up->Parent()) up->expanded = true;
    ++liste_.treeVersion;
    rbBegin = false;
    return;
  }
  services_.dialogs.MessageDlg(MsgKind::Plain, "\"" + txtKeyword + "\" konnte nicht gefunden werden.");
  rbBegin = true;
}

void TfrmSearch::FormClose(bool byButton) {
  if (!byButton && listWasShowing_) liste_.btnListClick();
}

}  // namespace fenu

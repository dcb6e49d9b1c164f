#include "archive/TfrmKeywords.h"

#include "archive/KeywordSearch.h"

namespace fenu {

std::vector<std::string> TfrmKeywords::Captions() {
  return {kLabel1, kRbBegin, kRbPosition, kLabel2, kBtnOk, kBtnAbbrechen};
}

void TfrmKeywords::txtKeywordChange(std::string text) {
  txtKeyword = std::move(text);
  btnOkEnabled = !txtKeyword.empty();
}

void TfrmKeywords::btnOkClick() {
  if (txtKeyword.empty()) return;  // the button is disabled then
  const TTreeViewEx& tree = archive_.ArchiveTree();
  const std::size_t start = rbBegin ? 0 : AbsoluteIndex(tree, tree.Selected());
  const KeywordSearchResult result = FindKeyword(tree, start, txtKeyword);
  rbBegin = false;
  if (result.hit)
    archive_.SelectAsClick(result.hit);
  else if (result.notFound)
    services_.dialogs.MessageDlg(MsgKind::Plain, KeywordNotFoundText(txtKeyword));
}

}  // namespace fenu

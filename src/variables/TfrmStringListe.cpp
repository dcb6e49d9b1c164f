#include "variables/TfrmStringListe.h"

#include <algorithm>

#include "core/Cp1252.h"

namespace fenu {

TfrmStringListe::TfrmStringListe(Services& services, std::vector<std::string> values, std::string appDir)
    : mmListe(std::move(values)), services_(services), appDir_(std::move(appDir)) {
  ICollation& collation = services_.collation;
  std::stable_sort(mmListe.begin(), mmListe.end(),
                   [&](const std::string& a, const std::string& b) { return collation.CompareText(a, b) < 0; });
}

void TfrmStringListe::FormShow() {
  Select(mmListe.empty() ? -1 : 0);
  btnSizeCaption = kWide;
}

void TfrmStringListe::Select(int index) {
  itemIndex = index;
  Edit1 = index >= 0 ? mmListe[static_cast<std::size_t>(index)] : std::string();
  UpdateButtons();
}

void TfrmStringListe::UpdateButtons() {
  btnDeleteEnabled = btnErsetzenEnabled = itemIndex >= 0;
}

void TfrmStringListe::mmListeClick(int index) {
  if (index < 0 || index >= static_cast<int>(mmListe.size())) return;
  Select(index);
}

void TfrmStringListe::Add(const std::string& entry) {
  ICollation& collation = services_.collation;
  // After the last entry that does not sort behind the new one, as a sorted list box inserts.
  const auto at = std::upper_bound(mmListe.begin(), mmListe.end(), entry, [&](const std::string& a, const std::string& b) {
    return collation.CompareText(a, b) < 0;
  });
  const auto index = at - mmListe.begin();
  mmListe.insert(at, entry);
  Select(static_cast<int>(index));
}

void TfrmStringListe::btnAddClick() {
  std::string entry;
  if (services_.dialogs.InputQuery("Eintrag hinzufügen:", "Neuer Eintrag", entry) && !entry.empty()) {
    const bool known = std::any_of(mmListe.begin(), mmListe.end(),
                                   [&](const std::string& item) { return CompareNoCase(item, entry) == 0; });
    if (!known) Add(entry);
  }
  UpdateButtons();
}

void TfrmStringListe::btnDeleteClick() {
  if (itemIndex < 0) return;
  const std::string& item = mmListe[static_cast<std::size_t>(itemIndex)];
  if (services_.dialogs.MessageDlg(MsgKind::Confirmation, "Eintrag " + UpperCase(item) + " wirklich löschen?",
                                   MsgButtons::YesNo) == MsgResult::Yes) {
    mmListe.erase(mmListe.begin() + itemIndex);
    Select(mmListe.empty() ? -1 : 0);
  }
  UpdateButtons();
}

void TfrmStringListe::btnErsetzenClick() {
  if (itemIndex < 0) return;
  const std::string old = mmListe[static_cast<std::size_t>(itemIndex)];
  std::string entry = old;
  // "Abbrechen" keeps the old entry as the answer, which then simply goes back in.
  if (!services_.dialogs.InputQuery("Einen Eintrag ändern", "Geänderter Eintrag", entry)) entry = old;
  if (!entry.empty()) {
    mmListe.erase(mmListe.begin() + itemIndex);
    Add(entry);
  }
  UpdateButtons();
}

void TfrmStringListe::btnSizeClick(int currentWidth) {
  if (currentWidth < kWideWidth) {
    Width = kWideWidth;
    btnSizeCaption = kNarrow;
  } else {
    Width = kNarrowWidth;
    btnSizeCaption = kWide;
  }
}

}  // namespace fenu

#include "expansion/VariableTable.h"

namespace fenu {

const std::array<VariableRow, 19>& VariableTable() {
  static const std::array<VariableRow, 19> rows{{
      {"DatumNormal", "dd.mm.yy", "Datum normal"},
      {"DatumLang", "dddd, d. mmmm yyyy", "Datum lang"},
      {"ZeitKurz", "hh:nn", "Uhrzeit kurz"},
      {"ZeitLang", "hh:nn:ss", "Uhrzeit lang"},
      {"TagZahl", "d", "Tag als Zahl"},
      {"TagKurz", "ddd", "Tag kurz"},
      {"TagLang", "dddd", "Tag lang"},
      {"MonatZahl", "m", "Monat als Zahl"},
      {"MonatKurz", "mmm", "Monat kurz"},
      {"MonatLang", "mmmm", "Monat lang"},
      {"Jahr", "yyyy", "Jahr"},
      {"DatumKurz", "dd.mm.", "Datum kurz"},
      {"AnwenderText", "UserText", "Anwender-Text"},
      {"DatumMittel", "dddd, dd.mm.yy", "Datum mittel"},
      {"BausteinText", "BausteinText", "Text-Baustein"},
      {"MehrfachTextA", "MehrfachTextA", "Mehrfach-Text Abfrage"},
      {"MehrfachText", "MehrfachText", "Mehrfach-Text Platzhalter"},
      {"Auswahl", "Auswahl", "Auswahl"},
      {"Optional", "Optional", "Optionaler Text"},
  }};
  return rows;
}

std::string LookupVariable(std::string_view name) {
  for (const VariableRow& row : VariableTable())
    if (name == row.name) return row.value;
  return {};
}

}  // namespace fenu

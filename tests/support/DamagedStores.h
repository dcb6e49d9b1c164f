#pragma once
// Store files damaged as a disk, a cut-off copy or a hostile sender leaves them, each with what
// the reader says about it.
#include <string>
#include <vector>

#include "core/FileIo.h"
#include "support/TreeBytes.h"

namespace fenu::test {

struct DamagedFile {
  std::string name;
  std::string bytes;
  std::string reason;  // what the error names: what is wrong and at which byte
};

// A tree file of one entry per level, each the only child of the one before: "x" in folders.
inline std::string Chain(int levels) {
  std::string out = I32(1);
  for (int level = 0; level < levels; ++level)
    out += I32(1) + "x" + I32(level) + I32(3) + I32(-1) + I32(4) + I32(-1) + I32(level + 1 < levels ? 1 : 0);
  return out;
}

// Tree files. The base record Record("Kunden", 0, 0, -1, 0, nothing) takes bytes 4 to 37.
inline std::vector<DamagedFile> DamagedTrees() {
  const std::string fixtures = std::string(FENU_FIXTURES) + "/store/";
  const std::string head = I32(6) + "Kunden" + I32(0) + I32(0) + I32(-1) + I32(0);
  return {
      {"cut to 200 bytes", *ReadFileBytes(fixtures + "truncated.bdb"), "unerwartetes Ende der Daten bei Byte 199"},
      {"zeroed", std::string(200, '\0'), "196 überzählige Bytes nach dem Ende des Baums bei Byte 4"},
      {"text length beyond the file", I32(1) + I32(0x7FFFFFFF) + "Kunden", "unerwartetes Ende der Daten bei Byte 8"},
      {"data size beyond the file", I32(1) + head + I32(0x7FFFFFFF) + "abc", "unerwartetes Ende der Daten bei Byte 34"},
      {"negative child count", I32(1) + head + I32(-1) + I32(-7), "ungültige Anzahl von Einträgen (-7) bei Byte 34"},
      {"root count beyond the file", I32(0x7FFFFFFF) + Record("Kunden", 0, 0, -1, 0, std::nullopt),
       "unerwartetes Ende der Daten bei Byte 38"},
      // Each entry takes 29 bytes: the 1001st level starts after 4 + 1000 * 29 bytes.
      {"nested deeper than a window shows", Chain(1001), "Einträge in mehr als 1000 Ebenen bei Byte 29004"},
  };
}

// Profile stores (abbreviation index, selection variables) as this program never writes them; a
// store adds its own ways of being cut off.
inline std::vector<DamagedFile> DamagedProfiles() {
  return {
      {"zeroed", std::string(64, '\0'), "Nullbyte bei Byte 0 (keine Textdatei)"},
      {"a tree file", I32(1) + Record("Kunden", 0, 0, -1, 0, std::nullopt), "Nullbyte bei Byte 1 (keine Textdatei)"},
      {"a line that is no entry", "[Main]\r\nmfg 1111111111111.txt\r\n",
       "Zeile 2 bei Byte 8 ist weder Abschnitt noch Eintrag"},
      {"a value longer than a reader takes", "[Main]\r\nx=" + std::string(3000, 'A') + "\r\n",
       "Zeile 2 bei Byte 8: Wert länger als 2047 Zeichen"},
  };
}

}  // namespace fenu::test

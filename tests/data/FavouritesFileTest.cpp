#include "data/FavouritesFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <vector>

#include "core/Errors.h"
#include "support/TempDir.h"

namespace fenu {
namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows Cells(const StringGrid& grid) {
  Rows rows;
  for (int r = 0; r < grid.RowCount(); ++r) {
    rows.emplace_back();
    for (int c = 0; c < grid.ColCount(); ++c) rows.back().push_back(grid.Cell(c, r));
  }
  return rows;
}

TEST(FavouritesFile, WritesEveryCellWithATabAndEveryRowWithCrLf) {
  StringGrid grid(2, 3);
  grid.SetCell(0, 0, "Bezeichnung");
  grid.SetCell(1, 0, "Pfad");
  grid.SetCell(0, 2, "Dokumente");
  grid.SetCell(1, 2, "C:\\Users\\Anna\\Dokumente");
  EXPECT_EQ(FormatFavourites(grid),
            "Bezeichnung\tPfad\t\r\n"
            "\t\t\r\n"
            "Dokumente\tC:\\Users\\Anna\\Dokumente\t\r\n");
}

TEST(FavouritesFile, ReadsLinesIntoRowsAndGrowsButNeverShrinks) {
  struct Case {
    const char* name;
    std::string bytes;
    Rows rows;  // what a fresh grid of the header and one empty row holds afterwards
  };
  const Case cases[] = {
      {"empty file", "", {{"", ""}, {"", ""}}},
      {"header only", "A\tB\t\r\n", {{"A", "B"}, {"", ""}}},
      {"one folder", "A\tB\t\r\nDok\tC:\\Dok\t\r\n", {{"A", "B"}, {"Dok", "C:\\Dok"}}},
      {"empty row", "A\tB\t\r\n\t\t\r\nx\ty\t\r\n", {{"A", "B"}, {"", ""}, {"x", "y"}}},
      {"missing last tab", "A\tB\r\nDok\tC:\\Dok", {{"A", "B"}, {"Dok", "C:\\Dok"}}},
      {"more cells", "A\tB\t\r\na\tb\tc\t\r\n", {{"A", "B", ""}, {"a", "b", "c"}}},
      {"an empty cell between", "A\t\tC\r\n", {{"A", "", "C"}, {"", "", ""}}},
      {"fewer cells", "A\r\nname\r\n", {{"A", ""}, {"name", ""}}},
      {"empty line", "A\tB\t\r\n\r\nx\ty\t\r\n", {{"A", "B"}, {"", ""}, {"x", "y"}}},
      {"LF and CR", "A\tB\t\nx\ty\t\rz\tw\t\n", {{"A", "B"}, {"x", "y"}, {"z", "w"}}},
      {"blank line at the end", "A\tB\t\r\n\r\n", {{"A", "B"}, {"", ""}}},
      {"cp1252 bytes kept", "A\tB\t\r\nB\xFC" "ro\tC:\\B\xFC" "ro\t\r\n", {{"A", "B"}, {"B\xFCro", "C:\\B\xFCro"}}},
  };
  for (const Case& c : cases) {
    StringGrid grid(2, 2);
    ParseFavourites(c.bytes, grid);
    EXPECT_EQ(Cells(grid), c.rows) << c.name;
  }
}

TEST(FavouritesFile, LoadingKeepsWhatTheGridHasBeyondTheFile) {
  StringGrid grid(2, 4);
  grid.SetCell(0, 3, "bleibt");
  ParseFavourites("A\tB\t\r\nx\t\r\n", grid);
  EXPECT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(grid.Cell(0, 1), "x");
  EXPECT_EQ(grid.Cell(0, 3), "bleibt");
}

TEST(FavouritesFile, WhatItWritesReadsBackTheSame) {
  for (const std::string bytes : {"Bezeichnung\tPfad\t\r\n\t\t\r\n", "Bezeichnung\tPfad\t\r\nD:\\\tD:\\\t\r\n\t\t\r\n",
                                  "Bezeichnung\tPfad\t\t\r\na\tb\tc\t\r\n"}) {
    StringGrid grid(2, 2);
    ParseFavourites(bytes, grid);
    EXPECT_EQ(FormatFavourites(grid), bytes);
  }
}

TEST(FavouritesFile, TooManyCellsAreRefusedBeforeTheGridChanges) {
  StringGrid grid(2, 2);
  grid.SetCell(0, 1, "vorher");
  // 2048 lines, one of them with 1024 cells: two million cells.
  std::string bytes(1024, '\t');
  for (int i = 0; i < 2047; ++i) bytes += "\r\n";
  EXPECT_THROW(ParseFavourites(bytes, grid), FileError);
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(grid.ColCount(), 2);
  EXPECT_EQ(grid.Cell(0, 1), "vorher");
}

TEST(FavouritesFile, FilesThatAreMissingUnreadableOrUnwritable) {
  test::TempDir dir;
  const std::string path = dir.Path() + "Daten\\Fafo.fdb";
  StringGrid grid(2, 2);

  // Writing creates the folder.
  EXPECT_EQ(ReadFavouritesFile(path, grid), FavouritesLoad::Missing);
  grid.SetCell(0, 1, "Dok");
  WriteFavouritesFile(path, grid);
  EXPECT_EQ(dir.Read("Daten/Fafo.fdb"), "\t\t\r\nDok\t\t\r\n");

  // A read-only file is not replaced, and nothing else is left behind.
  ::chmod(dir.File("Daten/Fafo.fdb").c_str(), 0444);
  grid.SetCell(0, 1, "Neu");
  EXPECT_THROW(WriteFavouritesFile(path, grid), FileError);
  EXPECT_EQ(dir.Read("Daten/Fafo.fdb"), "\t\t\r\nDok\t\t\r\n");

  // A folder in the file's place cannot be read.
  dir.Write("Andere/Fafo.fdb/x", "");
  EXPECT_THROW(ReadFavouritesFile(dir.Path() + "Andere\\Fafo.fdb", grid), FileError);
  // A file in the folder's place lets nothing be written.
  dir.Write("Datei", "");
  EXPECT_THROW(WriteFavouritesFile(dir.Path() + "Datei\\Fafo.fdb", grid), FileError);
}

}  // namespace
}  // namespace fenu

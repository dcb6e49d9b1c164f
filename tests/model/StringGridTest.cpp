#include "model/StringGrid.h"

#include <gtest/gtest.h>

namespace fenu {
namespace {

TEST(StringGrid, DeleteRowKeepsTheHeaderAndTheLastRow) {
  struct Case {
    int rows;
    int deleted;
    bool done;
    int rowsAfter;
  };
  const Case cases[] = {
      {2, 1, false, 2},   // only one row below the header
      {3, 0, false, 3},   // the header row
      {3, 3, false, 3},   // outside the grid
      {3, -1, false, 3},  // outside the grid
      {3, 1, true, 2},
      {3, 2, true, 2},
  };
  for (const Case& c : cases) {
    StringGrid grid(2, c.rows);
    for (int r = 0; r < c.rows; ++r) grid.SetCell(0, r, "r" + std::to_string(r));
    EXPECT_EQ(grid.DeleteRow(c.deleted), c.done) << c.rows << " " << c.deleted;
    EXPECT_EQ(grid.RowCount(), c.rowsAfter) << c.rows << " " << c.deleted;
    EXPECT_EQ(grid.Cell(0, 0), "r0");
  }
}

TEST(StringGrid, DeletingTheLastRowMovesTheCurrentRowUpAndOthersKeepTheirPlace) {
  StringGrid grid(2, 4);
  for (int r = 0; r < 4; ++r) grid.SetCell(1, r, "r" + std::to_string(r));
  grid.SetCurrent(1, 3);
  ASSERT_TRUE(grid.DeleteRow(3));
  EXPECT_EQ(grid.row, 2);
  grid.SetCurrent(0, 1);
  ASSERT_TRUE(grid.DeleteRow(1));
  EXPECT_EQ(grid.row, 1);
  EXPECT_EQ(grid.Cell(1, 1), "r2");
}

TEST(StringGrid, CellsOutsideReadEmptyAndIgnoreWritesAndTheCurrentCellStaysInside) {
  StringGrid grid(2, 2);
  grid.SetCell(5, 1, "x");
  grid.SetCell(1, -1, "x");
  EXPECT_EQ(grid.Cell(5, 1), "");
  EXPECT_EQ(grid.Cell(-1, 0), "");
  grid.SetCurrent(9, 9);
  EXPECT_EQ(grid.col, 1);
  EXPECT_EQ(grid.row, 1);
  grid.SetCurrent(-3, 0);  // never the header while there are other rows
  EXPECT_EQ(grid.col, 0);
  EXPECT_EQ(grid.row, 1);

  grid.SetColCount(3);
  EXPECT_EQ(grid.ColWidth(2), StringGrid::kDefaultColWidth);
  grid.SetColWidth(2, -20);
  EXPECT_EQ(grid.ColWidth(2), 0);
  grid.AppendRow();
  EXPECT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(grid.Cell(2, 2), "");
}

}  // namespace
}  // namespace fenu

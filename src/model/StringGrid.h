#pragma once
// A grid of texts with fixed (header) rows at the top, as the list windows keep it: cells by column
// and row, the current cell, the column widths, rows appended at the end and deleted within limits.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace fenu {

class StringGrid {
 public:
  static constexpr int kDefaultColWidth = 64;

  StringGrid(int colCount, int rowCount, int fixedRows = 1);

  int ColCount() const { return static_cast<int>(colWidths_.size()); }
  int RowCount() const { return static_cast<int>(rows_.size()); }
  int FixedRows() const { return fixedRows_; }
  // Growing adds empty cells; shrinking drops the last ones. At least one row and one column stay.
  void SetColCount(int count);
  void SetRowCount(int count);

  // Empty outside the grid; writing outside the grid changes nothing.
  const std::string& Cell(int col, int row) const;
  void SetCell(int col, int row, std::string_view text);

  // Width in pixels at 96 dots per inch; outside the grid the default width.
  int ColWidth(int col) const;
  void SetColWidth(int col, int width);

  // The current cell; the current row is never a fixed row while there are others.
  int col = 0;
  int row = 1;
  void SetCurrent(int newCol, int newRow);

  void AppendRow();
  // Deletes a row and keeps the current row in the grid. Does nothing for a fixed row, for a row
  // outside the grid, or when only one row besides the fixed rows is left; false then.
  bool DeleteRow(int index);

 private:
  int fixedRows_;
  std::vector<int> colWidths_;
  std::vector<std::vector<std::string>> rows_;
};

}  // namespace fenu

#include "model/StringGrid.h"

#include <algorithm>

namespace fenu {
namespace {
const std::string kEmpty;
}  // namespace

StringGrid::StringGrid(int colCount, int rowCount, int fixedRows) : fixedRows_(std::max(0, fixedRows)) {
  SetColCount(colCount);
  SetRowCount(rowCount);
  SetCurrent(0, fixedRows_);
}

void StringGrid::SetColCount(int count) {
  const auto size = static_cast<std::size_t>(std::max(1, count));
  colWidths_.resize(size, kDefaultColWidth);
  for (auto& cells : rows_) cells.resize(size);
  col = std::min(col, ColCount() - 1);
}

void StringGrid::SetRowCount(int count) {
  rows_.resize(static_cast<std::size_t>(std::max(1, count)), std::vector<std::string>(colWidths_.size()));
  row = std::min(row, RowCount() - 1);
}

const std::string& StringGrid::Cell(int c, int r) const {
  if (c < 0 || r < 0 || c >= ColCount() || r >= RowCount()) return kEmpty;
  return rows_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
}

void StringGrid::SetCell(int c, int r, std::string_view text) {
  if (c < 0 || r < 0 || c >= ColCount() || r >= RowCount()) return;
  rows_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = std::string(text);
}

int StringGrid::ColWidth(int c) const {
  if (c < 0 || c >= ColCount()) return kDefaultColWidth;
  return colWidths_[static_cast<std::size_t>(c)];
}

void StringGrid::SetColWidth(int c, int width) {
  if (c < 0 || c >= ColCount()) return;
  colWidths_[static_cast<std::size_t>(c)] = std::max(0, width);
}

void StringGrid::SetCurrent(int newCol, int newRow) {
  col = std::clamp(newCol, 0, ColCount() - 1);
  const int firstRow = std::min(fixedRows_, RowCount() - 1);
  row = std::clamp(newRow, firstRow, RowCount() - 1);
}

void StringGrid::AppendRow() { SetRowCount(RowCount() + 1); }

bool StringGrid::DeleteRow(int index) {
  if (index < fixedRows_ || index >= RowCount() || RowCount() - fixedRows_ <= 1) return false;
  rows_.erase(rows_.begin() + index);
  SetCurrent(col, row);
  return true;
}

}  // namespace fenu

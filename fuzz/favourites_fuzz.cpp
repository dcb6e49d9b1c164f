// Feeds any bytes to the favourites-file reader. A FileError (too many cells) is the only
// acceptable way to fail, and then the grid is left as it was; what loads stays within the cell
// limit, keeps the grid's rows and columns, and writes a file that reads back to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/Errors.h"
#include "data/FavouritesFile.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  fenu::StringGrid grid(2, 2);
  grid.SetCell(0, 1, "vorher");
  try {
    fenu::ParseFavourites(bytes, grid);
  } catch (const fenu::FileError&) {
    Check(grid.ColCount() == 2 && grid.RowCount() == 2 && grid.Cell(0, 1) == "vorher");
    return 0;
  }
  Check(grid.ColCount() >= 2 && grid.RowCount() >= 2);
  Check(static_cast<std::size_t>(grid.ColCount()) * static_cast<std::size_t>(grid.RowCount()) <=
        fenu::kMaxFavouriteCells);

  const std::string written = fenu::FormatFavourites(grid);
  fenu::StringGrid again(2, 2);
  fenu::ParseFavourites(written, again);
  Check(again.ColCount() == grid.ColCount() && again.RowCount() == grid.RowCount());
  Check(fenu::FormatFavourites(again) == written);
  return 0;
}

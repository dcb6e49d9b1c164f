#pragma once
// The favourites file Daten\Fafo.fdb: one line per grid row, the header row first, every cell
// followed by a TAB, lines ending in CR LF, cp1252 text.
#include <string>
#include <string_view>

#include "model/StringGrid.h"

namespace fenu {

inline constexpr const char* kFavouritesFile = "Daten\\Fafo.fdb";
// More cells than this (rows times columns after loading) are refused: no list of folders comes
// near it, and the grid keeps every cell of every row.
inline constexpr std::size_t kMaxFavouriteCells = std::size_t{1} << 20;

// Line n fills row n from column 0, split at its TABs (a missing last TAB is supplied). The grid
// grows by rows and columns as needed and never shrinks. Lines end at CR LF, LF or CR. Throws
// FileError when the grid would get more than kMaxFavouriteCells cells, before changing it.
void ParseFavourites(std::string_view bytes, StringGrid& grid);
std::string FormatFavourites(const StringGrid& grid);

enum class FavouritesLoad { Loaded, Missing };
// Reads the file at path into the grid; Missing when there is no file (the grid stays as it
// is). Throws FileError when the file exists but cannot be read or holds too many cells.
FavouritesLoad ReadFavouritesFile(std::string_view path, StringGrid& grid);
// Writes the whole grid, creating the file's folder when needed; the old file stays as it was
// when writing fails (FileError).
void WriteFavouritesFile(std::string_view path, const StringGrid& grid);

}  // namespace fenu

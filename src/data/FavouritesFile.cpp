#include "data/FavouritesFile.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "core/Errors.h"
#include "core/FileIo.h"
#include "core/IniFile.h"
#include "core/SafeFile.h"
#include "core/TextLines.h"

namespace fenu {
namespace {

std::size_t CellCount(std::string_view line) {
  const auto tabs = static_cast<std::size_t>(std::count(line.begin(), line.end(), '\t'));
  return line.empty() || line.back() != '\t' ? tabs + 1 : tabs;
}

}  // namespace

void ParseFavourites(std::string_view bytes, StringGrid& grid) {
  const std::vector<TextLine> lines = SplitLines(bytes);
  std::size_t cols = static_cast<std::size_t>(grid.ColCount());
  for (const TextLine& line : lines) cols = std::max(cols, CellCount(line.text));
  const std::size_t rows = std::max(static_cast<std::size_t>(grid.RowCount()), lines.size());
  if (cols > kMaxFavouriteCells || rows > kMaxFavouriteCells / cols)
    throw FileError("Die Liste hat zu viele Zeilen oder Spalten.");
  grid.SetColCount(static_cast<int>(cols));
  grid.SetRowCount(static_cast<int>(rows));
  for (std::size_t r = 0; r < lines.size(); ++r) {
    std::string_view rest = lines[r].text;
    for (int c = 0; !rest.empty(); ++c) {
      const std::size_t tab = rest.find('\t');
      grid.SetCell(c, static_cast<int>(r), rest.substr(0, tab));
      rest = tab == std::string_view::npos ? std::string_view() : rest.substr(tab + 1);
    }
  }
}

std::string FormatFavourites(const StringGrid& grid) {
  std::string out;
  for (int r = 0; r < grid.RowCount(); ++r) {
    for (int c = 0; c < grid.ColCount(); ++c) {
      out += grid.Cell(c, r);
      out += '\t';
    }
    out += "\r\n";
  }
  return out;
}

FavouritesLoad ReadFavouritesFile(std::string_view path, StringGrid& grid) {
  std::error_code ec;
  if (!std::filesystem::exists(ToFsPath(path), ec) && !ec) return FavouritesLoad::Missing;
  const std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) throw FileError("Die Datei lässt sich nicht öffnen.");
  ParseFavourites(*bytes, grid);
  return FavouritesLoad::Loaded;
}

void WriteFavouritesFile(std::string_view path, const StringGrid& grid) {
  const std::string folder = ExtractFilePath(path);
  if (!folder.empty() && !ForceDirectories(folder)) throw FileError(WriteErrorText(path));
  WriteFileSafely(path, FormatFavourites(grid));
}

}  // namespace fenu

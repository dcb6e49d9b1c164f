#pragma once
// Files named by cp1252 paths in the system's own form (backslashes, drive letters). On Windows
// the path is handed to the wide file functions; elsewhere backslashes become slashes so that the
// same core runs natively.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace fenu {

std::filesystem::path ToFsPath(std::string_view path);

bool FileExists(std::string_view path);
bool DirectoryExists(std::string_view path);
// True when the file exists and carries no write permission (the read-only attribute on Windows).
bool IsReadOnlyFile(std::string_view path);

// The whole file as bytes, or nothing when it cannot be opened.
std::optional<std::string> ReadFileBytes(std::string_view path);

// Writes bytes to a new file beside path and then moves it over path, so that a failure leaves
// the old file as it was. Returns false when the file cannot be written.
[[nodiscard]] bool WriteFileReplacing(std::string_view path, std::string_view bytes);

// Creates the folder and its parents; false when that fails.
bool ForceDirectories(std::string_view path);

// Folder part with its trailing separator ("C:\a\b.txt" -> "C:\a\"), empty if there is none.
std::string ExtractFilePath(std::string_view path);
std::string ExtractFileName(std::string_view path);
std::string IncludeTrailingBackslash(std::string_view path);

}  // namespace fenu

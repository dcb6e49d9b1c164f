#pragma once
// fenu-cli: the commands and what they share. Arguments arrive as cp1252; output is UTF-8.
#include <cstdio>
#include <string>
#include <vector>

namespace fenu::cli {

// Exit codes: success, wrong input (with a German message on standard error), wrong call.
inline constexpr int kOk = 0;
inline constexpr int kInputError = 1;
inline constexpr int kUsageError = 2;

// Writes cp1252 text as UTF-8.
void PrintUtf8(std::FILE* stream, const std::string& cp1252);
// Writes bytes as they are (UTF-8 already).
void PrintRaw(const std::string& utf8);
// Prints how to call the tool and returns kUsageError.
int Usage();
// Prints the problems a check found, one per line, or "Keine Probleme gefunden."; kOk when there
// are none, kInputError otherwise.
int ReportProblems(const std::vector<std::string>& problems);

int HotkeyCommand(const std::vector<std::string>& args);
int DbCommand(const std::vector<std::string>& args);
int ArchiveCommand(const std::vector<std::string>& args);
int KeysCommand(const std::vector<std::string>& args);
int ExpandCommand(const std::vector<std::string>& args);
int CalendarCommand(const std::vector<std::string>& args);

}  // namespace fenu::cli

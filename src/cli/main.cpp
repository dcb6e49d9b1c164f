// fenu-cli: the building-block tool's files without a window. Speaks UTF-8 on the command line
// and cp1252 in the files.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "core/Cp1252.h"
#include "core/Errors.h"

namespace fenu::cli {


void PrintUtf8(std::FILE* stream, const std::string& cp1252) {
  const std::string text = Cp1252ToUtf8(cp1252);
  std::fwrite(text.data(), 1, text.size(), stream);
}

void PrintRaw(const std::string& utf8) { std::fwrite(utf8.data(), 1, utf8.size(), stdout); }

int ReportProblems(const std::vector<std::string>& problems) {
  for (const std::string& problem : problems) PrintUtf8(stdout, problem + "\n");
  if (!problems.empty()) return kInputError;
  PrintUtf8(stdout, "Keine Probleme gefunden.\n");
  return kOk;
}

int Usage() {
  PrintUtf8(stderr,
            "Aufruf: fenu-cli <Befehl> ...\n"
            "Befehle:\n"
            "  hotkey ERSTER ZWEITER           HotKey-Angabe umrechnen, z. B. hotkey \"[Gross-Strg]\" F5\n"
            "  db dump DATEI.bdb               Baum der Datenbank als JSON ausgeben\n"
            "  db check DATEI.bdb              Datenbank prüfen, Probleme auflisten\n"
            "  db export DATEI.bdb AUS.json    ganze Datenbank samt Texten als JSON schreiben\n"
            "  db import EIN.json DATEI.bdb    Datenbank aus einem solchen JSON-Dokument schreiben\n"
            "  archive dump DATEI.adb          Baum des Text-Archivs als JSON ausgeben\n"
            "  archive check DATEI.adb         Text-Archiv prüfen, Probleme auflisten\n"
            "  archive export DATEI.adb AUS.json\n"
            "                                  ganzes Archiv samt Texten als JSON schreiben\n"
            "  archive import EIN.json DATEI.adb\n"
            "                                  Archiv aus einem solchen JSON-Dokument schreiben\n"
            "  archive find DATEI.adb TEXT     Texte suchen, deren Schlagworte TEXT enthalten\n"
            "  keys TEXT                       Tastenereignisse zeigen, die TEXT im Sendkeys-Modus auslöst\n"
            "  expand --blocks ORDNER [--now \"JJJJ-MM-TT HH:MM:SS\"] [--answer TEXT]... (--text TEXT | --file DATEI)\n"
            "                                  Variablen eines Textes einsetzen und das Ergebnis ausgeben\n"
            "  calendar --state N --date JJJJ-MM-TT [--time HH:MM:SS] [--tz-offset MINUTEN]\n"
            "                                  Kalenderangaben zu einem Tag als JSON ausgeben\n"
            "  calendar --year JJJJ [--state N] [--tz-offset MINUTEN]\n"
            "                                  Feiertage und besondere Tage eines Jahres auflisten\n");
  return kUsageError;
}

namespace {

int Run(const std::vector<std::string>& args) {
  if (args.empty()) return Usage();
  const std::string& command = args[0];
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  try {
    if (command == "hotkey") return HotkeyCommand(rest);
    if (command == "db") return DbCommand(rest);
    if (command == "archive") return ArchiveCommand(rest);
    if (command == "expand") return ExpandCommand(rest);
    if (command == "keys") return KeysCommand(rest);
    if (command == "calendar") return CalendarCommand(rest);
  } catch (const FenuError& e) {
    PrintUtf8(stderr, std::string("Fehler: ") + e.what() + "\n");
    return kInputError;
  }
  PrintUtf8(stderr, "Unbekannter Befehl \"" + command + "\"\n");
  return Usage();
}

}  // namespace
}  // namespace fenu::cli

#ifdef _WIN32
// Arguments arrive as UTF-16 and go straight to cp1252.
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    std::u16string wide;
    for (const wchar_t* p = argv[i]; *p; ++p) wide += static_cast<char16_t>(*p);
    args.push_back(fenu::Utf16ToCp1252(wide));
  }
  return fenu::cli::Run(args);
}
#else
int main(int argc, char** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(fenu::Utf8ToCp1252(argv[i]));
  return fenu::cli::Run(args);
}
#endif

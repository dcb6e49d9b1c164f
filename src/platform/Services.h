#pragma once
// The operating system as the core sees it. Each service has a Win32 implementation
// (platform/win32) and a scriptable fake for tests (platform/fake).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FontSpec.h"

namespace fenu {

// A window of this or another application; 0 means none.
using WindowHandle = std::uintptr_t;

// The kind of a standard message box decides its title: "Bestätigung", "Fehler", "Information",
// "Warnung"; a plain message carries the application's title "quenlia:FENU".
enum class MsgKind { Plain, Confirmation, Error, Information, Warning };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgResult { Ok, Cancel, Yes, No };

const char* MsgKindTitle(MsgKind kind);

// The common file dialogs. The filter is written "Text|*.ext|Text|*.*".
struct FileDialogOptions {
  std::string title;
  std::string filter;
  std::string defaultExt;  // without the dot
  std::string initialDir;  // empty: the dialog's own choice
  bool overwritePrompt = false;
  bool pathMustExist = false;
  bool fileMustExist = false;
  bool noChangeDir = true;
};

class IDialogs {
 public:
  virtual ~IDialogs() = default;
  // Modal box with German title and buttons ("&Ja", "&Nein", "OK", "Abbrechen").
  virtual MsgResult MessageDlg(MsgKind kind, std::string_view text, MsgButtons buttons = MsgButtons::Ok) = 0;
  // A one-line input dialog with "OK" and "Abbrechen"; value goes in as the start text and comes
  // back as the answer. False when cancelled.
  virtual bool InputQuery(std::string_view caption, std::string_view prompt, std::string& value) = 0;
  // False when cancelled; path holds the chosen file otherwise.
  virtual bool OpenFile(const FileDialogOptions& options, std::string& path) = 0;
  virtual bool SaveFile(const FileDialogOptions& options, std::string& path) = 0;
};

enum class SoundKind { Default, Exclamation };

class ISound {
 public:
  virtual ~ISound() = default;
  // The system's sound that precedes a refusal.
  virtual void Beep(SoundKind kind) = 0;
};

// The user's locale decides the order of names.
class ICollation {
 public:
  virtual ~ICollation() = default;
  // Negative, zero or positive, ignoring case.
  virtual int CompareText(std::string_view a, std::string_view b) = 0;
  // Negative, zero or positive, with case (lower case first among otherwise equal texts).
  virtual int CompareStr(std::string_view a, std::string_view b) = 0;
};

class IHotkeyService {
 public:
  virtual ~IHotkeyService() = default;
  // Global atom table: adding returns the atom's value (0 on failure).
  virtual std::uint16_t AddAtom(std::string_view name) = 0;
  virtual void DeleteAtom(std::uint16_t atom) = 0;
  // Registers a system-wide hotkey for the shell's window; false when the system refuses it.
  virtual bool RegisterHotkey(std::uint32_t id, unsigned modifiers, unsigned key) = 0;
  virtual void UnregisterHotkey(std::uint32_t id) = 0;
};

class IFocus {
 public:
  virtual ~IFocus() = default;
  // The control with the keyboard focus in the foreground window, or 0.
  virtual WindowHandle CaptureTarget() = 0;
  // Brings window to the foreground against the system's foreground lock; when another program's
  // window came to the front, waits (bounded) until it has taken the activation.
  virtual bool ForceForeground(WindowHandle window) = 0;
};

enum class ShowState { Normal, Maximized, Hidden };

class IShellExec {
 public:
  virtual ~IShellExec() = default;
  // Asks the platform shell to open target (a document, a web page, a mail address or a
  // program) with arguments; never waits and never reports a failure.
  virtual void Execute(std::string_view target, std::string_view arguments, ShowState state) = 0;
};

class IHelpViewer {
 public:
  virtual ~IHelpViewer() = default;
  // Opens the compiled help file at a topic page; a missing file is not reported.
  virtual void ShowTopic(std::string_view helpFile, std::string_view topic) = 0;
};

class IInstance {
 public:
  virtual ~IInstance() = default;
  // Creates the named mutex owned by this process; true when it already existed.
  virtual bool CreateOwnedMutexExisted(std::string_view name) = 0;
};

class IVersionResource {
 public:
  virtual ~IVersionResource() = default;
  // Reads the version resource of an executable; false when the file or the resource is missing.
  virtual bool Read(std::string_view file, std::string& block) = 0;
  // The first entry of "\VarFileInfo\Translation": language and code page.
  virtual bool Translation(const std::string& block, std::uint16_t& language, std::uint16_t& codePage) = 0;
  // A string entry such as "\StringFileInfo\040704E4\FileVersion"; false when it does not exist.
  virtual bool QueryString(const std::string& block, std::string_view key, std::string& value) = 0;
};

class IFolderBrowser {
 public:
  virtual ~IFolderBrowser() = default;
  // The platform's folder-browse dialog with title above its tree, rooted at the desktop and
  // accepting file-system folders only. False when cancelled; path holds the folder otherwise.
  virtual bool BrowseForFolder(std::string_view title, std::string& path) = 0;
};

class IFontDialog {
 public:
  virtual ~IFontDialog() = default;
  // The platform's font dialog (screen fonts, with effects and colour), modal to the active
  // window and started at font. False when cancelled; font holds the choice otherwise. A colour
  // left as it was keeps its identity (a system colour stays one).
  virtual bool Choose(FontSpec& font) = 0;
};

// The options of the find and replace dialogs, named after the platform dialog's flags. down,
// matchCase and wholeWord are the user's choices; the others only shape the dialog.
struct FindOptions {
  bool down = true;
  bool matchCase = false;
  bool wholeWord = false;
  bool hideUpDown = false;
  bool hideMatchCase = false;
  bool hideWholeWord = false;
  bool disableUpDown = false;
  bool disableMatchCase = false;
  bool disableWholeWord = false;
  bool showHelp = false;  // a help button, reported as FindAction::Help

  bool operator==(const FindOptions&) const = default;
};

enum class FindDialogKind { Find, Replace };

// What the user did in the dialog: "Weitersuchen", "Ersetzen", "Alle ersetzen", "Hilfe", or the
// dialog closed (always the last event of a dialog, unless it was discarded).
enum class FindAction { FindNext, Replace, ReplaceAll, Help, Closed };

// One event of the dialog with the dialog's state at that moment.
struct FindEvent {
  FindAction action = FindAction::FindNext;
  std::string findWhat;
  std::string replaceWith;  // empty in the find dialog
  FindOptions options;
};

class IFindListener {
 public:
  virtual ~IFindListener() = default;
  virtual void OnFindEvent(const FindEvent& event) = 0;
};

// The platform's modeless find and replace dialogs; at most one is open at a time.
class IFindReplace {
 public:
  virtual ~IFindReplace() = default;
  // Shows the find or the replace dialog beside the active window, which stays usable, with the
  // texts and options to start with; an open dialog is discarded first. Its events go to
  // listener until it closes.
  virtual void Open(FindDialogKind kind, std::string_view findWhat, std::string_view replaceWith,
                    const FindOptions& options, IFindListener& listener) = 0;
  // Closes the open dialog as its close button would: the listener hears FindAction::Closed.
  virtual void Close() = 0;
  // Removes the open dialog without a word to its listener (for a listener that goes away).
  virtual void Discard() = 0;
  virtual bool IsOpen() const = 0;
};

// A resource of the Windows network as its enumeration describes it.
struct NetResource {
  std::uint32_t scope = 0;
  std::uint32_t type = 0;
  std::uint32_t displayType = 0;
  std::uint32_t usage = 0;
  std::string localName;
  std::string remoteName;
  std::string comment;
  std::string provider;
};

inline constexpr std::uint32_t kResourceConnected = 1;
inline constexpr std::uint32_t kResourceGlobalNet = 2;
inline constexpr std::uint32_t kResourceTypeDisk = 1;
inline constexpr std::uint32_t kResourceUsageContainer = 2;
inline constexpr std::uint32_t kResourceDisplayTypeServer = 2;
inline constexpr std::uint32_t kErrorNoMoreItems = 259;
inline constexpr std::uint32_t kErrorNoNetwork = 1222;

using NetEnumHandle = std::uintptr_t;

// The Windows networking functions and the computer name. Results are the system's error codes,
// 0 for success.
class INetwork {
 public:
  virtual ~INetwork() = default;
  // Opens an enumeration of the resources below start (nullptr: the top of the network).
  virtual std::uint32_t OpenEnum(std::uint32_t scope, std::uint32_t type, std::uint32_t usage,
                                 const NetResource* start, NetEnumHandle& handle) = 0;
  // The next entries of an enumeration, as many as one call hands out; kErrorNoMoreItems at the end.
  virtual std::uint32_t EnumResource(NetEnumHandle handle, std::vector<NetResource>& entries) = 0;
  virtual std::uint32_t CloseEnum(NetEnumHandle handle) = 0;
  virtual std::string ComputerName() = 0;
  // The system's own text for an error code, without a trailing line break.
  virtual std::string ErrorText(std::uint32_t code) = 0;
};

// Everything a window's logic may reach, by reference; no singletons.
struct Services {
  IDialogs& dialogs;
  IHotkeyService& hotkeys;
  IFocus& focus;
  IShellExec& shell;
  IHelpViewer& help;
  IInstance& instance;
  IVersionResource& version;
  ISound& sound;
  ICollation& collation;
  IFolderBrowser& folders;
  INetwork& network;
  IFontDialog& fonts;
  IFindReplace& findReplace;
};

}  // namespace fenu

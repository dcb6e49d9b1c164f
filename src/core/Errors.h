#pragma once
#include <stdexcept>
#include <string>

namespace fenu {

// An error whose message is cp1252 text meant for a person. Errors that nothing catches reach the
// application-wide handler; the command-line tool prints their message.
class FenuError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A text that should have been a number, a hotkey part or the like.
class ConversionError : public FenuError {
 public:
  using FenuError::FenuError;
};

// A file that cannot be created, read or written.
class FileError : public FenuError {
 public:
  using FenuError::FenuError;
};

// A store file that is there but cannot be used: unreadable, cut off or not of its kind. The
// message is the whole text for the user's error box: the file, where reading stopped, and what
// is left to do. Nothing has been written when it is thrown.
class DamagedFileError : public FenuError {
 public:
  using FenuError::FenuError;
};

}  // namespace fenu

#pragma once
// A fresh folder per test, removed afterwards; paths in the system's form with a trailing separator.
#include <filesystem>
#include <map>
#include <string>

namespace fenu::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The folder with a trailing separator, as AppDir is.
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + name; }

  std::string Read(const std::string& name) const;
  void Write(const std::string& name, const std::string& bytes) const;
  // Every file below the folder by its relative path ("Daten/Kunden.bdb"), with its bytes: what
  // a test compares to show that nothing on disk changed.
  std::map<std::string, std::string> Files() const;

 private:
  std::filesystem::path dir_;
  std::string path_;
};

}  // namespace fenu::test

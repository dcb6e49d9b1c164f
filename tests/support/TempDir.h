#pragma once
// A fresh folder per test, removed afterwards; paths in the system's form with a trailing separator.
#include <filesystem>
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

 private:
  std::filesystem::path dir_;
  std::string path_;
};

}  // namespace fenu::test

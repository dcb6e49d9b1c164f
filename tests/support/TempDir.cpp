#include "support/TempDir.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace fenu::test {

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  dir_ = std::filesystem::temp_directory_path() /
         ("fenu-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(dir_);
  std::filesystem::create_directories(dir_);
  path_ = dir_.string() + "/";
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, ignored);
  std::filesystem::remove_all(dir_, ignored);
}

std::string TempDir::Read(const std::string& name) const {
  std::ifstream in(dir_ / name, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void TempDir::Write(const std::string& name, const std::string& bytes) const {
  std::filesystem::create_directories((dir_ / name).parent_path());
  std::ofstream out(dir_ / name, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::map<std::string, std::string> TempDir::Files() const {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir_))
    if (entry.is_regular_file()) {
      const std::string name = std::filesystem::relative(entry.path(), dir_).generic_string();
      files[name] = Read(name);
    }
  return files;
}

}  // namespace fenu::test

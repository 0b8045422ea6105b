#pragma once
// A fresh, empty folder made the current directory for one test (the
// plug-in resolves all its files against the current directory), removed
// again with the previous directory restored afterwards.

#include <filesystem>
#include <string>

namespace velmora::testing {

class WorkingFolder {
 public:
  WorkingFolder();
  ~WorkingFolder();
  WorkingFolder(const WorkingFolder&) = delete;
  WorkingFolder& operator=(const WorkingFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // Writes `bytes` unchanged to a file under the folder, making its folders.
  void writeFile(const std::string& relative, const std::string& bytes) const;
  bool exists(const std::string& relative) const;
  // The bytes of a file under the folder ("" when it cannot be read).
  std::string readFile(const std::string& relative) const;

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

}  // namespace velmora::testing

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
  // Whether a file anywhere under the folder bears a temporary file's
  // ending (".part"), as one left behind by a write would.
  bool holdsTemporaryFile() const;
  // The bytes of a file under the folder ("" when it cannot be read).
  std::string readFile(const std::string& relative) const;
  // Makes `link` a symbolic link to `target` (as the link holds it,
  // relative to the link's folder; on Windows it must exist). False when no
  // link could be made.
  bool makeLink(const std::string& link, const std::string& target);
  // Makes `name` a FIFO (a named pipe, as Linux has them), which no program
  // reads; false when none could be made. isFifo: whether `name` is one.
  bool makeFifo(const std::string& name);
  bool isFifo(const std::string& name) const;
  // Whether opening `link` reaches the file `target` while `link` is not
  // that file itself: a link (or chain of links) to it.
  bool leadsTo(const std::string& link, const std::string& target) const;

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
  bool holdsLinks_ = false;  // Windows cannot remove them: Linux's rm does
};

}  // namespace velmora::testing

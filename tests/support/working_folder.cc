#include "working_folder.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace velmora::testing {

namespace fs = std::filesystem;

WorkingFolder::WorkingFolder() : previous_(fs::current_path()) {
  static std::atomic<int> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  path_ = fs::temp_directory_path() /
          ("velmora-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
  fs::create_directories(path_);
  fs::current_path(path_);
}

WorkingFolder::~WorkingFolder() {
  std::error_code ignored;
  fs::current_path(previous_, ignored);
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(path_, ignored);
}

void WorkingFolder::writeFile(const std::string& relative, const std::string& bytes) const {
  const fs::path file = path_ / relative;
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

bool WorkingFolder::exists(const std::string& relative) const { return fs::exists(path_ / relative); }

std::string WorkingFolder::readFile(const std::string& relative) const {
  std::ifstream in(path_ / relative, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace velmora::testing

#include "plugin_location.h"

#include <filesystem>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace velmora::cli {
namespace {

std::filesystem::path executableFile() {
#if defined(_WIN32)
  std::string name(MAX_PATH, '\0');  // the API fills a caller-sized buffer
  const DWORD length = GetModuleFileNameA(nullptr, name.data(), MAX_PATH);
  name.resize(length);
  return name;
#else
  return std::filesystem::read_symlink("/proc/self/exe");
#endif
}

}  // namespace

std::string defaultPluginFile() {
#if defined(_WIN32)
  const char* file = "Stats.dll";
#else
  const char* file = "libStats.so";
#endif
  const std::filesystem::path folder = executableFile().parent_path();
  const std::filesystem::path beside = folder / file;
  std::error_code error;
  if (std::filesystem::exists(beside, error)) return beside.string();
  // VELMORA_INSTALLED_PLUGIN_DIR is the install layout's, relative to the
  // folder of the installed executable (cmake/install.cmake).
  return (folder / VELMORA_INSTALLED_PLUGIN_DIR / file).lexically_normal().string();
}

}  // namespace velmora::cli

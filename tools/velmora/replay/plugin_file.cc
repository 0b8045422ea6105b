#include "replay/plugin_file.h"

#include <filesystem>

#include "util/user_error.h"

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

}  // namespace

std::unique_ptr<host::PluginHost> loadPlugin(const std::optional<std::string>& file) {
  const std::string name = file.value_or(defaultPluginFile());
  auto plugin = std::make_unique<host::PluginHost>(name, host::ExportNames::Plain);
  if (!plugin->ready()) {
    throw UserError("velmora: cannot load plug-in " + name + ": " + plugin->problem());
  }
  return plugin;
}

}  // namespace velmora::cli

#include "platform/file_settings_store.h"

#include <windows.h>

#include <memory>

namespace velmora {

const char* const kSettingsFileName = "Plugins\\VIRDO.ini";

std::unique_ptr<SettingsStore> openSettingsFile() {
  return std::make_unique<FileSettingsStore>(kSettingsFileName);
}

std::string FileSettingsStore::read(std::string_view section, std::string_view key,
                                    std::string_view fallback) {
  // The profile function needs a caller's buffer of fixed size.
  std::string buffer(kReadBufferSize, '\0');
  // No read gives back more than the buffer holds, so a longer fallback is
  // cut to that first: the system converts the fallback to UTF-16 and cannot
  // convert one of more than 32,767 characters (Wine then reads a stray
  // pointer for it).
  const std::string_view usable = fallback.substr(0, kReadBufferSize - 1);
  const DWORD length = GetPrivateProfileStringA(
      std::string(section).c_str(), std::string(key).c_str(), std::string(usable).c_str(),
      buffer.data(), static_cast<DWORD>(kReadBufferSize), fileName_.c_str());
  buffer.resize(length);
  return buffer;
}

void FileSettingsStore::write(std::string_view section, std::string_view key,
                              std::string_view value) {
  WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                             std::string(value).c_str(), fileName_.c_str());
}

}  // namespace velmora

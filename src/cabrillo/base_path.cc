#include "cabrillo/base_path.h"

#include <algorithm>
#include <array>

#include "text/ascii.h"
#include "text/replace_all.h"

namespace velmora {
namespace {

constexpr std::string_view kRefused = "<>:\"|?*";
constexpr std::array<std::string_view, 4> kDevices = {"CON", "PRN", "AUX", "NUL"};
constexpr std::array<std::string_view, 2> kNumberedDevices = {"COM", "LPT"};

// Windows reserves a device name whatever extension follows it ("CON.X.cbr"),
// and ignores blanks before that extension.
bool isDeviceName(std::string_view name) {
  name = name.substr(0, name.find('.'));
  name = name.substr(0, name.find_last_not_of(' ') + 1);
  const std::string upper = upperAscii(name);
  if (std::find(kDevices.begin(), kDevices.end(), upper) != kDevices.end()) return true;
  return upper.size() == 4 && upper[3] >= '1' && upper[3] <= '9' &&
         std::find(kNumberedDevices.begin(), kNumberedDevices.end(),
                   std::string_view(upper).substr(0, 3)) != kNumberedDevices.end();
}

}  // namespace

std::string basePathFromCall(std::string_view myCall) {
  const std::string path = replaceAll(replaceAll(myCall, "/", "_"), "\\", "_");
  const std::string_view trimmed = trimAsciiBlanks(path);
  return trimmed.empty() ? "VIRDO" : std::string(trimmed);
}

bool isAcceptableBasePath(std::string_view basePath) {
  const bool refusedCharacter = std::any_of(basePath.begin(), basePath.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 32 || kRefused.find(c) != std::string_view::npos;
  });
  return !refusedCharacter && !isDeviceName(basePath);
}

}  // namespace velmora

// Feeds the Linux settings file arbitrary bytes, then reads and writes keys
// through the store as the plug-in does, and checks what the store promises
// whatever the file held:
// - a value read is at most 9999 characters;
// - a value written is read back as written (a plain value without blanks
//   or quotes at its ends);
// - a rewrite keeps every other key: a key of another section reads the same
//   before and after;
// - the file as rewritten reads back to itself (parsing and writing again
//   changes nothing).

#include <fuzzer/FuzzedDataProvider.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

#include "fuzz_require.h"
#include "platform/file_settings_store.h"
#include "platform/posix/ini_document.h"

namespace {

namespace fs = std::filesystem;
using velmora::fuzz::require;

fs::path settingsFile;

// A name or value the plug-in itself could use: letters and digits only.
std::string plainText(FuzzedDataProvider& in, std::size_t longest) {
  std::string text = in.ConsumeRandomLengthString(longest);
  for (char& c : text) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = 'a' + static_cast<unsigned char>(c) % 26;
  }
  return text.empty() ? "K" : text;
}

std::string fileBytes() {
  std::ifstream in(settingsFile, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const fs::path folder = fs::temp_directory_path() / ("velmora-ini-fuzz-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  settingsFile = folder / "VIRDO.ini";
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string section = plainText(in, 8);
  const std::string key = plainText(in, 8);
  const std::string value = plainText(in, 16);
  const std::string otherSection = section + "x";
  const std::string otherKey = plainText(in, 8);
  std::ofstream(settingsFile, std::ios::binary | std::ios::trunc) << in.ConsumeRemainingBytesAsString();

  velmora::FileSettingsStore store(settingsFile.string());
  const std::string other = store.read(otherSection, otherKey, "(none)");
  require(other.size() <= 9999 && store.read(section, key, "").size() <= 9999,
          "a value read has at most 9999 characters");

  store.write(section, key, value);
  require(store.read(section, key, "(none)") == value, "a value written is read back");
  require(store.read(otherSection, otherKey, "(none)") == other, "a rewrite keeps other keys");

  const std::string rewritten = fileBytes();
  require(velmora::IniDocument::parse(rewritten).serialize() == rewritten,
          "a rewritten file reads back to itself");
  return 0;
}

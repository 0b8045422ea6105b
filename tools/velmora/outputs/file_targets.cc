#include "outputs/file_targets.h"

#include <filesystem>
#include <fstream>
#include <ostream>

#include "files/whole_file.h"
#include "ports/settings_file.h"
#include "util/user_error.h"

namespace velmora::cli {
namespace {

constexpr char kSettingsFolder[] = "Plugins";

bool isFileOrNothing(FileKind kind) { return kind == FileKind::Missing || kind == FileKind::Regular; }

}  // namespace

std::string kindInWords(FileKind kind) {
  switch (kind) {
    case FileKind::Folder: return "a folder";
    case FileKind::CharacterDevice: return "a character device";
    case FileKind::BlockDevice: return "a block device";
    case FileKind::Fifo: return "a FIFO";
    case FileKind::Socket: return "a socket";
    case FileKind::Missing: return "missing";
    case FileKind::Regular: return "a file";
    case FileKind::Unknown: break;
  }
  return "something that cannot be looked at";
}

void requireFileTarget(const std::string& path, const std::string& option) {
  const FileKind kind = factsOf(path).kind;
  if (isFileOrNothing(kind)) return;
  throw UserError("velmora: " + option + " " + path + " is " + kindInWords(kind) +
                  ", not a file: velmora writes only regular files");
}

void writeOutFile(const std::string& path, const std::string& bytes, std::ostream& err) {
  const bool written = writeFileReplacing(path, bytes, [&err](const std::string& remark) {
    err << "velmora: " << remark << "\n" << std::flush;
  });
  if (!written) throw UserError("velmora: cannot write " + path);
}

void prepareSettingsFolder(std::ostream& err) {
  const FileKind folder = factsOf(kSettingsFolder).kind;
  const std::string why = ": the plug-in could not keep the Cabrillo header's settings";
  if (folder == FileKind::Missing) {
    std::error_code error;
    if (!std::filesystem::create_directory(kSettingsFolder, error)) {
      throw UserError("velmora: cannot make the folder " + std::string(kSettingsFolder) + why);
    }
    err << "velmora: made the folder " << kSettingsFolder << " for the plug-in's settings\n";
    return;
  }
  if (folder != FileKind::Folder) {
    throw UserError("velmora: " + std::string(kSettingsFolder) + " is " + kindInWords(folder) +
                    ", not a folder" + why);
  }
  const FileKind settings = factsOf(kSettingsFileName).kind;
  if (!isFileOrNothing(settings)) {
    throw UserError("velmora: " + std::string(kSettingsFileName) + " is " + kindInWords(settings) +
                    ", not a file" + why);
  }
  // Opened for appending, a file that may be written is left as it is.
  if (settings == FileKind::Regular && !std::ofstream(kSettingsFileName, std::ios::app)) {
    throw UserError("velmora: " + std::string(kSettingsFileName) + " may not be written" + why);
  }
}

}  // namespace velmora::cli

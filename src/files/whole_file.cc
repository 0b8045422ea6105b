#include "files/whole_file.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <random>

#include "ports/file_system.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

// How many fresh names are tried for the temporary file: each is taken only
// by a file that happens to bear a random name of this writer's own shape.
constexpr int kTemporaryNames = 100;
constexpr std::size_t kRandomDigits = 8;

// `target` split into its folder (with its separator, or "") and file name.
struct PlaceOf {
  std::string folder, name;
};

PlaceOf placeOf(const std::string& target) {
  const std::size_t slash = target.find_last_of("/\\");
  if (slash == std::string::npos) return {"", target};
  return {target.substr(0, slash + 1), target.substr(slash + 1)};
}

bool allOf(std::string_view text, bool (*digit)(char)) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (!digit(c)) return false;
  }
  return true;
}

bool isDecimal(char c) { return c >= '0' && c <= '9'; }
bool isLowerHex(char c) { return isDecimal(c) || (c >= 'a' && c <= 'f'); }

// The writer's process of `candidate` when it is a temporary name of
// temporaryNameFor's shape for the file `name`; nullopt otherwise.
std::optional<std::uint64_t> writerOf(std::string_view candidate, const std::string& name) {
  const std::string front = "." + name + ".";
  constexpr std::string_view kBack = ".part";
  if (candidate.size() <= front.size() + kBack.size() || candidate.compare(0, front.size(), front) != 0 ||
      candidate.compare(candidate.size() - kBack.size(), kBack.size(), kBack) != 0) {
    return std::nullopt;
  }
  const std::string_view middle =
      candidate.substr(front.size(), candidate.size() - front.size() - kBack.size());
  const std::size_t dot = middle.find('.');
  if (dot == std::string_view::npos || dot > 19) return std::nullopt;
  const std::string_view process = middle.substr(0, dot);
  const std::string_view random = middle.substr(dot + 1);
  if (!allOf(process, isDecimal) || random.size() != kRandomDigits || !allOf(random, isLowerHex)) {
    return std::nullopt;
  }
  return std::stoull(std::string(process));
}

// Removes the temporary files beside `target` that writers killed part-way
// left behind, where they are provably such (isAbandonedTemporary).
void removeAbandonedTemporaries(const std::string& target) {
  const PlaceOf place = placeOf(target);
  std::error_code error;
  fs::directory_iterator entries(place.folder.empty() ? fs::path(".") : fs::path(place.folder),
                                 error);
  for (const fs::directory_iterator end; !error && entries != end; entries.increment(error)) {
    const std::string candidate = entries->path().filename().string();
    const std::optional<std::uint64_t> writer = writerOf(candidate, place.name);
    const std::string path = place.folder + candidate;
    if (writer && isAbandonedTemporary(path, *writer)) std::remove(path.c_str());
  }
}

std::uint32_t freshRandom() {
  static std::mt19937 generator{std::random_device{}()};
  return static_cast<std::uint32_t>(generator());
}

// Where the bytes went, or why they could not go into a temporary file.
struct Temporary {
  NewFile outcome = NewFile::NameTaken;
  std::string name;
};

// `bytes` in a new temporary file beside `target`, under a name nothing had.
Temporary writeTemporaryFor(const std::string& target, const std::string& bytes) {
  Temporary temporary;
  for (int attempt = 0; attempt < kTemporaryNames; ++attempt) {
    temporary.name = temporaryNameFor(target, thisProcessId(), freshRandom());
    temporary.outcome = writeNewFile(temporary.name, bytes, target);
    if (temporary.outcome != NewFile::NameTaken) break;
  }
  return temporary;
}

// Why the earlier file is written in place, for the remark.
const char* inPlaceReason(NewFile outcome) {
  switch (outcome) {
    case NewFile::NameTooLong: return "its name leaves no room for a temporary file's";
    case NewFile::NameTaken: return "no name for a temporary file is free";
    default: return "this folder takes no new file";
  }
}

bool writeInPlace(const std::string& fileName, const std::string& target, const std::string& bytes,
                  const std::string& reason, const WriteRemarks& remarks) {
  if (remarks) remarks("writing " + fileName + " in place: " + reason);
  return overwriteInPlace(target, bytes, readWholeFile(target));
}

}  // namespace

std::string temporaryNameFor(const std::string& target, std::uint64_t process,
                             std::uint32_t randomPart) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string digits(kRandomDigits, '0');
  for (std::size_t i = 0; i < kRandomDigits; ++i) {
    digits[kRandomDigits - 1 - i] = kHex[(randomPart >> (4 * i)) & 0xf];
  }
  const PlaceOf place = placeOf(target);
  return place.folder + "." + place.name + "." + std::to_string(process) + "." + digits + ".part";
}

bool writeFileReplacing(const std::string& fileName, const std::string& bytes,
                        const WriteRemarks& remarks) {
  const std::string target = finalPathOf(fileName);
  const FileFacts earlier = factsOf(target);
  if (earlier.kind != FileKind::Missing && earlier.kind != FileKind::Regular) return false;
  removeAbandonedTemporaries(target);
  const Temporary temporary = writeTemporaryFor(target, bytes);
  switch (temporary.outcome) {
    case NewFile::Written: break;
    case NewFile::WriteFailed: return false;  // a full disk: nothing left behind
    case NewFile::NoFolder: return false;
    default: return writeInPlace(fileName, target, bytes, inPlaceReason(temporary.outcome), remarks);
  }
  if (earlier.links > 1 && remarks) {
    remarks("replacing " + fileName + ", which has " + std::to_string(earlier.links) +
            " names (hard links): the other " + std::to_string(earlier.links - 1) +
            " keep the earlier text");
  }
  if (replaceFileWith(temporary.name, target)) return true;
  // The earlier file may be written but not replaced (another program holds
  // it open and will not let it be deleted).
  std::remove(temporary.name.c_str());
  return writeInPlace(fileName, target, bytes, "it cannot be replaced (another program holds it open)",
                      remarks);
}

}  // namespace velmora

#include "outputs/cabrillo_outcome.h"

#include <filesystem>

#include "ports/host_answers.h"

namespace velmora::cli {
namespace {

CabrilloWatch* listening = nullptr;

int qsoLinesIn(const std::string& bytes) {
  int lines = 0;
  for (std::size_t at = 0; at < bytes.size();) {
    lines += bytes.compare(at, 4, "QSO:") == 0;
    const std::size_t end = bytes.find('\n', at);
    at = end == std::string::npos ? bytes.size() : end + 1;
  }
  return lines;
}

void addPart(std::string& parts, std::size_t count, const char* one, const char* more) {
  if (count == 0) return;
  parts += (parts.empty() ? "" : ", ") + std::to_string(count) + " " + (count == 1 ? one : more);
}

}  // namespace

CabrilloWatch::CabrilloWatch(std::string fileName)
    : fileName_(std::move(fileName)), before_(factsOf(fileName_)) {
  listening = this;
}

CabrilloWatch::~CabrilloWatch() { listening = nullptr; }

void CabrilloWatch::hear(std::string caption, std::string text) {
  heard_.emplace_back(std::move(caption), std::move(text));
}

CabrilloOutcome CabrilloWatch::outcome(const LogTally& tally) const {
  std::error_code error;
  const std::string path = (std::filesystem::current_path(error) / fileName_).string();
  std::optional<bool> said;
  for (const auto& [caption, text] : heard_) {
    if (caption != "Output") continue;
    if (text == "File produced: " + fileName_) said = true;
    if (text == "File not produced: " + fileName_) said = false;
  }
  const FileFacts after = factsOf(fileName_);
  const bool earlier = before_.kind == FileKind::Regular;
  const bool changed =
      after.kind == FileKind::Regular && (!earlier || !sameUntouchedFile(before_, after));
  CabrilloOutcome outcome;
  if (said == false) {
    outcome.lines.push_back("velmora: the plug-in could not write the Cabrillo file " + path +
                            (earlier ? ", and the earlier one is kept as it was" : ""));
  } else if (!changed) {
    outcome.lines.push_back(
        said ? "velmora: the plug-in says it wrote the Cabrillo file " + path + ", but it is " +
                   (after.kind == FileKind::Regular ? "unchanged" : "not there")
             : "velmora: the plug-in wrote no Cabrillo file " + path);
  } else {
    outcome.written = true;
    outcome.lines.push_back("Cabrillo file: " + path);
    const int qsoLines = qsoLinesIn(readWholeFile(fileName_).value_or(""));
    if (auto left = leftOutOfTheFile(fileName_, qsoLines, tally)) outcome.lines.push_back(*left);
  }
  return outcome;
}

std::optional<std::string> leftOutOfTheFile(const std::string& fileName, int qsoLines,
                                            const LogTally& tally) {
  std::string parts;
  addPart(parts, tally.refused.size(), "refused by the plug-in", "refused by the plug-in");
  addPart(parts, tally.repeats.size(), "repeat on a band", "repeats on a band");
  addPart(parts, tally.noEntity.size(), "in no DXCC entity", "in no DXCC entity");
  addPart(parts, tally.skipped.size(), "skipped as malformed", "skipped as malformed");
  addPart(parts, static_cast<std::size_t>(tally.notForScoring), "X-QSO line", "X-QSO lines");
  if (parts.empty()) return std::nullopt;
  return fileName + " holds the " + std::to_string(qsoLines) +
         " QSOs the plug-in counted, leaving out " + parts;
}

}  // namespace velmora::cli

static_assert(std::string_view(velmora::kHostMessagesEntry) == "VelmoraHostMessage",
              "the entry below is the one the plug-in's platform looks for");

// Called by the plug-in's platform across the C boundary: no exception
// leaves it.
extern "C" VELMORA_HOST_ENTRY void VelmoraHostMessage(const char* caption, const char* text) {
  try {
    if (velmora::cli::listening == nullptr || text == nullptr) return;
    velmora::cli::listening->hear(caption != nullptr ? caption : "", text);
  } catch (...) {
  }
}

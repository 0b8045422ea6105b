#include "header_preparation.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "cabrillo/header_settings.h"
#include "cabrillo/multi_line_forms.h"
#include "text/replace_all.h"
#include "platform/file_settings_store.h"

#if !defined(_WIN32)
#include <unistd.h>

#include "platform/posix/console_header_form.h"
#endif

namespace velmora::cli {
namespace {

bool anyField(const HeaderOptions& h) {
  return h.operators || h.name || h.email || h.club || !h.address.empty() || !h.soapbox.empty();
}

void writeSettings(const HeaderOptions& h, const std::string& myCall) {
  FileSettingsStore settings(kSettingsFileName);
  HeaderFields fields;
  readHeaderSettings(settings, myCall, fields);
  fields.operators = h.operators.value_or(fields.operators);
  fields.name = h.name.value_or(fields.name);
  fields.email = h.email.value_or(fields.email);
  fields.club = h.club.value_or(fields.club);
  if (!h.address.empty()) fields.address = joinLines(h.address);
  if (!h.soapbox.empty()) fields.soapBox = joinLines(h.soapbox);
  fields.address = editedToStored(fields.address);
  fields.soapBox = editedToStored(fields.soapBox);
  writeHeaderSettings(settings, fields);
}

}  // namespace

std::string joinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    if (!text.empty()) text += "\n";
    text += replaceAll(replaceAll(line, "\r\n", "\n"), "\r", "\n");
  }
  return replaceAll(text, "\n", "\r\n");
}

HeaderPreparation::HeaderPreparation(const HeaderOptions& header, const std::string& myCall) {
  if (anyField(header)) writeSettings(header, myCall);
#if !defined(_WIN32)
  answersFile_ = (std::filesystem::temp_directory_path() /
                  ("velmora-header-" + std::to_string(getpid()) + ".txt"))
                     .string();
  std::ofstream answers(answersFile_, std::ios::binary | std::ios::trunc);
  if (header.category) answers << "CATEGORY=" << *header.category << "\n";
  if (header.power) answers << "POWER=" << *header.power << "\n";
  answers.close();
  setenv(kHeaderAnswersVariable, answersFile_.c_str(), 1);
#endif
}

HeaderPreparation::~HeaderPreparation() {
  if (answersFile_.empty()) return;
  std::error_code ignored;
  std::filesystem::remove(answersFile_, ignored);
}

}  // namespace velmora::cli

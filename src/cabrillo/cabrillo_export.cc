#include "cabrillo/cabrillo_export.h"

#include <utility>

#include "cabrillo/base_path.h"
#include "cabrillo/cabrillo_files.h"
#include "cabrillo/cabrillo_writer.h"
#include "cabrillo/header_settings.h"
#include "cabrillo/multi_line_forms.h"

namespace velmora {
namespace {

constexpr char kExtraHeaderFile[] = "cabrillo.ini";

MessageRequest outputMessage(std::string text, MessageIcon icon) {
  return MessageRequest{std::move(text), std::string("Output"), icon, true};
}

}  // namespace

bool CabrilloExport::prepareHeader(const std::string& myCall, SettingsStore& settings,
                                   OperatorUi& ui) {
  basePath_ = basePathFromCall(myCall);
  HeaderFields read;
  read.callSign = myCall;
  readHeaderSettings(settings, myCall, read);

  HeaderFields edited = read;
  const bool ok = ui.editHeader(edited);
  if (ok) edited.claimed = std::move(read.claimed);  // an edit of the claimed score is dropped
  fields_ = ok ? std::move(edited) : std::move(read);
  fields_.address = editedToStored(fields_.address);
  fields_.soapBox = editedToStored(fields_.soapBox);
  if (ok) writeHeaderSettings(settings, fields_);
  return ok;
}

MessageRequest CabrilloExport::exportLog(const QsoLog& log, int claimedScore,
                                         const WriteRemarks& remarks) const {
  const std::string fileName = basePath_ + ".cbr";
  // The extra header file is made when absent even if the log cannot be.
  const std::string extraHeader = readOrCreateExtraHeader(kExtraHeaderFile);
  const bool produced =
      isAcceptableBasePath(basePath_) &&
      writeFileReplacing(fileName, cabrilloLog(fields_, claimedScore, extraHeader, log), remarks);
  return produced ? outputMessage("File produced: " + fileName, MessageIcon::Information)
                  : outputMessage("File not produced: " + fileName, MessageIcon::Error);
}

}  // namespace velmora

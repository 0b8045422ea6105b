#include "cabrillo/cabrillo_export.h"

#include <utility>

#include "cabrillo/base_path.h"
#include "cabrillo/cabrillo_files.h"
#include "cabrillo/cabrillo_writer.h"
#include "cabrillo/header_settings.h"
#include "cabrillo/multi_line_forms.h"
#include "cabrillo/qso_line.h"
#include "platform/whole_file.h"

namespace velmora {
namespace {

constexpr std::string_view kAddressTag = "ADDRESS: ";
constexpr std::string_view kSoapBoxTag = "SOAPBOX: ";
constexpr char kExtraHeaderFile[] = "cabrillo.ini";

MessageRequest outputMessage(std::string text, MessageIcon icon) {
  return MessageRequest{std::move(text), std::string("Output"), icon, true};
}

}  // namespace

int CabrilloExport::prepareHeader(std::string myCall, SettingsStore& settings, OperatorUi& ui) {
  fields_.callSign = myCall;
  basePath_ = BasePathFromCall(myCall);
  multiLineInHeaderForm_ = false;
  ReadHeaderSettings(settings, myCall, fields_);

  HeaderFields dialog = fields_;
  if (!ui.editHeader(dialog)) return 0;

  dialog.claimed = std::move(fields_.claimed);  // an edit of the claimed score is dropped
  fields_ = std::move(dialog);
  fields_.address = EditedToStored(fields_.address);
  fields_.soapBox = EditedToStored(fields_.soapBox);
  WriteHeaderSettings(settings, fields_);
  fields_.soapBox = StoredToHeader(fields_.soapBox, kSoapBoxTag);
  fields_.address = StoredToHeader(fields_.address, kAddressTag);
  multiLineInHeaderForm_ = true;
  qsoLines_.clear();
  return 1;
}

void CabrilloExport::addQsoLine(std::string_view call, std::int32_t frequencyKhz,
                                std::string_view modeTag, const OleDateTime& qsoTime,
                                std::string_view rstSent, std::string_view exchangeSent,
                                std::string_view rstReceived, std::string_view exchangeReceived) {
  qsoLines_.append(FormatQsoLine(QsoLineValues{frequencyKhz, modeTag, qsoTime, fields_.callSign,
                                               rstSent, exchangeSent, call, rstReceived,
                                               exchangeReceived}));
}

HeaderFields CabrilloExport::headerForm() const {
  HeaderFields header = fields_;
  if (!multiLineInHeaderForm_) {
    header.address = StoredToHeader(EditedToStored(header.address), kAddressTag);
    header.soapBox = StoredToHeader(EditedToStored(header.soapBox), kSoapBoxTag);
  }
  return header;
}

MessageRequest CabrilloExport::writeCabrilloFile(int claimedScore) {
  const std::string fileName = basePath_ + ".cbr";
  // The extra header file is made when absent even if the log cannot be.
  const std::string extraHeader = ReadOrCreateExtraHeader(kExtraHeaderFile);
  bool produced = false;
  if (IsAcceptableBasePath(basePath_)) {
    const HeaderFields header = headerForm();
    produced = WriteFileReplacing(fileName, [&](std::ostream& out) {
      WriteCabrilloLog(out, header, claimedScore, extraHeader, qsoLines_);
    });
  }
  return produced ? outputMessage("File produced: " + fileName, MessageIcon::Information)
                  : outputMessage("File not produced: " + fileName, MessageIcon::Error);
}

MessageRequest CabrilloExport::exportLog(const QsoLog& log, int claimedScore) {
  qsoLines_.clear();
  for (const QsoRecord& qso : log) {
    addQsoLine(qso.call, static_cast<std::int32_t>(qso.frequencyKhz), ModeTag(qso.mode),
               qso.qsoTime, qso.rstSent, qso.exchangeSent, qso.rstReceived, qso.exchangeReceived);
  }
  return writeCabrilloFile(claimedScore);
}

}  // namespace velmora

#include "live/journal.h"

#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

#include "sources/packet_qso.h"
#include "text/ascii.h"
#include "util/user_error.h"

namespace velmora::cli {
namespace {

const char* const kHeader =
    "velmora live journal: every QSO event as it arrived. velmora score reads it to the live "
    "contest's score.\r\n<ADIF_VER:5>3.1.4<PROGRAMID:7>velmora<PROGRAMVERSION:";

std::string field(const char* name, const std::string& value) {
  if (value.empty()) return "";
  return "<" + std::string(name) + ":" + std::to_string(value.size()) + ">" + value;
}

std::string twoDigits(int value) {
  return std::string(1, static_cast<char>('0' + value / 10 % 10)) +
         static_cast<char>('0' + value % 10);
}

const char* eventName(JournalEvent event) {
  switch (event) {
    case JournalEvent::New:
      return "NEW";
    case JournalEvent::Edit:
      return "EDIT";
    case JournalEvent::Delete:
      break;
  }
  return "DELETE";
}

bool syncToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
#if defined(_WIN32)
  return _commit(_fileno(file)) == 0;
#else
  return fsync(fileno(file)) == 0;
#endif
}

// The length of `text` up to the end of its last whole record (after <EOR>
// and the line end that follows it); the header's length when it holds no
// record; npos when it holds neither, and is no journal.
std::size_t wholeRecordsEnd(const std::string& text) {
  const std::string lower = lowerAscii(text);
  std::size_t end = lower.rfind("<eor>");
  if (end == std::string::npos) {
    end = lower.find("<eoh>");
    if (end == std::string::npos) return std::string::npos;
  }
  end += 5;
  while (end < text.size() && (text[end] == '\r' || text[end] == '\n')) ++end;
  return end;
}

// Moves an incomplete last record out of the journal at `path`; whether a
// whole record is left.
bool cutIncompleteTail(const std::string& path, std::ostream& err) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream whole;
  whole << in.rdbuf();
  const std::string text = whole.str();
  in.close();
  const std::size_t end = wholeRecordsEnd(text);
  if (end == std::string::npos) {
    throw UserError("velmora: " + path + " is not a journal of velmora live (no ADIF record)");
  }
  const bool holdsRecord = lowerAscii(text.substr(0, end)).find("<eor>") != std::string::npos;
  if (end == text.size()) return holdsRecord;
  const std::string cut = path + ".cut";
  std::ofstream tail(cut, std::ios::binary | std::ios::app);
  tail << text.substr(end);
  tail.close();
  std::error_code error;
  std::filesystem::resize_file(path, end, error);
  if (!tail || error) {
    throw UserError("velmora: cannot set aside the incomplete end of journal " + path);
  }
  err << "journal " << path << ": its last record was incomplete (" << text.size() - end
      << " bytes, a write cut short); moved to " << cut << "\n";
  return holdsRecord;
}

}  // namespace

std::string journalRecord(const LogQso& qso, JournalEvent event) {
  const CivilDateTime& t = qso.time;
  const std::string date = std::to_string(t.year) + twoDigits(t.month) + twoDigits(t.day);
  const std::string time = twoDigits(t.hour) + twoDigits(t.minute) + twoDigits(t.second);
  return field("CALL", qso.call) + field("QSO_DATE", date) + field("TIME_ON", time) +
         (qso.frequencyHz ? field("FREQ", adifMegahertz(*qso.frequencyHz)) : "") +
         field("BAND", qso.band) + field("MODE", qso.mode) + field("RST_SENT", qso.rstSent) +
         field("RST_RCVD", qso.rstReceived) + field("STX_STRING", qso.exchangeSent) +
         field("SRX_STRING", qso.exchangeReceived) + field("STATION_CALLSIGN", qso.myCall) +
         field("CONT", qso.continent) + field("APP_VELMORA_EVENT", eventName(event)) +
         field("APP_VELMORA_KEY", qso.key) + "<EOR>\r\n";
}

Journal::Journal(std::string path, std::ostream& err) : path_(std::move(path)) {
  std::error_code error;
  const bool existed =
      std::filesystem::exists(path_, error) && std::filesystem::file_size(path_, error) > 0;
  if (existed) holdsRecords_ = cutIncompleteTail(path_, err);
  file_ = std::fopen(path_.c_str(), "ab");
  if (file_ == nullptr) throw UserError("velmora: cannot open journal " + path_);
  if (!existed) {
    const std::string version = VELMORA_VERSION;
    const std::string header =
        kHeader + std::to_string(version.size()) + ">" + version + "<EOH>\r\n";
    if (!append(header)) {
      std::fclose(file_);
      throw UserError("velmora: cannot write journal " + path_);
    }
  }
}

Journal::~Journal() {
  if (file_ != nullptr) std::fclose(file_);
}

bool Journal::append(const std::string& record) {
  return std::fwrite(record.data(), 1, record.size(), file_) == record.size() && syncToDisk(file_);
}

}  // namespace velmora::cli

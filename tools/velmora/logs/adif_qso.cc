#include "logs/adif_qso.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "logs/adif_band.h"
#include "logs/exchange_field.h"
#include "logs/time_text.h"
#include "text/ascii.h"

namespace velmora::cli {
namespace {

// The first of two fields that is present (STX_STRING before STX).
const std::string& eitherField(const AdifRecord& record, const char* first, const char* second) {
  return record.has(first) ? record.field(first) : record.field(second);
}

// The exchange of one side; a report in front of it goes to `report` when
// the log gives none of its own. False when a blank is left inside.
bool takeExchange(const std::string& field, std::string& exchange, std::string& report,
                  bool& reportTaken) {
  ExchangeField split = splitExchangeField(field);
  exchange = std::move(split.exchange);
  if (!split.report.empty()) {
    reportTaken = true;
    if (report.empty()) report = std::move(split.report);
  }
  return !holdsBlank(exchange);
}

// The note of a declared length that ran into the next tag, if there was one.
void noteLengthRun(const AdifRecord& record, const std::string& call,
                   std::vector<ReadingNote>& notes) {
  if (record.lengthNote.empty()) return;
  notes.push_back({record.record, call, ReadingNoteKind::LengthRunsIntoNextTag, record.lengthNote});
}

SkippedRecord skippedRecord(const AdifRecord& record, std::string reason) {
  SkippedRecord skipped{record.record, std::move(reason), {}};
  noteLengthRun(record, "", skipped.notes);
  return skipped;
}

}  // namespace

ReadRecord qsoFromAdif(const AdifRecord& record, const std::string& rcvdField) {
  auto skip = [&](std::string reason) { return skippedRecord(record, std::move(reason)); };
  LogQso qso;
  qso.record = record.record;
  qso.call = upperAscii(trimAsciiBlanks(record.field("call")));
  noteLengthRun(record, qso.call, qso.notes);
  if (qso.call.empty()) return skip("missing call");
  if (holdsBlank(qso.call)) return skip("the call sign holds a blank");
  if (!readDate(record.field("qso_date"), qso.time)) return skip("bad date");
  if (!readTime(record.field("time_on"), qso.time)) return skip("bad time");
  const auto freq = record.has("freq") ? std::optional<std::string_view>(record.field("freq"))
                                        : std::nullopt;
  std::variant<RecordBand, std::string> band = bandOfRecord(record.field("band"), freq);
  if (auto* reason = std::get_if<std::string>(&band)) return skip(std::move(*reason));
  RecordBand& found = std::get<RecordBand>(band);
  qso.band = std::move(found.band);
  qso.frequencyHz = found.frequencyHz;
  qso.frequencyFromBand = found.frequencyFromBand;
  if (found.note) qso.notes.push_back({qso.record, qso.call, *found.note, found.noteText});
  qso.myCall = upperAscii(trimAsciiBlanks(eitherField(record, "station_callsign", "operator")));
  qso.mode = upperAscii(trimAsciiBlanks(record.field("mode")));  // ADIF's modes in any case
  qso.rstSent = record.field("rst_sent");
  qso.rstReceived = record.field("rst_rcvd");
  const std::string& received = rcvdField.empty() ? eitherField(record, "srx_string", "srx")
                                                  : record.field(rcvdField);
  if (!takeExchange(received, qso.exchangeReceived, qso.rstReceived, qso.reportFromExchange)) {
    return skip("the received exchange holds a blank");
  }
  if (!takeExchange(eitherField(record, "stx_string", "stx"), qso.exchangeSent, qso.rstSent,
                    qso.reportFromExchange)) {
    return skip("the sent exchange holds a blank");
  }
  qso.continent = upperAscii(trimAsciiBlanks(record.field("cont")));
  qso.key = std::string(trimAsciiBlanks(record.field("app_velmora_key")));
  qso.deletes = equalIgnoringAsciiCase(trimAsciiBlanks(record.field("app_velmora_event")), "delete");
  return qso;
}

AdifQsoReader::AdifQsoReader(std::istream& in, const std::string& rcvdField)
    : rcvdField_(rcvdField), scanner_(in, [rcvdField](const std::string& name) {
        static constexpr std::array<std::string_view, 17> kRead = {
            "call",       "qso_date", "time_on",    "freq",     "band",
            "station_callsign", "operator", "mode",  "rst_sent", "rst_rcvd",
            "srx_string", "srx",      "stx_string", "stx",      "cont",
            "app_velmora_key", "app_velmora_event"};
        return name == rcvdField ||
               std::find(kRead.begin(), kRead.end(), std::string_view(name)) != kRead.end();
      }) {}

std::optional<ReadRecord> AdifQsoReader::next() {
  const std::optional<AdifRecord> record = scanner_.next();
  if (!record) return std::nullopt;
  if (!record->broken.empty()) return skippedRecord(*record, record->broken);
  return qsoFromAdif(*record, rcvdField_);
}

}  // namespace velmora::cli

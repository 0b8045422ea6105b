#include "adif_qso.h"

#include "band_plan.h"
#include "decimal_number.h"
#include "text_case.h"
#include "time_text.h"

namespace velmora::cli {
namespace {

// The first of two fields that is present (STX_STRING before STX).
const std::string& eitherField(const AdifRecord& record, const char* first, const char* second) {
  const std::string& value = record.field(first);
  return record.fields.count(first) != 0 ? value : record.field(second);
}

}  // namespace

ReadRecord qsoFromAdif(const AdifRecord& record) {
  auto skip = [&](const char* reason) { return SkippedRecord{record.record, reason}; };
  LogQso qso;
  qso.record = record.record;
  qso.call = toUpper(trimBlanks(record.field("call")));
  if (qso.call.empty()) return skip("missing call");
  if (!readDate(record.field("qso_date"), qso.time)) return skip("bad date");
  if (!readTime(record.field("time_on"), qso.time)) return skip("bad time");
  if (record.fields.count("freq") != 0) {
    qso.frequencyHz = megahertzToHz(trimBlanks(record.field("freq")));
    if (!qso.frequencyHz) return skip("bad frequency");
  }
  qso.band = toLower(trimBlanks(record.field("band")));
  if (qso.band.empty()) {
    if (!qso.frequencyHz) return skip("neither band nor frequency");
    const std::optional<std::string> band = bandOf(*qso.frequencyHz);
    if (!band) return skip("frequency outside the amateur bands");
    qso.band = *band;
  }
  qso.myCall = toUpper(trimBlanks(eitherField(record, "station_callsign", "operator")));
  qso.mode = record.field("mode");
  qso.rstSent = record.field("rst_sent");
  qso.rstReceived = record.field("rst_rcvd");
  qso.exchangeSent = eitherField(record, "stx_string", "stx");
  qso.exchangeReceived = eitherField(record, "srx_string", "srx");
  qso.continent = toUpper(trimBlanks(record.field("cont")));
  return qso;
}

LogContents readAdifLog(std::istream& in) {
  AdifContents adif = readAdif(in);
  LogContents log;
  log.skipped = std::move(adif.skipped);
  for (const AdifRecord& record : adif.records) {
    log.add(qsoFromAdif(record));
  }
  return log;
}

}  // namespace velmora::cli

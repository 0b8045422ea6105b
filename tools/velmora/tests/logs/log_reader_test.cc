// A log read QSO by QSO: the format told by content, the options' period,
// bands and own exchange applied, and the tally of what reading met.

#include "logs/log_reader.h"

#include <gtest/gtest.h>

#include <sstream>

#include "util/user_error.h"
#include "working_folder.h"

namespace velmora::cli {
namespace {

struct LogRead {
  std::vector<LogQso> qsos;
  LogTally tally;
  std::string headerCall;
};

LogRead read(const std::string& text, const ReadOptions& options = {}) {
  LogReader reader(std::make_unique<std::istringstream>(text), options);
  LogRead read;
  while (std::optional<LogQso> qso = reader.next()) read.qsos.push_back(std::move(*qso));
  read.tally = reader.tally();
  read.headerCall = reader.headerCall();
  return read;
}

TEST(LogReader, DetectionLeavesTheStreamAtItsStart) {
  const LogRead log = read("<CALL:4>DL1A<QSO_DATE:8>20110312<TIME_ON:4>0605<BAND:3>20m<EOR>");
  ASSERT_EQ(log.qsos.size(), 1u);
  EXPECT_EQ(log.qsos[0].call, "DL1A");
}

const char* kAdifQso =
    "<CALL:5>F5ABC<QSO_DATE:8>20110312<TIME_ON:4>0605<BAND:3>40M<MODE:3>SSB";

TEST(LogReader, ExchangeFromAnyFieldReportsTakenOutAndBandEdges) {
  ReadOptions options;
  options.rcvdField = "comment";
  options.sent = "69";
  const LogRead log = read(std::string(kAdifQso) + "<COMMENT:5>59 54<SRX:1>7<EOR>" + kAdifQso +
                               "<COMMENT:9>599 14 DL<EOR>" + kAdifQso +
                               "<COMMENT:2>75<STX_STRING:5>59 33<EOR>",
                           options);
  ASSERT_EQ(log.qsos.size(), 2u);
  EXPECT_EQ(log.qsos[0].exchangeReceived, "54");
  EXPECT_EQ(log.qsos[0].rstReceived, "59");
  EXPECT_EQ(log.qsos[0].exchangeSent, "69");  // --sent where the log states none
  EXPECT_EQ(log.qsos[0].frequencyHz, 7000000u);
  EXPECT_EQ(log.qsos[1].exchangeSent, "33");  // the log's own wins
  EXPECT_EQ(log.qsos[1].rstSent, "59");
  EXPECT_EQ(log.tally.reportsFromExchange, 2);
  EXPECT_EQ(log.tally.frequenciesFromBand, 2);
  ASSERT_EQ(log.tally.skipped.size(), 1u);
  EXPECT_EQ(log.tally.skipped[0].reason, "the received exchange holds a blank");
}

// LoTW and many general loggers write no signal reports: the Cabrillo line
// needs both, so a QSO gets its mode's usual one and is counted.
TEST(LogReader, MissingReportsAreTheUsualOnesOfTheMode) {
  const std::string qso = "<CALL:5>F5ABC<QSO_DATE:8>20110312<TIME_ON:4>0605<BAND:3>40M";
  const LogRead log = read(qso + "<MODE:2>cw<EOR>" + qso + "<MODE:3>SSB<RST_RCVD:2>57<EOR>" + qso +
                           "<MODE:3>FT8<EOR>" + qso +
                           "<MODE:2>CW<RST_SENT:3>579<RST_RCVD:3>559<EOR>");
  ASSERT_EQ(log.qsos.size(), 4u);
  EXPECT_EQ(log.qsos[0].mode, "CW");  // ADIF's modes in any letter case
  EXPECT_EQ(log.qsos[0].rstSent, "599");
  EXPECT_EQ(log.qsos[0].rstReceived, "599");
  EXPECT_EQ(log.qsos[1].rstSent, "59");
  EXPECT_EQ(log.qsos[1].rstReceived, "57");  // the log's own is kept
  EXPECT_EQ(log.qsos[2].rstSent, "");  // no usual report: the plug-in refuses the mode anyway
  EXPECT_EQ(log.qsos[3].rstSent, "579");
  EXPECT_EQ(log.tally.reportsSupplied, 2);
}

// What reading did with odd records reaches the tally once, in record
// order, for the QSOs kept and the records skipped; not for QSOs left out.
TEST(LogReader, NotesOfOddRecordsReachTheTally) {
  ReadOptions options;
  options.selection.bands = {"20m", "40m"};
  const std::string head = "<QSO_DATE:8>20110312<TIME_ON:4>0605<MODE:2>CW";
  const LogRead log = read("<CALL:5>TM5EE" + head + "<BAND:3>40m<COMMENT:9> 54 <SRX:2>54<EOR>"
                           "<CALL:5>DL1AB" + head + "<BAND:3>40m<FREQ:6>14.020<EOR>"
                           "<CALL:5>DL2AB" + head + "<BAND:3>15m<FREQ:6>14.020<EOR>"
                           "<CALL:5>DL3AB" + head + "<BAND:3>40m<FREQ:5>3.510<EOR>"
                           "<CALL:5>DL4AB<QSO_DATE:8>2011031<TIME_ON:5>0605<BAND:3>40m<EOR>",
                           options);
  ASSERT_EQ(log.qsos.size(), 3u);
  EXPECT_EQ(log.qsos[2].band, "20m");
  ASSERT_EQ(log.tally.notes.size(), 4u);
  EXPECT_EQ(log.tally.notes[0].record, 1);
  EXPECT_EQ(log.tally.notes[0].call, "TM5EE");
  EXPECT_EQ(log.tally.notes[0].kind, ReadingNoteKind::LengthRunsIntoNextTag);
  EXPECT_EQ(log.tally.notes[1].record, 2);
  EXPECT_EQ(log.tally.notes[1].kind, ReadingNoteKind::BandFromFrequency);
  EXPECT_EQ(log.tally.notes[2].record, 3);
  EXPECT_EQ(log.tally.notes[3].record, 5);  // skipped, its overrun told all the same
  EXPECT_EQ(log.tally.notes[3].kind, ReadingNoteKind::LengthRunsIntoNextTag);
  EXPECT_EQ(log.tally.otherBands, 1);  // DL3AB on 80m: its note is not told
  EXPECT_EQ(log.tally.notesOf(ReadingNoteKind::BandFromFrequency), 2);
}

TEST(LogReader, PeriodAndBandsLeaveQsosOutAndEveryRecordIsCountedOnce) {
  ReadOptions options;
  options.selection.from = parseUtcMoment("2011-03-12 06:00", false);
  options.selection.bands = {"40m"};
  const LogRead log = read(
      "START-OF-LOG: 3.0\n"
      "QSO:  7050 PH 2011-03-12 0559 F5VEL 59 69 DL1ABC 57 001\n"  // before the period
      "QSO: 14050 CW 2011-03-12 0600 F5VEL 599 69 DL2ABC 579 002\n"  // another band
      "X-QSO: 7050 PH 2011-03-12 0601 F5VEL 59 69 DL3ABC 57 003\n"
      "QSO:  7050 PH 2011-03-12 0602 F5VEL 59 69 DL4ABC 57\n"  // malformed
      "QSO:  7050 PH 2011-03-12 0603 F5VEL 59 69 DL5ABC 57 005\n"
      "CALLSIGN: F5VEL\n",
      options);
  ASSERT_EQ(log.qsos.size(), 1u);
  EXPECT_EQ(log.qsos[0].call, "DL5ABC");
  EXPECT_EQ(log.tally.kept, 1);
  EXPECT_EQ(log.tally.outsidePeriod, 1);
  EXPECT_EQ(log.tally.otherBands, 1);
  EXPECT_EQ(log.tally.notForScoring, 1);
  ASSERT_EQ(log.tally.skipped.size(), 1u);
  EXPECT_EQ(log.tally.skipped[0].record, 3);  // records are QSO lines
  EXPECT_EQ(log.tally.read(), 4);
  EXPECT_EQ(log.headerCall, "F5VEL");  // read past, even after the QSO lines
}

// The own call of the header is known as soon as the reader is past it.
TEST(LogReader, HeaderCallIsKnownOnceReadPast) {
  LogReader reader(std::make_unique<std::istringstream>(
                       "START-OF-LOG: 3.0\nCALLSIGN: tm5vel\n"
                       "QSO:  7050 PH 2011-03-12 0603 F5VEL 59 69 DL5ABC 57 005\n"),
                   ReadOptions{});
  EXPECT_EQ(reader.headerCall(), "");
  ASSERT_TRUE(reader.next());
  EXPECT_EQ(reader.headerCall(), "TM5VEL");
}

void expectRefused(const std::string& text, const std::string& complaint,
                   const std::string& listed = "") {
  LogReader reader(std::make_unique<std::istringstream>(text), ReadOptions{}, "log.adi");
  while (reader.next()) {
  }
  std::ostringstream err;
  try {
    reader.requireQsos(err);
    ADD_FAILURE() << "no complaint about " << text;
  } catch (const UserError& error) {
    EXPECT_EQ(error.what(), complaint);
  }
  EXPECT_EQ(err.str(), listed);
}

TEST(LogReader, LogWithoutAQsoToReplayIsRefused) {
  expectRefused("<EOH>\n", "velmora: no QSO could be read: log.adi holds no QSO record");
  expectRefused("<CALL:4>DL1A<EOR><QSO_DATE:8>20110312<EOR>",
                "velmora: no QSO could be read: all 2 records of log.adi are malformed",
                "record 1 skipped: bad date\nrecord 2 skipped: missing call\n");
  // QSOs left out by the period are no fault of the log.
  ReadOptions later;
  later.selection.from = parseUtcMoment("2012-01-01", false);
  LogReader reader(std::make_unique<std::istringstream>(
                       "<CALL:4>DL1A<QSO_DATE:8>20110312<TIME_ON:4>0605<BAND:3>20m<EOR>"),
                   later, "log.adi");
  EXPECT_FALSE(reader.next());
  std::ostringstream err;
  EXPECT_NO_THROW(reader.requireQsos(err));
}

TEST(LogReader, FileThatIsMissingAFolderOrNoLogIsRefusedByName) {
  testing::WorkingFolder folder;
  folder.writeFile("log.csv", "Name,Call\nJean,F5VEL\n");
  folder.writeFile("empty.adi", "");
  const std::pair<std::string, std::string> cases[] = {
      {(folder.path() / "none.adi").string(), "velmora: cannot read log "},
      {folder.path().string(), "velmora: cannot read log "},
      {(folder.path() / "log.csv").string(), "velmora: "},
      {(folder.path() / "empty.adi").string(), "velmora: "},
  };
  for (const auto& [path, complaint] : cases) {
    try {
      openLogFile(path, ReadOptions{});
      ADD_FAILURE() << path;
    } catch (const UserError& error) {
      EXPECT_EQ(std::string(error.what()).rfind(complaint + path, 0), 0u) << error.what();
    }
  }
  try {
    openLogFile((folder.path() / "empty.adi").string(), ReadOptions{});
  } catch (const UserError& error) {
    EXPECT_EQ(error.what(), "velmora: " + (folder.path() / "empty.adi").string() + " is empty");
  }
}

}  // namespace
}  // namespace velmora::cli

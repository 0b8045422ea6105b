#pragma once
// velmora live's journal: every QSO event, as it arrives, appended to an
// ADIF log and flushed to the disk before it is acknowledged, so that a
// contest survives a kill, a crash or a power cut; started again, velmora
// live replays it first. Each record is a whole QSO with two application
// fields: APP_VELMORA_KEY, the key its source names it by, and
// APP_VELMORA_EVENT, NEW, EDIT (its version from now on) or DELETE (the
// QSO of that key deleted, its last version written out). velmora score
// reads the journal to the same contest (replay/log_replay.h).

#include <cstdio>
#include <string>

#include "logs/log_qso.h"

namespace velmora::cli {

enum class JournalEvent { New, Edit, Delete };

// The journal record of `qso` (record number and key set): the ADIF
// fields of what is fed to the plug-in, then the event and the key.
std::string journalRecord(const LogQso& qso, JournalEvent event);

class Journal {
 public:
  // Opens `path` for appending, creating it with its header. A last record
  // that a cut write left incomplete is moved to PATH.cut first (said on
  // `err`), so that the next record starts clean. Throws UserError when the
  // journal cannot be opened.
  Journal(std::string path, std::ostream& err);
  ~Journal();
  Journal(const Journal&) = delete;
  Journal& operator=(const Journal&) = delete;

  const std::string& path() const { return path_; }
  // Whether it held a record when it was opened: a contest to resume.
  bool holdsRecords() const { return holdsRecords_; }

  // Appends one record and waits until the disk holds it; false when it
  // could not be written.
  bool append(const std::string& record);

 private:
  std::string path_;
  std::FILE* file_ = nullptr;
  bool holdsRecords_ = false;
};

}  // namespace velmora::cli

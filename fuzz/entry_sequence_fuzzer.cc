// Drives the exported entries with random sequences of calls and random
// strings, keeps its own account of the log, and checks after every call
// what must hold whatever the input:
// - AddData0 answers 1 exactly for a QSO that counts, RemoveData0 exactly
//   for one that passes the mode and exchange filters;
// - the summary's Total QSO figure is the number of records kept: an
//   accepted QSO adds one unless an equal one is kept, the same QSO offered
//   again never grows the log (a day count that is not a number equals
//   nothing, so such a QSO is kept again, as the duplicate rule says), a
//   deletion removes at most one record, a contest start empties the log;
// - there is one band line per band seen, the band lines' QSOs add up to
//   the records with a call, and no number on any line is negative;
// - the whole summary, text and score, is byte for byte the one recounted in
//   one pass over the records the fuzzer keeps, with the band list in the
//   plug-in's order (score/band_recount.h): the plug-in answers from counts
//   it keeps as QSOs come and go, and they must never drift from the records;
// - deleting the first or the last QSO kept removes it (or the oldest with
//   its call, mode and band);
// - a call check answers 0 to 4 and writes no further than the longest
//   exchange received of a record kept (the buffers are exactly that large, so the
//   address sanitizer sees any byte written past them).

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "classify/prefix_list.h"
#include "fuzz_require.h"
#include "log/ole_date_time.h"
#include "log/qso_entries.h"
#include "plugin/exports.h"
#include "score/band_order.h"
#include "score/band_recount.h"

namespace {

using velmora::fuzz::require;

struct Summary {
  long totalQsos = 0;
  long bandQsos = 0;
  std::size_t bandLines = 0;
  bool numbersNonNegative = true;
};

std::vector<std::string> split(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + separator.size()) {
    parts.push_back(text.substr(start, at - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

// Two header lines, one line per band, the Total line, the score line.
// Band names never hold tab, CR or LF here, so lines and columns split cleanly.
Summary parsed(const std::string& text) {
  const std::vector<std::string> lines = split(text, "\r\n");
  require(lines.size() >= 4, "the summary has its header, Total and score lines");
  Summary s;
  const std::size_t totalLine = lines.size() - 2;
  s.bandLines = totalLine - 2;
  for (std::size_t i = 2; i <= totalLine; ++i) {
    const std::vector<std::string> columns = split(lines[i], "\t");
    for (std::size_t c = 1; c < columns.size(); ++c) {
      const long value = std::strtol(columns[c].c_str(), nullptr, 10);
      if (value < 0) s.numbersNonNegative = false;
      if (c == 1) (i == totalLine ? s.totalQsos : s.bandQsos) += value;
    }
  }
  return s;
}

// What the plug-in receives of a text: the bytes up to the first zero.
std::string hostText(const std::string& bytes) { return bytes.c_str(); }

std::string pick(FuzzedDataProvider& in, const std::vector<std::string>& pool) {
  if (in.ConsumeBool()) return in.PickValueInArray<std::string>({pool[0], pool[1], pool[2], pool[3]});
  return hostText(in.ConsumeRandomLengthString(24));
}

std::string bandName(FuzzedDataProvider& in) {
  std::string band = pick(in, {"40m", "20m", "7", "07"});
  for (char& c : band) {
    if (c == '\t' || c == '\r' || c == '\n') c = '_';
  }
  return band;
}

// The host's date-time as it lies in memory: 8 bytes of days, 4 of status.
struct HostTime {
  double days;
  std::int32_t status;
};

struct Qso {
  std::string call, mode, rstSent, rstReceived, exchangeSent, exchangeReceived, prefix, area, band;
  unsigned frequencyHz = 0;
  bool nullTime = false;
  HostTime time{};

  // The stored time: a null pointer gives an invalid zero value.
  velmora::OleDateTime stored() const {
    if (nullTime) return velmora::OleDateTime{0.0, velmora::kOleDateTimeInvalid};
    return velmora::OleDateTime{time.days, time.status};
  }
  bool passesFilters() const {
    return (mode == "SSB" || mode == "CW") && !exchangeReceived.empty() && !exchangeSent.empty();
  }
  // The duplicate rule: every stored field but the reports, days compared as numbers.
  bool sameRecord(const Qso& o) const {
    return call == o.call && prefix == o.prefix && area == o.area && band == o.band &&
           mode == o.mode && exchangeReceived == o.exchangeReceived &&
           exchangeSent == o.exchangeSent && frequencyHz / 1000 == o.frequencyHz / 1000 &&
           stored().status == o.stored().status && stored().days == o.stored().days;
  }
};

Qso randomQso(FuzzedDataProvider& in) {
  Qso q{pick(in, {"F5AB", "DL1XX", "F6ABC", ""}), pick(in, {"SSB", "CW", "ssb", "FT8"}),
        pick(in, {"59", "599", "", "57"}),        pick(in, {"59", "599", "", "57"}),
        pick(in, {"001", "75", " ", ""}),         pick(in, {"75", "2a", " 971 ", ""}),
        pick(in, {"F", "DL", "FG", ""}),          pick(in, {"EU", "NA", "eu", ""}),
        bandName(in)};
  q.frequencyHz = in.ConsumeIntegral<unsigned>();
  q.nullTime = in.ConsumeBool();
  // Any 8 bytes make a day count, not-a-number ones included.
  const std::uint64_t bits = in.ConsumeIntegral<std::uint64_t>();
  std::memcpy(&q.time.days, &bits, sizeof bits);
  q.time.status = in.ConsumeIntegralInRange<std::int32_t>(-1, 3);
  return q;
}

using QsoEntry = int (*)(const char*, const char*, HostDateTime*, HostDateTime*, HostDateTime*,
                         HostDateTime*, unsigned, unsigned, const char*, const char*, const char*,
                         const char*, const char*, const char*, const char*, const char*,
                         const char*, const char*, const char*, const char*, const char*,
                         const char*, const char*, int, int, int, double, double, const char*,
                         const char*, const char*, const char*, const char*);

int offer(QsoEntry entry, Qso& q) {
  auto* time = q.nullTime ? nullptr : reinterpret_cast<HostDateTime*>(&q.time);
  return entry("", q.call.c_str(), nullptr, time, nullptr, nullptr, 0, q.frequencyHz,
               q.mode.c_str(), q.rstSent.c_str(), q.rstReceived.c_str(), q.exchangeSent.c_str(),
               q.exchangeReceived.c_str(), "", "", "", "", "", "", "", "", "", q.prefix.c_str(), 0,
               0, 0, 0.0, 0.0, "", q.area.c_str(), "", q.band.c_str(), "");
}

// The fuzzer's own account of one contest.
struct Contest {
  bool homeIsFrance = true;
  std::string myAreaTag;
  std::vector<Qso> kept;
  velmora::BandList bands;  // in the plug-in's order: each summary reorders both alike
  std::size_t longestExchange = 0;

  // AddData0's answer, with the log and band list updated.
  int add(const Qso& q) {
    if (!q.passesFilters()) return 0;
    if (std::find(bands.begin(), bands.end(), q.band) == bands.end()) bands.append(q.band);
    if (!homeIsFrance && !velmora::isFrenchPrefix(q.prefix)) return 0;
    for (const Qso& k : kept) {
      if (k.sameRecord(q)) return 1;
    }
    kept.push_back(q);
    longestExchange = std::max(longestExchange, q.exchangeReceived.size());
    return 1;
  }
  int remove(const Qso& q) {
    if (!q.passesFilters()) return 0;
    for (auto it = kept.begin(); it != kept.end(); ++it) {
      if (it->call == q.call && it->mode == q.mode && it->band == q.band) {
        kept.erase(it);
        break;
      }
    }
    return 1;
  }
  long withCall() const {
    return static_cast<long>(std::count_if(kept.begin(), kept.end(), [](const Qso& q) { return !q.call.empty(); }));
  }
  // The summary recounted from the records kept, as a request orders the bands.
  std::string recounted() {
    velmora::orderBands(bands);
    velmora::QsoLog log;
    for (const Qso& q : kept) {
      velmora::QsoRecord r;
      r.call = q.call;
      r.dxccPrefix = q.prefix;
      r.areaTag = q.area;
      r.band = q.band;
      if (velmora::isFrenchPrefix(q.prefix)) r.department = velmora::departmentFromExchange(q.exchangeReceived);
      log.append(std::move(r));
    }
    return velmora::recountSummary(log, bands, velmora::OperatorStation{homeIsFrance, myAreaTag}).text;
  }
};

void checkSummary(Contest& contest) {
  int flag = 0;
  const std::string text = GetResult0(&flag);
  require(text == contest.recounted(), "the summary is the one recounted from the records kept");
  const Summary s = parsed(text);
  require(s.totalQsos == static_cast<long>(contest.kept.size()), "the Total line counts the records kept");
  require(s.bandLines == contest.bands.size(), "one band line per band seen");
  require(s.bandQsos == contest.withCall(), "the band lines count the records with a call");
  require(s.numbersNonNegative, "no summary number is negative");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / ("velmora-fuzz-" + std::to_string(::getpid()));
  fs::create_directories(folder / "Plugins");
  std::ofstream(folder / "Plugins" / "ref.txt") << "F5AB 75\nF6ABC 13\nF4ABC/P 2A\nFG5XY 71\n";
  fs::current_path(folder);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  ResetStats0("", 0, "F6BBB", nullptr, nullptr, "", "", "", "", "", "", "", "", "", "F", 0, 0, 0,
              0.0, 0.0, "", "EU", "");
  Contest contest{true, "EU", {}, {}, 0};
  while (in.remaining_bytes() > 0) {
    switch (in.ConsumeIntegralInRange<int>(0, 6)) {
      case 0: {
        const std::string prefix = pick(in, {"F", "DL", "FG", ""});
        const std::string area = pick(in, {"EU", "NA", "eu", ""});
        const char* myPrefix = in.ConsumeBool() ? prefix.c_str() : nullptr;
        ResetStats0("", 0, "F6BBB", nullptr, nullptr, "", "", "", "", "", "", "", "", "", myPrefix,
                    0, 0, 0, 0.0, 0.0, "", area.c_str(), "");
        // The boundary scores an operator without a prefix as in France.
        const bool inFrance = myPrefix == nullptr || velmora::isFrenchPrefix(myPrefix);
        contest = Contest{inFrance, area, {}, {}, contest.longestExchange};
        checkSummary(contest);
        break;
      }
      case 1:
      case 2: {
        Qso q = randomQso(in);
        if (in.ConsumeBool()) {
          const std::size_t before = contest.kept.size();
          require(offer(RemoveData0, q) == contest.remove(q), "RemoveData0 answers 1 exactly for a QSO that passes the filters");
          require(contest.kept.size() + 1 >= before, "a deletion removes at most one record");
        } else {
          require(offer(AddData0, q) == contest.add(q), "AddData0 answers 1 exactly for a QSO that counts");
          const std::size_t after = contest.kept.size();
          checkSummary(contest);
          require(offer(AddData0, q) == contest.add(q), "the same QSO gets the same answer again");
          const bool notANumber = !q.nullTime && q.time.days != q.time.days;
          require(notANumber || contest.kept.size() == after, "the same QSO offered again never grows the log");
        }
        checkSummary(contest);
        break;
      }
      case 3: {
        const std::string call = pick(in, {"F5AB", "DL1XX", "F6ABC", "FG5XY"});
        const std::string prefix = pick(in, {"F", "DL", "FG", ""});
        const std::string band = bandName(in);
        const std::string filter = bandName(in);
        // Exactly the room the host must give: the longest exchange received, and at least 3.
        std::vector<char> expected(std::max<std::size_t>(3, contest.longestExchange + 1), 'x');
        std::vector<char> message(56, 'x');
        const int code = CheckCallFunc0(call.c_str(), 0, 0, "", "", "", "", "", "", "", "", "", "",
                                        in.ConsumeBool() ? prefix.c_str() : nullptr, 0, 0, 0, 0.0,
                                        0.0, "", "", "", "", "", band.c_str(),
                                        in.ConsumeBool() ? filter.c_str() : nullptr,
                                        expected.data(), message.data());
        require(code >= 0 && code <= 4, "a call check answers 0 to 4");
        break;
      }
      case 4: {
        const std::string exchange = in.ConsumeRandomLengthString(8);
        const int valid = StatsIsValidExchg0(exchange.c_str(), "", "", "", 0, 0, in.ConsumeBool());
        require(valid == 0 || valid == 1, "validation answers 0 or 1");
        break;
      }
      case 5:
        checkSummary(contest);
        break;
      case 6: {
        // The deletion of the first or the last QSO kept, which a random
        // QSO would seldom match.
        if (contest.kept.empty()) break;
        Qso q = in.ConsumeBool() ? contest.kept.front() : contest.kept.back();
        require(offer(RemoveData0, q) == contest.remove(q), "RemoveData0 answers 1 for a QSO kept");
        checkSummary(contest);
        break;
      }
    }
  }
  return 0;
}

// Drives the exported entries with random sequences of calls and random
// strings, and checks what must hold whatever the input:
// - the summary's Total QSO figure follows the log: a refused QSO leaves it,
//   an accepted one grows it by at most one, the same QSO offered again never
//   grows it, a deletion lowers it by at most one, a contest start empties it;
// - every number on a band line and on the Total line is non-negative.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "plugin/exports.h"

namespace {

struct Summary {
  long totalQsos = -1;
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

// Band names never hold tab, CR or LF here, so lines and columns split cleanly.
Summary summary() {
  int flag = 0;
  const std::vector<std::string> lines = split(GetResult0(&flag), "\r\n");
  Summary s;
  for (std::size_t i = 2; i + 1 < lines.size(); ++i) {
    const std::vector<std::string> columns = split(lines[i], "\t");
    for (std::size_t c = 1; c < columns.size(); ++c) {
      const long value = std::strtol(columns[c].c_str(), nullptr, 10);
      if (value < 0) s.numbersNonNegative = false;
      if (columns[0] == "Total" && c == 1) s.totalQsos = value;
    }
  }
  return s;
}

void require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
  }
}

std::string pick(FuzzedDataProvider& in, const std::vector<std::string>& pool) {
  if (in.ConsumeBool()) return in.PickValueInArray<std::string>({pool[0], pool[1], pool[2], pool[3]});
  return in.ConsumeRandomLengthString(24);
}

std::string bandName(FuzzedDataProvider& in) {
  std::string band = pick(in, {"40m", "20m", "7", "07"});
  for (char& c : band) {
    if (c == '\t' || c == '\r' || c == '\n') c = '_';
  }
  return band;
}

struct QsoArgs {
  std::string call, mode, rstSent, rstReceived, exchangeSent, exchangeReceived, prefix, area, band;
  unsigned frequency;
  HostDateTime* time;
};

int offer(int (*entry)(const char*, const char*, HostDateTime*, HostDateTime*, HostDateTime*,
                       HostDateTime*, unsigned, unsigned, const char*, const char*, const char*,
                       const char*, const char*, const char*, const char*, const char*,
                       const char*, const char*, const char*, const char*, const char*,
                       const char*, const char*, int, int, int, double, double, const char*,
                       const char*, const char*, const char*, const char*),
          const QsoArgs& q) {
  return entry("", q.call.c_str(), nullptr, q.time, nullptr, nullptr, 0, q.frequency,
               q.mode.c_str(), q.rstSent.c_str(), q.rstReceived.c_str(), q.exchangeSent.c_str(),
               q.exchangeReceived.c_str(), "", "", "", "", "", "", "", "", "", q.prefix.c_str(), 0,
               0, 0, 0.0, 0.0, "", q.area.c_str(), "", q.band.c_str(), "");
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
  long total = 0;
  while (in.remaining_bytes() > 0) {
    switch (in.ConsumeIntegralInRange<int>(0, 5)) {
      case 0: {
        const std::string prefix = pick(in, {"F", "DL", "FG", ""});
        const std::string area = pick(in, {"EU", "NA", "eu", ""});
        ResetStats0("", 0, "F6BBB", nullptr, nullptr, "", "", "", "", "", "", "", "", "",
                    in.ConsumeBool() ? prefix.c_str() : nullptr, 0, 0, 0, 0.0, 0.0, "",
                    area.c_str(), "");
        total = 0;
        break;
      }
      case 1:
      case 2: {
        HostDateTime* time = nullptr;
        struct { double days; std::int32_t status; } value{in.ConsumeFloatingPoint<double>(),
                                                          in.ConsumeIntegral<std::int32_t>()};
        if (in.ConsumeBool()) time = reinterpret_cast<HostDateTime*>(&value);
        QsoArgs q{pick(in, {"F5AB", "DL1XX", "F6ABC", "FG5XY"}), pick(in, {"SSB", "CW", "ssb", "FT8"}),
                  pick(in, {"59", "599", "", "57"}), pick(in, {"59", "599", "", "57"}),
                  pick(in, {"001", "75", " ", ""}), pick(in, {"75", "2a", " 971 ", ""}),
                  pick(in, {"F", "DL", "FG", ""}), pick(in, {"EU", "NA", "eu", ""}), bandName(in),
                  in.ConsumeIntegral<unsigned>(), time};
        const bool removal = in.ConsumeBool();
        const int answer = offer(removal ? RemoveData0 : AddData0, q);
        const long now = summary().totalQsos;
        if (removal) {
          require(now == total || now == total - 1, "a deletion removes at most one record");
        } else {
          require(answer == 0 ? now == total : (now == total || now == total + 1),
                  "an accepted QSO adds at most one record, a refused one none");
          if (answer == 1) {
            offer(AddData0, q);
            require(summary().totalQsos == now, "the same QSO offered again never grows the log");
          }
        }
        total = now;
        break;
      }
      case 3: {
        const std::string call = pick(in, {"F5AB", "DL1XX", "F6ABC", "FG5XY"});
        const std::string prefix = pick(in, {"F", "DL", "FG", ""});
        const std::string band = bandName(in);
        const std::string filter = bandName(in);
        std::vector<char> expected(64 + 4 * 24, 'x');  // room for the longest exchange offered
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
      case 5: {
        const Summary s = summary();
        require(s.totalQsos == total, "the Total line counts the records kept");
        require(s.numbersNonNegative, "no summary number is negative");
        break;
      }
    }
  }
  return 0;
}

// `velmora report` on a whole contest written as an ADIF log: the command as
// velmora runs it (reading the log and Debian's country file, starting the
// contest, a call check before and a summary after every QSO, building the
// page and writing it), in the benchmarks' folder with its 20,000-record
// reference file. The page's size is reported as the counter page_bytes.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "bench_plugin.h"
#include "cli/commands.h"
#include "log/ole_date_time.h"
#include "report/utc_time.h"

namespace velmora::bench {
namespace {

namespace fs = std::filesystem;

std::string field(const char* name, const std::string& value) {
  return std::string("<") + name + ":" + std::to_string(value.size()) + ">" + value + " ";
}

// One ADIF record of `qso`, as a logging program exports it.
std::string adifRecord(const host::Qso& qso) {
  const long long seconds = std::llround((qso.time.days + kOleEpochDay) * 86400.0);  // from 1970
  const CivilDateTime hour = cli::report::startOfHour(cli::report::floorDiv(seconds, 3600));
  const int inHour = static_cast<int>(seconds - cli::report::floorDiv(seconds, 3600) * 3600);
  char date[16], time[16], mhz[32];
  std::snprintf(date, sizeof date, "%04d%02d%02d", hour.year, hour.month, hour.day);
  std::snprintf(time, sizeof time, "%02d%02d%02d", hour.hour, inHour / 60, inHour % 60);
  std::snprintf(mhz, sizeof mhz, "%.5f", qso.frequencyHz / 1e6);
  return field("CALL", qso.call) + field("QSO_DATE", date) + field("TIME_ON", time) +
         field("BAND", qso.band) + field("FREQ", mhz) + field("MODE", qso.mode) +
         field("RST_SENT", qso.rstSent) + field("RST_RCVD", qso.rstReceived) +
         field("STX_STRING", qso.exchangeSent) + field("SRX_STRING", qso.exchangeReceived) +
         field("STATION_CALLSIGN", "F5VEL") + "<EOR>\r\n";
}

void Report(benchmark::State& state) {
  BenchPlugin& plugin = BenchPlugin::instance();  // the folder and its reference file
  if (!fs::exists(VELMORA_COUNTRY_FILE)) {
    state.SkipWithError("no country file: install hamradio-files");
    return;
  }
  const fs::path log = fs::absolute("report-contest.adi");
  const fs::path page = fs::absolute("report-contest.html");
  {
    std::ofstream out(log, std::ios::binary);
    out << "Benchmark contest\r\n<EOH>\r\n";
    for (const host::Qso& qso : contestLog(static_cast<int>(state.range(0)), 6)) {
      out << adifRecord(qso);
    }
  }
  cli::CommandLine line;
  cli::setupReport(line);
  const cli::ParsedCommandLine report =
      line.parse({"report", log.string(), "--plugin", VELMORA_PLUGIN_FILE, "--cty",
                  VELMORA_COUNTRY_FILE, "--out", page.string()});
  for (auto _ : state) {
    std::ostringstream out, err;
    cli::Console console{out, err};
    report.run(console);
  }
  state.counters["page_bytes"] = static_cast<double>(fs::file_size(page));
  plugin.startContest();  // the report's contest replaced the one the others share
}
BENCHMARK(Report)->ArgName("qsos")->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora::bench

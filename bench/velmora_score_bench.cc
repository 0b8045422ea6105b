// velmora scoring a 100,000-QSO ADIF log as a user runs it: the program
// started on the file and timed from start to exit, with the CPU time and
// the peak resident memory of that process; with and without the Cabrillo
// export. The baseline, in the same run, is a plain read of the same file.
// The same log of 1,000,000 QSOs shows how scoring grows (written in the
// run, some 600 MB, and removed at its end), and `velmora report` of the
// 100,000 QSOs is held against their score.
//
// The log is the benchmarks' contest (contest_data.h) written as a general
// logger exports it: a header and some twenty fields a record, about 800
// bytes each, as large as the real exports velmora is pointed at.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "cabrillo/ole_date_time_format.h"
#include "contest_data.h"

namespace velmora::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kQsos = 100000;

std::string field(const char* name, const std::string& value) {
  return "<" + std::string(name) + ":" + std::to_string(value.size()) + ">" + value + " ";
}

std::string adifRecord(const host::Qso& q) {
  // "YYYY-MM-DD HHMM", as the plug-in writes it in its Cabrillo lines.
  const std::string when = formatQsoTime({q.time.days, q.time.status});
  const std::string date = when.substr(0, 4) + when.substr(5, 2) + when.substr(8, 2);
  const std::string time = when.substr(11, 4);
  char mhz[16];
  std::snprintf(mhz, sizeof mhz, "%.4f", q.frequencyHz / 1e6);
  return field("CALL", q.call) + field("QSO_DATE", date) + field("TIME_ON", time) +
         field("QSO_DATE_OFF", date) + field("TIME_OFF", time) + field("BAND", q.band) +
         field("FREQ", mhz) + field("MODE", q.mode) + field("RST_SENT", q.rstSent) +
         field("RST_RCVD", q.rstReceived) + field("STX_STRING", q.exchangeSent) +
         field("SRX_STRING", q.exchangeReceived) + field("STATION_CALLSIGN", "F5VEL") +
         field("OPERATOR", "F5VEL") + field("MY_GRIDSQUARE", "JN18EU") +
         field("GRIDSQUARE", "JO31") + field("NAME", "Jean-Pierre") +
         field("QTH", "Somewhere in the countryside") + field("TX_PWR", "100") +
         field("QSL_SENT", "N") + field("QSL_RCVD", "N") + field("LOTW_QSL_SENT", "N") +
         field("EQSL_QSL_SENT", "N") +
         field("COMMENT", "contest QSO, logged during the weekend's contest, good signal") +
         field("NOTES", "worked on a dipole at 12 m, the band was open to the whole of Europe") +
         field("APP_LOGGER_QSO_ID", std::to_string(q.time.days)) + "<EOR>\r\n";
}

// The folder of the logs, fresh in each run, also velmora's working folder
// (with Plugins/ for the settings); removed when the run ends.
const fs::path& benchFolder() {
  static const struct Folder {
    fs::path path = fs::temp_directory_path() / ("velmora-score-bench-" + std::to_string(getpid()));
    Folder() {
      fs::remove_all(path);
      fs::create_directories(path / "Plugins");
    }
    ~Folder() { fs::remove_all(path); }
  } folder;
  return folder.path;
}

// The log of the contest's first `qsos` QSOs, written once per run.
const fs::path& logFile(int qsos) {
  static std::map<int, fs::path> written;
  if (const auto it = written.find(qsos); it != written.end()) return it->second;
  const fs::path path = benchFolder() / ("general-logger-" + std::to_string(qsos) + ".adi");
  std::ofstream out(path, std::ios::binary);
  out << "General logger export\r\n<ADIF_VER:5>3.1.4 <PROGRAMID:6>LOGGER <EOH>\r\n";
  for (const host::Qso& q : contestLog(qsos, 6)) out << adifRecord(q);
  return written.emplace(qsos, path).first->second;
}

struct Run {
  double wallSeconds = 0, cpuSeconds = 0, peakMegabytes = 0;
  int status = -1;
};

// velmora with `args`, its output thrown away, standard input not a terminal.
Run runVelmora(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  std::string program = VELMORA_PROGRAM;
  argv.push_back(program.data());
  std::vector<std::string> copies = args;
  for (std::string& arg : copies) argv.push_back(arg.data());
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    std::freopen("/dev/null", "r", stdin);
    std::freopen("/dev/null", "w", stdout);
    std::freopen("/dev/null", "w", stderr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  Run run;
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  run.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.cpuSeconds = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
                   usage.ru_stime.tv_usec / 1e6;
  run.peakMegabytes = usage.ru_maxrss / 1024.0;  // kilobytes on Linux
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

// One command of velmora on the log of `qsos` QSOs, timed as the state's
// iterations, with the program's CPU time and peak memory as counters.
void timeVelmora(benchmark::State& state, std::vector<std::string> args, int qsos) {
  const fs::path& file = logFile(qsos);
  args.insert(args.begin() + 1, file.string());
  for (const char* option : {"--cty", VELMORA_COUNTRY_FILE, "--dir"}) args.push_back(option);
  args.push_back(benchFolder().string());
  double cpu = 0, peak = 0;
  for (auto _ : state) {
    const Run run = runVelmora(args);
    if (run.status != 0) {
      state.SkipWithError("velmora failed");
      return;
    }
    state.SetIterationTime(run.wallSeconds);
    cpu += run.cpuSeconds;
    peak = std::max(peak, run.peakMegabytes);
  }
  state.counters["velmora_cpu_s"] = cpu / static_cast<double>(state.iterations());
  state.counters["velmora_peak_MB"] = peak;
  state.counters["file_MB"] = static_cast<double>(fs::file_size(file)) / (1 << 20);
}

// Arg qsos: the log's size; cabrillo 0: score; 1: score --cabrillo.
void VelmoraScore(benchmark::State& state) {
  std::vector<std::string> args = {"score"};
  if (state.range(1) == 1) args.push_back("--cabrillo");
  timeVelmora(state, args, static_cast<int>(state.range(0)));
}
BENCHMARK(VelmoraScore)->ArgNames({"qsos", "cabrillo"})->Args({100000, 0})->Args({100000, 1})
    ->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(VelmoraScore)->Name("VelmoraScoreGrowth")->ArgNames({"qsos", "cabrillo"})
    ->Args({1000000, 0})->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// The report page of the same 100,000 QSOs, written into the folder.
void VelmoraReport(benchmark::State& state) {
  const std::string page = (benchFolder() / "report.html").string();
  timeVelmora(state, {"report", "--out", page}, static_cast<int>(state.range(0)));
}
BENCHMARK(VelmoraReport)->ArgName("qsos")->Arg(100000)->Iterations(3)->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Baseline: the same file's bytes read in blocks, nothing else done.
void ReadLogFile(benchmark::State& state) {
  const fs::path& file = logFile(100000);
  std::vector<char> block(1 << 16);
  for (auto _ : state) {
    std::ifstream in(file, std::ios::binary);
    std::size_t bytes = 0;
    while (in.read(block.data(), static_cast<std::streamsize>(block.size())) || in.gcount() > 0) {
      bytes += static_cast<std::size_t>(in.gcount());
    }
    benchmark::DoNotOptimize(bytes);
  }
}
BENCHMARK(ReadLogFile)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora::bench

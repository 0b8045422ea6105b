#include "contest_data.h"

#include <array>
#include <fstream>
#include <random>

namespace velmora::bench {
namespace {

struct Band {
  const char* name;
  std::uint32_t lowestHz;
};

// In the order an operator moves through them; the first six are the
// classic contest bands.
constexpr std::array<Band, 11> kBandPlan = {{
    {"80m", 3500000}, {"40m", 7000000}, {"20m", 14000000}, {"15m", 21000000},
    {"10m", 28000000}, {"160m", 1810000}, {"30m", 10100000}, {"17m", 18068000},
    {"12m", 24890000}, {"6m", 50000000}, {"2m", 144000000},
}};

struct Foreign {
  const char* prefix;
  const char* area;
};
constexpr std::array<Foreign, 12> kForeign = {{
    {"DL", "EU"}, {"G", "EU"}, {"I", "EU"}, {"EA", "EU"}, {"ON", "EU"}, {"OK", "EU"},
    {"SP", "EU"}, {"HB", "EU"}, {"PA", "EU"}, {"OH", "EU"}, {"K", "NA"}, {"JA", "AS"},
}};
constexpr std::array<const char*, 5> kOverseas = {"FM", "FY", "FR", "FG", "FK"};

std::string letters(int value, int count) {
  std::string text;
  for (int i = 0; i < count; ++i, value /= 26) text += char('A' + value % 26);
  return text;
}

// A station of the field: seven in ten metropolitan, three in a hundred
// overseas, the rest foreign. French stations send their department, the
// others a serial number.
struct Station {
  std::string call;
  std::string prefix;
  std::string area = "EU";
  std::string exchange;
  bool cw = false;
};

Station station(int index) {
  Station s;
  s.cw = index % 10 < 3;
  const int kind = index % 100;
  if (kind < 70) {
    const int french = index / 100 * 70 + kind;
    s.call = frenchCall(french);
    s.prefix = "F";
    s.exchange = department(french);
  } else if (kind < 73) {
    s.prefix = kOverseas[index % kOverseas.size()];
    s.call = s.prefix + std::to_string(index % 10) + letters(index / 100, 3);
    s.exchange = "97";
  } else {
    const Foreign& country = kForeign[index % kForeign.size()];
    s.call = country.prefix + std::to_string(index % 10) + letters(index / 100, 3);
    s.prefix = country.prefix;
    s.area = country.area;
    s.exchange = std::to_string(100 + index % 900);
  }
  return s;
}

// "001" onwards; four digits and more once past 999.
std::string serialNumber(int number) {
  std::string text = std::to_string(number);
  return std::string(text.size() < 3 ? 3 - text.size() : 0, '0') + text;
}

// The operator runs on one band for about fifty QSOs, then moves on.
constexpr int kRunLength = 50;

}  // namespace

std::string frenchCall(int index) {
  return std::string("F") + "4568"[index % 4] + letters(index / 4, 3);
}

std::string department(int index) {
  const int number = 1 + index % 96;  // 1..96, where 20 and 96 stand for Corsica
  if (number == 20) return "2A";
  if (number == 96) return "2B";
  return (number < 10 ? "0" : "") + std::to_string(number);
}

std::vector<host::Qso> contestLog(int count, int bandCount) {
  std::mt19937 random(20110101);  // the same contest on every run
  std::vector<std::uint16_t> workedBands;  // per station, a bit per band
  std::vector<host::Qso> log;
  log.reserve(static_cast<std::size_t>(count));
  const std::uint16_t allBands = static_cast<std::uint16_t>((1u << bandCount) - 1);
  for (int k = 0; k < count; ++k) {
    const int runBand = k / kRunLength % bandCount;
    int who = static_cast<int>(workedBands.size());
    int band = runBand;
    if (random() % 4 == 0 && who > 0) {
      const int earlier = static_cast<int>(random() % workedBands.size());
      if (workedBands[earlier] != allBands) {
        who = earlier;
        while (workedBands[who] & (1u << band)) band = (band + 1) % bandCount;
      }
    }
    if (who == static_cast<int>(workedBands.size())) workedBands.push_back(0);
    workedBands[who] |= static_cast<std::uint16_t>(1u << band);

    const Station s = station(who);
    host::Qso q;
    q.call = s.call;
    q.dxccPrefix = s.prefix;
    q.areaTag = s.area;
    q.band = kBandPlan[band].name;
    q.mode = s.cw ? "CW" : "SSB";
    q.rstSent = q.rstReceived = s.cw ? "599" : "59";
    q.exchangeSent = serialNumber(k + 1);
    q.exchangeReceived = s.exchange;
    q.frequencyHz = kBandPlan[band].lowestHz + static_cast<std::uint32_t>(random() % 200) * 500;
    q.time = {46000.25 + k * (20.0 / 86400.0), 0};  // one QSO every 20 seconds
    log.push_back(std::move(q));
  }
  return log;
}

host::CallCheck checkFor(const host::Qso& qso) {
  return host::CallCheck{qso.call, qso.dxccPrefix, false,    qso.band,
                         qso.band, false,          qso.mode, qso.areaTag};
}

void writeReferenceFile(const std::filesystem::path& file, int records) {
  std::ofstream out(file, std::ios::binary);
  for (int i = 0; i < records; ++i) out << frenchCall(i) << ' ' << department(i) << "\r\n";
}

}  // namespace velmora::bench

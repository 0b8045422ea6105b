#include "logs/band_plan.h"

#include <array>

#include "logs/decimal_number.h"
#include "text/ascii.h"

namespace velmora::cli {
namespace {

constexpr std::uint64_t kHz = 1, kKHz = 1000 * kHz, kMHz = 1000 * kKHz;

// The ADIF band enumeration, in frequency order.
constexpr std::array<AdifBand, 32> kBands = {{
    {"2190m", 135700 * kHz, 137800 * kHz},     {"630m", 472 * kKHz, 479 * kKHz},
    {"560m", 501 * kKHz, 504 * kKHz},          {"160m", 1800 * kKHz, 2000 * kKHz},
    {"80m", 3500 * kKHz, 4000 * kKHz},         {"60m", 5060 * kKHz, 5450 * kKHz},
    {"40m", 7000 * kKHz, 7300 * kKHz},         {"30m", 10100 * kKHz, 10150 * kKHz},
    {"20m", 14000 * kKHz, 14350 * kKHz},       {"17m", 18068 * kKHz, 18168 * kKHz},
    {"15m", 21000 * kKHz, 21450 * kKHz},       {"12m", 24890 * kKHz, 24990 * kKHz},
    {"10m", 28000 * kKHz, 29700 * kKHz},       {"8m", 40 * kMHz, 45 * kMHz},
    {"6m", 50 * kMHz, 54 * kMHz},              {"5m", 54 * kMHz + 1, 69900 * kKHz},
    {"4m", 70 * kMHz, 71 * kMHz},              {"2m", 144 * kMHz, 148 * kMHz},
    {"1.25m", 222 * kMHz, 225 * kMHz},         {"70cm", 420 * kMHz, 450 * kMHz},
    {"33cm", 902 * kMHz, 928 * kMHz},          {"23cm", 1240 * kMHz, 1300 * kMHz},
    {"13cm", 2300 * kMHz, 2450 * kMHz},        {"9cm", 3300 * kMHz, 3500 * kMHz},
    {"6cm", 5650 * kMHz, 5925 * kMHz},         {"3cm", 10000 * kMHz, 10500 * kMHz},
    {"1.25cm", 24000 * kMHz, 24250 * kMHz},    {"6mm", 47000 * kMHz, 47200 * kMHz},
    {"4mm", 75500 * kMHz, 81000 * kMHz},       {"2.5mm", 119980 * kMHz, 123000 * kMHz},
    {"2mm", 134000 * kMHz, 149000 * kMHz},     {"1mm", 241000 * kMHz, 250000 * kMHz},
}};

}  // namespace

const AdifBand* bandNamed(std::string_view name) {
  const std::string_view trimmed = trimAsciiBlanks(name);
  for (const AdifBand& band : kBands) {
    if (equalIgnoringAsciiCase(trimmed, band.name)) return &band;
  }
  return nullptr;
}

const AdifBand* bandAt(std::uint64_t frequencyHz) {
  for (const AdifBand& band : kBands) {
    if (frequencyHz >= band.lowHz && frequencyHz <= band.highHz) return &band;
  }
  return nullptr;
}

std::optional<std::string> bandOf(std::uint64_t frequencyHz) {
  const AdifBand* band = bandAt(frequencyHz);
  if (band == nullptr) return std::nullopt;
  return std::string(band->name);
}

std::optional<std::uint64_t> lowerEdgeHz(std::string_view band) {
  const AdifBand* known = bandNamed(band);
  if (known == nullptr) return std::nullopt;
  return known->lowHz;
}

std::optional<std::string> bandFromText(std::string_view text) {
  if (const AdifBand* known = bandNamed(text)) return std::string(known->name);
  const std::string_view number = trimAsciiBlanks(text);
  for (const auto& hz : {kilohertzToHz(number), megahertzToHz(number)}) {
    if (!hz) continue;
    if (std::optional<std::string> band = bandOf(*hz)) return band;
  }
  return std::nullopt;
}

}  // namespace velmora::cli

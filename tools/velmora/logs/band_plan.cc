#include "logs/band_plan.h"

#include <array>

#include "logs/decimal_number.h"
#include "text/ascii.h"

namespace velmora::cli {
namespace {

struct Band {
  std::uint32_t lowHz, highHz;
  const char* name;
};

// The widest allocation of any IARU region for each band.
constexpr std::array<Band, 19> kBands = {{
    {135700, 137800, "2190m"},        {472000, 479000, "630m"},
    {1800000, 2000000, "160m"},       {3500000, 4000000, "80m"},
    {5060000, 5450000, "60m"},        {7000000, 7300000, "40m"},
    {10100000, 10150000, "30m"},      {14000000, 14350000, "20m"},
    {18068000, 18168000, "17m"},      {21000000, 21450000, "15m"},
    {24890000, 24990000, "12m"},      {28000000, 29700000, "10m"},
    {50000000, 54000000, "6m"},       {70000000, 71000000, "4m"},
    {144000000, 148000000, "2m"},     {222000000, 225000000, "1.25m"},
    {420000000, 450000000, "70cm"},   {902000000, 928000000, "33cm"},
    {1240000000, 1300000000, "23cm"},
}};

const Band* bandNamed(std::string_view name) {
  const std::string lower = lowerAscii(trimAsciiBlanks(name));
  for (const Band& band : kBands) {
    if (lower == band.name) return &band;
  }
  return nullptr;
}

}  // namespace

std::optional<std::string> bandOf(std::uint32_t frequencyHz) {
  for (const Band& band : kBands) {
    if (frequencyHz >= band.lowHz && frequencyHz <= band.highHz) return std::string(band.name);
  }
  return std::nullopt;
}

std::optional<std::uint32_t> lowerEdgeHz(std::string_view band) {
  const Band* known = bandNamed(band);
  if (known == nullptr) return std::nullopt;
  return known->lowHz;
}

std::optional<std::string> bandFromText(std::string_view text) {
  if (const Band* known = bandNamed(text)) return std::string(known->name);
  const std::string_view number = trimAsciiBlanks(text);
  for (const auto& hz : {kilohertzToHz(number), megahertzToHz(number)}) {
    if (!hz) continue;
    if (std::optional<std::string> band = bandOf(*hz)) return band;
  }
  return std::nullopt;
}

}  // namespace velmora::cli

#pragma once
// The amateur bands as ADIF names them, from 2190m to 1mm, each with the
// lower and upper edge the ADIF band enumeration gives it: one table, read
// both ways (a band's name, in any letter case, to the band; a frequency
// to the band that holds it, edges included).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::cli {

// The plug-in takes a frequency in Hz of 32 bits: what lies above cannot
// be scored, and a message says so with this ending.
constexpr std::uint64_t kHighestPluginHz = 4294967295;
inline constexpr const char* kAboveThePlugin =
    " lies above 4294.967295 MHz, the highest frequency the plug-in takes";

struct AdifBand {
  const char* name;  // in lower case, "40m"
  std::uint64_t lowHz, highHz;
};

// The band named `name` (blanks around it and letter case aside).
const AdifBand* bandNamed(std::string_view name);
// The band that holds `frequencyHz`.
const AdifBand* bandAt(std::uint64_t frequencyHz);

// The name of the band that holds `frequencyHz`; nothing outside every band.
std::optional<std::string> bandOf(std::uint64_t frequencyHz);

// The lower edge of the band named `band` ("40m", any letter case);
// nothing for a name the table does not hold.
std::optional<std::uint64_t> lowerEdgeHz(std::string_view band);

// A band as a user writes it: its name in any letter case, or a frequency
// in kHz ("7050") or MHz ("7.05", "144"). Tried as kHz first, then as MHz.
std::optional<std::string> bandFromText(std::string_view text);

}  // namespace velmora::cli

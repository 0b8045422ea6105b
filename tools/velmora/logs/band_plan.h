#pragma once
// The amateur bands by frequency, named as log files name them ("40m").

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::cli {

// The band that holds `frequencyHz`, edges included; nothing outside them.
std::optional<std::string> bandOf(std::uint32_t frequencyHz);

// The lower edge of the band named `band` ("40m", any letter case), for a
// QSO that a log gives a band but no frequency; nothing for an unknown band.
std::optional<std::uint32_t> lowerEdgeHz(std::string_view band);

// A band as a user writes it: its name in any letter case, or a frequency
// in kHz ("7050") or MHz ("7.05", "144"). Tried as kHz first, then as MHz.
std::optional<std::string> bandFromText(std::string_view text);

}  // namespace velmora::cli

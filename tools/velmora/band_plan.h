#pragma once
// The amateur bands by frequency, named as log files name them ("40m").

#include <cstdint>
#include <optional>
#include <string>

namespace velmora::cli {

// The band that holds `frequencyHz`, edges included; nothing outside them.
std::optional<std::string> bandOf(std::uint32_t frequencyHz);

}  // namespace velmora::cli

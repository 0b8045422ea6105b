#pragma once
// The header fields kept in the settings file between contests.

#include <string_view>

#include "ports/header_fields.h"
#include "ports/platform.h"

namespace velmora {

// Reads the stored fields in their fixed order, turning the multi-line ones
// into edited form, and presets contest, category and power (which are
// stored but never read back). The call sign is left alone.
void readHeaderSettings(SettingsStore& settings, std::string_view myCall, HeaderFields& fields);

// Writes the nine stored keys in their fixed order; `stored` holds the
// multi-line fields in stored form. Neither the call sign nor the claimed
// score is written here.
void writeHeaderSettings(SettingsStore& settings, const HeaderFields& stored);

}  // namespace velmora

#pragma once
// The fixed answers about the one contest set this plug-in offers.

namespace velmora {

inline constexpr const char* kSetName = "Velmora (C)";
inline constexpr const char* kNoSetupMessage = "No additional setup for this contest";

// "Velmora (C)" for index 0, "" for every other index. Both texts live as
// long as the library.
inline const char* setName(int index) { return index == 0 ? kSetName : ""; }

}  // namespace velmora

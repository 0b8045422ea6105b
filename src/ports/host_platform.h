#pragma once
// The platform the exported plug-in runs on; each platform folder defines it.

#include "ports/platform.h"

namespace velmora {

Platform& hostPlatform();

}  // namespace velmora

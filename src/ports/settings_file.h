#pragma once
// The plug-in's settings file, as the platform reads and writes it: for a
// host program that answers the header form itself and checks afterwards
// that the plug-in stored the answers (it reads the file through the same
// rules as the plug-in: the Windows profile functions, or the Linux INI
// layer). Each platform library defines these.

#include <memory>

#include "ports/platform.h"

namespace velmora {

// The settings file the plug-in uses, relative to the current directory.
extern const char* const kSettingsFileName;

// A store over kSettingsFileName, independent of the plug-in's own.
std::unique_ptr<SettingsStore> openSettingsFile();

}  // namespace velmora

#pragma once
// The base name of the Cabrillo file, and the plug-in's own judgement of
// whether a file of that name can be made.

#include <string>
#include <string_view>

namespace velmora {

// `myCall` with "/" and "\" made "_" and white space trimmed at both ends;
// "VIRDO" when nothing is left. Nothing else is changed.
std::string basePathFromCall(std::string_view myCall);

// False for a base path that no file may carry on either platform: one that
// holds < > : " | ? * or a control character, or that is a reserved device
// name (CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9, any letter case), alone
// or before a dot.
bool isAcceptableBasePath(std::string_view basePath);

}  // namespace velmora

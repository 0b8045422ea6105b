#pragma once
// The DLL's own module handle, recorded when Windows loads the library; the
// dialog templates are looked up in it.

#include <windows.h>

namespace velmora {

HINSTANCE moduleInstance();

}  // namespace velmora

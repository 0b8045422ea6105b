// The library's entry routine: records the module handle at process attach.
// Nothing is read or shown at load, and nothing is written at unload.

#include <windows.h>

#include "platform/win32/module_instance.h"

namespace {
HINSTANCE g_module = nullptr;
}

namespace velmora {
HINSTANCE moduleInstance() { return g_module; }
}  // namespace velmora

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) g_module = instance;
  return TRUE;
}

#include "host/dynamic_library.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace velmora::host {

#if defined(_WIN32)

DynamicLibrary::DynamicLibrary(const std::string& file) {
  handle_ = reinterpret_cast<void*>(LoadLibraryA(file.c_str()));
  if (handle_ == nullptr) {
    error_ = "cannot load " + file + " (error " + std::to_string(GetLastError()) + ")";
  }
}

DynamicLibrary::~DynamicLibrary() {
  if (handle_ != nullptr) FreeLibrary(reinterpret_cast<HMODULE>(handle_));
}

void* DynamicLibrary::symbol(const char* name) const {
  if (handle_ == nullptr) return nullptr;
  return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(handle_), name));
}

#else

DynamicLibrary::DynamicLibrary(const std::string& file) {
  handle_ = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) {
    const char* why = dlerror();
    error_ = why != nullptr ? why : "cannot load " + file;
  }
}

DynamicLibrary::~DynamicLibrary() {
  if (handle_ != nullptr) dlclose(handle_);
}

void* DynamicLibrary::symbol(const char* name) const {
  if (handle_ == nullptr) return nullptr;
  return dlsym(handle_, name);
}

#endif

}  // namespace velmora::host

#pragma once
// A loaded shared library (dlopen / LoadLibraryA) and lookup of its exports
// by name. The library is unloaded when the object goes.

#include <string>

namespace velmora::host {

class DynamicLibrary {
 public:
  // Loads the library; on failure `loaded()` is false and `error()` says why.
  explicit DynamicLibrary(const std::string& file);
  ~DynamicLibrary();
  DynamicLibrary(const DynamicLibrary&) = delete;
  DynamicLibrary& operator=(const DynamicLibrary&) = delete;

  bool loaded() const { return handle_ != nullptr; }
  const std::string& error() const { return error_; }

  // The address of an exported name, or nullptr when it is not exported.
  void* symbol(const char* name) const;

 private:
  void* handle_ = nullptr;
  std::string error_;
};

}  // namespace velmora::host

#pragma once
// A file held open by another process for as long as the object lives
// (Windows only): the program file_holder, started from the folder of the
// running test program, opens it for reading with the given sharing.

#include <windows.h>

#include <string>

namespace velmora::testing {

class HeldFile {
 public:
  // `share`: the FILE_SHARE_* bits the other process grants, 0 for none.
  HeldFile(const std::string& path, DWORD share);
  ~HeldFile();
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;

  // True once the other process has the file open.
  bool held() const { return held_; }

 private:
  PROCESS_INFORMATION process_{};
  HANDLE keepOpen_ = nullptr;  // the holder's standard input; closing it releases the file
  bool held_ = false;
};

}  // namespace velmora::testing
